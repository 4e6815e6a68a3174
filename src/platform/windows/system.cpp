#include "platform/platform.h"

#include <QGuiApplication>
#include <QLocale>
#include <QWidget>
#include <QWindow>
#include <vector>

namespace Platform {

void prepareProcess() {}

// Qt asks Windows for each family as a window needs it: there is no configuration to read, and
// Qt's font database is filled on the GUI thread, as it expects there.
bool warmsUpFonts() {
    return false;
}

void readFontConfiguration() {}

// Windows keeps no messages' locale of its own: the user's locale stands for it, and the
// languages to show come from the user's language settings.
QByteArray messagesLocale() {
    return QLocale::system().name().toLatin1();
}

// The registry key where programs of its kind keep their settings, one key per application.
SettingsPlace settingsPlace(const QString &application) {
    return {QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") +
                application,
            QSettings::NativeFormat};
}

// Windows shows the program's windows itself: the command line is passed on as it is, and
// Qt's own message (from a missing platform plugin, say) is the one that counts.
struct ApplicationStart::State {
    int argc = 0;
    std::vector<char *> argv;
};

ApplicationStart::ApplicationStart(int argc, char **argv, Translate)
    : m_state(std::make_unique<State>()) {
    m_state->argv.assign(argv, argv + argc);
    m_state->argc = argc;
    m_state->argv.push_back(nullptr);
}

ApplicationStart::~ApplicationStart() = default;

int &ApplicationStart::argc() {
    return m_state->argc;
}

char **ApplicationStart::argv() {
    return m_state->argv.data();
}

void ApplicationStart::applicationMade() {}

// Windows draws the frame of every window itself; once the native window exists, Qt knows the
// frame its style gives. Qt's other platforms (offscreen, for tests) draw none.
QMargins expectedFrame(QWidget *window) {
    if (QGuiApplication::platformName() != QLatin1StringView("windows"))
        return {};
    window->winId();
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

} // namespace Platform
