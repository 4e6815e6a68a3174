#include "platform/platform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <windows.h>

namespace Platform {

// A named mutex. Windows removes it with the last handle to it, so a copy that dies, however
// it dies, leaves nothing behind.
struct SingleInstance::Held {
    HANDLE mutex = nullptr;
    ~Held() {
        if (mutex)
            CloseHandle(mutex);
    }
};

SingleInstance::SingleInstance(QString name) : m_name(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

// A name of the Local namespace belongs to the user's session: another user's copy, in a
// session of their own, does not count. As programs of its kind knew their copies, a copy is
// known by the program's file name: one under another name runs beside it, as it keeps
// settings of its own.
QString SingleInstance::defaultName() {
    return QStringLiteral("Local\\" QUINTAVEL_APP_ID ".") +
           QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

bool SingleInstance::acquire() {
    m_held = std::make_unique<Held>();
    m_held->mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(m_name.utf16()));
    if (!m_held->mutex)
        return true;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        m_held.reset();
        return false;
    }
    return true;
}

void SingleInstance::release() {
    m_held.reset();
}

} // namespace Platform
