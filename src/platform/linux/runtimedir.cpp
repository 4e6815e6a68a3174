#include "platform/linux/runtimedir.h"

#include <QFileInfo>
#include <unistd.h>

QString usableRuntimeDir() {
    const QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty())
        return {};
    const QFileInfo info(dir);
    constexpr QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (!info.isDir() || info.ownerId() != ::getuid() || (info.permissions() & others) ||
        !info.isWritable() || !info.isExecutable())
        return {};
    return dir;
}
