#pragma once

#include <QByteArray>
#include <QMargins>
#include <QSettings>
#include <QString>
#include <memory>

class QWidget;

// What differs between the systems Quintavel runs on, and nothing else. The build compiles one
// side of it, linux/ or windows/; the rest of the program asks here and never tests which
// system it runs on.
namespace Platform {

// The first thing the process does, before any thread starts.
void prepareProcess();

// Whether the fonts are made ready on a thread of their own at start-up, while the display
// connection is made: where the system's font configuration is read ahead of Qt, on that
// thread (readFontConfiguration), and Qt's font database filled from it there.
bool warmsUpFonts();
void readFontConfiguration();

// The locale the user wants messages in, as the C library names it ("de_DE.UTF-8"); empty, "C"
// or "POSIX" for the texts as written.
QByteArray messagesLocale();

// The frame (title bar and borders) the window system is going to put around the window, in
// the window's pixels, asked for before the window is first shown. None when nobody can say:
// no window manager, or no screen.
QMargins expectedFrame(QWidget *window);

// Where the per-user settings of an application are kept, in QSettings' terms: a file or a
// registry key, and its format.
struct SettingsPlace {
    QString path;
    QSettings::Format format;
};
SettingsPlace settingsPlace(const QString &application);

// A text in the user's language, for what is said before the application object exists.
using Translate = QString (*)(const char *context, const char *source);

// From before the application object is made until it exists: the command line it is given,
// and a watch over what Qt says while it connects to the display.
class ApplicationStart {
public:
    ApplicationStart(int argc, char **argv, Translate translate);
    ~ApplicationStart();
    ApplicationStart(const ApplicationStart &) = delete;
    ApplicationStart &operator=(const ApplicationStart &) = delete;

    // For QApplication; they stay valid while this lives.
    int &argc();
    char **argv();
    // The application object exists: the watch ends.
    void applicationMade();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Refuses a second copy of the application for the same user. A copy that ended, however it
// ended, never keeps the next one from starting.
class SingleInstance {
public:
    explicit SingleInstance(QString name = defaultName());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when no other copy holds the guard (this copy now holds it), and also when the guard
    // cannot be taken for any other reason: only a live copy refuses a start.
    bool acquire();
    void release();

    // The guard of this user's copies: a lock file or a named object of the system.
    static QString defaultName();

private:
    struct Held;
    QString m_name;
    std::unique_ptr<Held> m_held;
};

} // namespace Platform
