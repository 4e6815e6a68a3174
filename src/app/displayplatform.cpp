#include "app/displayplatform.h"

#include <QList>
#include <cstring>

namespace DisplayPlatform {

namespace {

bool isPlatformOption(const char *arg) {
    return std::strcmp(arg, "-platform") == 0 || std::strcmp(arg, "--platform") == 0;
}

bool isWaylandSession(const Session &session) {
    return !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
}

// The platforms Qt tries, in order: the user's, else ours, else Qt's own, which puts Wayland
// before X11 in a Wayland session.
QList<QByteArray> platformsTried(const Session &session) {
    QByteArray names = !session.platformArgument.isEmpty() ? session.platformArgument
                       : !session.qpaPlatform.isEmpty()    ? session.qpaPlatform
                                                           : choose(session);
    if (names.isEmpty())
        names = isWaylandSession(session) ? "wayland;xcb" : "xcb";
    QList<QByteArray> tried;
    for (const QByteArray &entry : names.split(';')) {
        // A name may carry the platform's options after a colon.
        const QByteArray name = entry.split(':').first().toLower();
        if (!name.isEmpty() && !tried.contains(name))
            tried << name;
    }
    return tried;
}

QByteArray x11Display(const Session &session) {
    if (session.x11Display.isEmpty())
        return QByteArrayLiteral("the X display (DISPLAY is not set)");
    return "the X display " + session.x11Display;
}

QByteArray waylandSocket(const Session &session) {
    const QByteArray name =
        session.waylandDisplay.isEmpty() ? QByteArrayLiteral("wayland-0") : session.waylandDisplay;
    if (name.startsWith('/'))
        return "the Wayland socket " + name;
    if (session.runtimeDir.isEmpty())
        return "the Wayland socket " + name + " (XDG_RUNTIME_DIR is not set)";
    return "the Wayland socket " + session.runtimeDir + '/' + name;
}

} // namespace

Session current(int argc, char **argv) {
    Session session;
    session.qpaPlatform = qgetenv("QT_QPA_PLATFORM");
    session.sessionType = qgetenv("XDG_SESSION_TYPE");
    session.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    session.x11Display = qgetenv("DISPLAY");
    session.runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    for (int i = 1; i + 1 < argc; ++i)
        if (isPlatformOption(argv[i]))
            session.platformArgument = argv[i + 1];
    return session;
}

QByteArray choose(const Session &session) {
    if (!session.qpaPlatform.isEmpty() || !session.platformArgument.isEmpty())
        return {};
    // Without an X server to reach, running natively beats not running at all: a DISPLAY left
    // over from an earlier session, or XWayland not running.
    if (isWaylandSession(session) && !session.x11Display.isEmpty())
        return QByteArrayLiteral("xcb;wayland");
    return {};
}

QByteArray noWindowReason(const Session &session) {
    QList<QByteArray> unreached, unstarted;
    for (const QByteArray &name : platformsTried(session)) {
        if (name == "xcb")
            unreached << x11Display(session);
        else if (name.startsWith("wayland"))
            unreached << waylandSocket(session);
        else
            unstarted << '"' + name + '"';
    }
    QList<QByteArray> reasons;
    if (!unreached.isEmpty())
        reasons << "could not connect to " + unreached.join(" or ");
    if (!unstarted.isEmpty())
        reasons << "could not start the platform " + unstarted.join(" or ");
    return reasons.join("; ");
}

Arguments::Arguments(int argc, char **argv)
    : m_session(current(argc, argv)), m_platform(choose(m_session)), m_argv(argv, argv + argc) {
    if (argc > 0 && argv[0])
        m_program = QByteArray(argv[0]).mid(QByteArray(argv[0]).lastIndexOf('/') + 1);
    if (m_program.isEmpty())
        m_program = QByteArrayLiteral("quintavel");
    if (!m_platform.isEmpty() && !m_argv.empty())
        m_argv.insert(m_argv.begin() + 1, {m_option.data(), m_platform.data()});
    m_argc = int(m_argv.size());
    m_argv.push_back(nullptr);
}

QByteArray Arguments::noWindowLine() const {
    return m_program + ": no window can be shown: " + noWindowReason(m_session) + '\n';
}

} // namespace DisplayPlatform
