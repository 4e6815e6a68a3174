#include "resources/texts.h"

#include <QFile>

namespace Texts {

QString get(const QString &name) {
    QFile file(QStringLiteral(":/texts/") + name + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace Texts
