#include "app/singleinstance.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

QString SingleInstance::lockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!dir.isEmpty())
        return dir + QStringLiteral("/quintavel.lock");
    return QDir::tempPath() + QStringLiteral("/quintavel-%1.lock").arg(::getuid());
}

bool SingleInstance::acquire() {
    m_lock = std::make_unique<QLockFile>(m_path);
    if (m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}

void SingleInstance::release() {
    if (m_lock)
        m_lock->unlock();
}
