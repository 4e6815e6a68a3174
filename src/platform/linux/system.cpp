#include "platform/platform.h"

#include <QStandardPaths>
#include <fontconfig/fontconfig.h>
#include <malloc.h>

namespace Platform {

void prepareProcess() {
    // Two heaps at the most. The font thread, which starts first, gets the second, so that the
    // GUI thread never waits for it at the heap lock while both start up; Qt's X event reader,
    // which allocates little, shares one of the two instead of keeping a heap of its own.
    mallopt(M_ARENA_MAX, 2);
}

bool warmsUpFonts() {
    return true;
}

void readFontConfiguration() {
    FcInit();
}

QByteArray messagesLocale() {
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QByteArray value = qgetenv(name); !value.isEmpty())
            return value;
    return {};
}

SettingsPlace settingsPlace(const QString &application) {
    // An INI file in $XDG_CONFIG_HOME, else ~/.config.
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QLatin1Char('/') + application + QStringLiteral(".ini"),
            QSettings::IniFormat};
}

} // namespace Platform
