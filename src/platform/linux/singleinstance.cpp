#include "platform/platform.h"

#include "platform/linux/runtimedir.h"

#include <QDir>
#include <QLockFile>
#include <unistd.h>

namespace Platform {

// A lock file in the user's runtime directory. A copy that dies without cleaning up leaves a
// stale lock, which the next start recognises by its process and takes over.
struct SingleInstance::Held {
    explicit Held(const QString &path) : lock(path) {}
    QLockFile lock;
};

SingleInstance::SingleInstance(QString name) : m_name(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

// Without a runtime directory of the user's own, copies of the same user meet in the temporary
// folder, under a name that carries the user's number.
QString SingleInstance::defaultName() {
    const QString dir = usableRuntimeDir();
    if (!dir.isEmpty())
        return dir + QStringLiteral("/quintavel.lock");
    return QDir::tempPath() + QStringLiteral("/quintavel-%1.lock").arg(::getuid());
}

bool SingleInstance::acquire() {
    m_held = std::make_unique<Held>(m_name);
    if (m_held->lock.tryLock(0))
        return true;
    return m_held->lock.error() != QLockFile::LockFailedError;
}

void SingleInstance::release() {
    if (m_held)
        m_held->lock.unlock();
}

} // namespace Platform
