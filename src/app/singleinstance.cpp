#include "app/singleinstance.h"

#include "app/runtimedir.h"

#include <QDir>
#include <unistd.h>

// Without a runtime directory of the user's own, copies of the same user meet in the temporary
// folder, under a name that carries the user's number.
QString SingleInstance::lockPath() {
    const QString dir = usableRuntimeDir();
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
