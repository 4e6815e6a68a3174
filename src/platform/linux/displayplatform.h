#pragma once

#include "platform/platform.h"

#include <QByteArray>
#include <vector>

// Which of Qt's platforms shows the windows. They are centred when first shown and the farewell
// window stays above the others, and a Wayland compositor lets no client do either; so in a
// Wayland session that also names an X display (XWayland), the program runs as an X11 client,
// and natively on Wayland when that display cannot be reached. A platform the user chose, in
// QT_QPA_PLATFORM or with -platform, is left alone.
namespace DisplayPlatform {

// What the choice depends on, as the process finds it.
struct Session {
    QByteArray qpaPlatform;      // QT_QPA_PLATFORM
    QByteArray sessionType;      // XDG_SESSION_TYPE
    QByteArray waylandDisplay;   // WAYLAND_DISPLAY
    QByteArray x11Display;       // DISPLAY
    QByteArray platformArgument; // the name after -platform on the command line
    QByteArray runtimeDir;       // XDG_RUNTIME_DIR, where the Wayland socket lies
};

Session current(int argc, char **argv);

// The platforms to ask Qt for, separated by ';' and tried in that order, or empty to leave the
// choice to Qt.
QByteArray choose(const Session &session);

// What could not be reached when none of the platforms Qt tried could start, for example
// "could not connect to the X display :5".
QByteArray noWindowReason(const Session &session);

// Its texts in the user's language through the function given; as they are written until then.
void setTranslate(Platform::Translate translate);
QString translated(const char *source);

// The command line for QApplication: the program's own, with "-platform <names>" after the
// program name when choose() names platforms. It must outlive the application object.
class Arguments {
public:
    Arguments(int argc, char **argv);
    Arguments(const Arguments &) = delete;
    Arguments &operator=(const Arguments &) = delete;

    int &argc() { return m_argc; }
    char **argv() { return m_argv.data(); }
    // The line that says why no window can be shown, for when no platform starts.
    QByteArray noWindowLine() const;

private:
    Session m_session;
    QByteArray m_program;
    QByteArray m_option = "-platform";
    QByteArray m_platform;
    std::vector<char *> m_argv;
    int m_argc = 0;
};

} // namespace DisplayPlatform
