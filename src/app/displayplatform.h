#pragma once

#include <QByteArray>
#include <vector>

// Which of Qt's platforms shows the windows. They are centred when first shown and the farewell
// window stays above the others, and a Wayland compositor lets no client do either; so in a
// Wayland session that also offers X11 (XWayland), the program runs as an X11 client. A
// platform the user chose, in QT_QPA_PLATFORM or with -platform, is left alone.
namespace DisplayPlatform {

// What the choice depends on, as the process finds it.
struct Session {
    QByteArray qpaPlatform;        // QT_QPA_PLATFORM
    QByteArray sessionType;        // XDG_SESSION_TYPE
    QByteArray waylandDisplay;     // WAYLAND_DISPLAY
    QByteArray x11Display;         // DISPLAY
    bool platformArgument = false; // -platform on the command line
};

Session current(int argc, char **argv);

// The platform to ask Qt for, or empty to leave the choice to Qt.
QByteArray choose(const Session &session);

// The command line for QApplication: the program's own, with "-platform <name>" after the
// program name when choose() names a platform. It must outlive the application object.
class Arguments {
public:
    Arguments(int argc, char **argv);
    Arguments(const Arguments &) = delete;
    Arguments &operator=(const Arguments &) = delete;

    int &argc() { return m_argc; }
    char **argv() { return m_argv.data(); }

private:
    QByteArray m_option = "-platform";
    QByteArray m_platform;
    std::vector<char *> m_argv;
    int m_argc = 0;
};

} // namespace DisplayPlatform
