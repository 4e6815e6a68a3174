#include "app/displayplatform.h"

#include <cstring>

namespace DisplayPlatform {

namespace {

bool isPlatformOption(const char *arg) {
    return std::strcmp(arg, "-platform") == 0 || std::strcmp(arg, "--platform") == 0;
}

} // namespace

Session current(int argc, char **argv) {
    Session session;
    session.qpaPlatform = qgetenv("QT_QPA_PLATFORM");
    session.sessionType = qgetenv("XDG_SESSION_TYPE");
    session.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    session.x11Display = qgetenv("DISPLAY");
    for (int i = 1; i < argc; ++i)
        session.platformArgument |= isPlatformOption(argv[i]);
    return session;
}

QByteArray choose(const Session &session) {
    if (!session.qpaPlatform.isEmpty() || session.platformArgument)
        return {};
    const bool wayland = !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
    // Without an X server to reach, running natively beats not running at all.
    if (wayland && !session.x11Display.isEmpty())
        return QByteArrayLiteral("xcb");
    return {};
}

Arguments::Arguments(int argc, char **argv)
    : m_platform(choose(current(argc, argv))), m_argv(argv, argv + argc) {
    if (!m_platform.isEmpty() && !m_argv.empty())
        m_argv.insert(m_argv.begin() + 1, {m_option.data(), m_platform.data()});
    m_argc = int(m_argv.size());
    m_argv.push_back(nullptr);
}

} // namespace DisplayPlatform
