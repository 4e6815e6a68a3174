#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <deque>
#include <functional>

// Runs the tests of one class under the offscreen platform, with a private, empty home,
// configuration and runtime directory so that no test touches the user's own.
#define QUINTAVEL_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char **argv) {                                                              \
        TestSupport::prepareEnvironment();                                                         \
        QApplication app(argc, argv);                                                              \
        TestSupport::prepareApplication(app);                                                      \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

namespace TestSupport {

void prepareEnvironment();
void prepareApplication(QApplication &app);

// A message box as the user would have seen it.
struct ShownBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Records every message box and answers it in the user's place: with the next queued answer,
// or with the box's default (or only) button. Outside its life a message box fails the test
// that brought it.
class MessageBoxes {
public:
    MessageBoxes();
    ~MessageBoxes();

    void queueAnswer(QMessageBox::StandardButton answer) { m_answers.push_back(answer); }
    // Lets a test look at each box itself, as it is about to show.
    void whenShown(std::function<void(QMessageBox &)> look) { m_look = std::move(look); }
    const QList<ShownBox> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    QList<ShownBox> m_shown;
    std::deque<QMessageBox::StandardButton> m_answers;
    std::function<void(QMessageBox &)> m_look;
};

// Records the addresses the application hands to the browser instead of opening them.
class BrowserRecorder : public QObject {
    Q_OBJECT
public:
    BrowserRecorder();
    ~BrowserRecorder() override;
    QStringList addresses;
    // Lets a test look at the application as each page is handed over.
    void whenOpened(std::function<void()> look) { m_look = std::move(look); }
public slots:
    void open(const QUrl &url);

private:
    std::function<void()> m_look;
};

// While it lives, file permissions bind this test's thread even when the test runs as root,
// who could otherwise write into a read-only directory.
class ObeyFilePermissions {
public:
    ObeyFilePermissions();
    ~ObeyFilePermissions();
    ObeyFilePermissions(const ObeyFilePermissions &) = delete;
    ObeyFilePermissions &operator=(const ObeyFilePermissions &) = delete;

private:
    bool m_dropped = false;
};

// Counts the times a window really reaches the screen, that is its native window is shown;
// by the window's name.
class NativeShows : public QObject {
public:
    explicit NativeShows(QString windowName);
    ~NativeShows() override;
    int count = 0;
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    QString m_windowName;
};

// False in the build for Windows. A test of what Linux alone has skips itself there, saying why,
// with QUINTAVEL_LINUX_ALONE.
bool onLinux();
#define QUINTAVEL_LINUX_ALONE(why)                                                                 \
    do {                                                                                           \
        if (!TestSupport::onLinux())                                                               \
            QSKIP("Linux alone: " why);                                                            \
    } while (false)

// The settings of an application as the system keeps them, read past Qt and the store: the
// settings file, or the registry key written out in the file's form ("[Settings]\nKey=Text\n").
QByteArray keptSettings(const QString &application);
// Removes them, as if the application had never run.
void forgetSettings(const QString &application);

// The process ends through ExitApplication; here it counts instead of ending.
int processEnds();

// Starts the application as the process does: the start-up window and its sequence.
void startApplication();
// Ends it through ExitApplication and lets closed windows be destroyed.
void endApplication();
// Lets deferred deletions and other posted events run.
void settle();

// A rectangle of a layout table, given in twips, in pixels at 96 dots per inch.
QRect pixelsOf(QRect twips);

// The named children of one container, front-most first, as they are stacked.
QStringList frontToBack(const QWidget *container, const QStringList &names);

// The widgets of a shown window whose text does not show whole: a label's, button's, box's or
// frame title's text that runs past its widget, its widget's borders, the part its containers
// and the widgets in front of it leave in view, or that comes within two pixels of a widget
// beside it; and the menus a menu bar has no room for.
QStringList clippedCaptions(const QWidget *window);

// The widgets and menu items of a window whose text holds a character that no installed font
// draws: the box a font draws for a missing glyph would show in its place.
QStringList missingGlyphs(const QWidget *window);

} // namespace TestSupport
