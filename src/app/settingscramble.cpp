#include "app/settingscramble.h"

namespace modHelp {

static int codeOf(QChar c) {
    return c.unicode() <= 0xFF ? c.unicode() : '?';
}

static QString shifted(const QString &text, int by) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int code = codeOf(c) + by;
        if (code >= 0 && code <= 0xFF)
            result += QChar(code);
    }
    return result;
}

QString EncodeSetting(const QString &text) {
    return shifted(text, kSettingShift);
}

QString DecodeSetting(const QString &text) {
    return shifted(text, -kSettingShift);
}

} // namespace modHelp
