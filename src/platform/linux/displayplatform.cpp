#include "platform/linux/displayplatform.h"

#include "platform/platform.h"

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

// A piece of the line in the user's language, with what it names in place of %1. The line goes
// to a terminal, so it is written in lower case as terminal messages are.
QByteArray say(const char *source, const QByteArray &what = {}) {
    QString text = translated(source);
    if (!what.isEmpty())
        text = text.arg(QString::fromLocal8Bit(what));
    return text.toLocal8Bit();
}

QByteArray x11Display(const Session &session) {
    if (session.x11Display.isEmpty())
        return say(QT_TRANSLATE_NOOP("DisplayPlatform", "the X display (DISPLAY is not set)"));
    //: %1 is the name of an X display, such as :5.
    return say(QT_TRANSLATE_NOOP("DisplayPlatform", "the X display %1"), session.x11Display);
}

QByteArray waylandSocket(const Session &session) {
    const QByteArray name =
        session.waylandDisplay.isEmpty() ? QByteArrayLiteral("wayland-0") : session.waylandDisplay;
    //: %1 is the path of a Wayland socket.
    const char *socket = QT_TRANSLATE_NOOP("DisplayPlatform", "the Wayland socket %1");
    if (name.startsWith('/'))
        return say(socket, name);
    if (session.runtimeDir.isEmpty())
        return say(QT_TRANSLATE_NOOP("DisplayPlatform",
                                     "the Wayland socket %1 (XDG_RUNTIME_DIR is not set)"),
                   name);
    return say(socket, session.runtimeDir + '/' + name);
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
    //: Joins the places or platforms of the line that says why no window can be shown.
    const QByteArray orElse = say(QT_TRANSLATE_NOOP("DisplayPlatform", " or "));
    QList<QByteArray> reasons;
    if (!unreached.isEmpty())
        //: %1 names one or more places, such as "the X display :5", joined by " or ".
        reasons << say(QT_TRANSLATE_NOOP("DisplayPlatform", "could not connect to %1"),
                       unreached.join(orElse));
    if (!unstarted.isEmpty())
        //: %1 names one or more platforms of Qt, each in double quotes.
        reasons << say(QT_TRANSLATE_NOOP("DisplayPlatform", "could not start the platform %1"),
                       unstarted.join(orElse));
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
    //: A line on the terminal when start-up finds no display: %1 is the program's name,
    //: %2 why no window can be shown.
    QString line =
        translated(QT_TRANSLATE_NOOP("DisplayPlatform", "%1: no window can be shown: %2"));
    return line.arg(QString::fromLocal8Bit(m_program),
                    QString::fromLocal8Bit(noWindowReason(m_session)))
               .toLocal8Bit() +
           '\n';
}

static Platform::Translate &translation() {
    static Platform::Translate translate = nullptr;
    return translate;
}

void setTranslate(Platform::Translate translate) {
    translation() = translate;
}

QString translated(const char *source) {
    return translation() ? translation()("DisplayPlatform", source) : QString::fromUtf8(source);
}

} // namespace DisplayPlatform
