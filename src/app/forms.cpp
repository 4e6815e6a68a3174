#include "app/forms.h"

#include "app/frmstartup.h"
#include "outreach/frmabout.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"

#include <QEvent>
#include <type_traits>

namespace {

struct Loaded {
    QPointer<FrmStartup> startup;
    QPointer<FrmMain> main;
    QPointer<FrmDisplay> display;
    QPointer<FrmFarewell> farewell;
    QList<QPointer<QWidget>> inOrder;
};

Loaded &loaded() {
    static Loaded windows;
    return windows;
}

void forget(QObject *window) {
    Loaded &l = loaded();
    l.inOrder.removeIf([window](const QPointer<QWidget> &w) { return w.isNull() || w == window; });
    if (l.startup == window)
        l.startup = nullptr;
    if (l.main == window)
        l.main = nullptr;
    if (l.display == window)
        l.display = nullptr;
    if (l.farewell == window)
        l.farewell = nullptr;
}

// A window leaves the loaded list as soon as it is asked to close, before its own close
// handling runs: a close is never cancelled, and a reference made from that handling, or
// after it, gets a fresh window.
class CloseWatcher : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Close)
            forget(watched);
        return false;
    }
};

void track(QWidget *window) {
    static CloseWatcher watcher;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(&watcher);
    loaded().inOrder.append(window);
}

// The windows the user sees carry the application icon, which the start-up window keeps. The
// farewell window takes it in its own load step.
template <class Window> void giveApplicationIcon(Window *window) {
    if constexpr (!std::is_same_v<Window, FrmStartup> && !std::is_same_v<Window, FrmFarewell>)
        window->setWindowIcon(Forms::frmStartup().applicationIcon());
}

template <class Window> Window &load(QPointer<Window> &slot) {
    if (slot)
        return *slot;
    auto *window = new Window;
    slot = window;
    track(window);
    giveApplicationIcon(window);
    if constexpr (requires { window->Form_Load(); })
        window->Form_Load();
    return *window;
}

} // namespace

FrmStartup &Forms::frmStartup() {
    return load(loaded().startup);
}
FrmMain &Forms::frmMain() {
    return load(loaded().main);
}
FrmDisplay &Forms::frmDisplay() {
    return load(loaded().display);
}
FrmFarewell &Forms::frmFarewell() {
    return load(loaded().farewell);
}

bool Forms::frmMainLoaded() {
    return !loaded().main.isNull();
}
bool Forms::frmDisplayLoaded() {
    return !loaded().display.isNull();
}
bool Forms::frmFarewellLoaded() {
    return !loaded().farewell.isNull();
}

void Forms::showAboutModal(QWidget *owner) {
    auto *about = new FrmAbout(owner);
    track(about);
    giveApplicationIcon(about);
    about->exec();
}

QList<QPointer<QWidget>> Forms::loadedWindows() {
    return loaded().inOrder;
}

bool Forms::isLoaded(const QWidget *window) {
    for (const QPointer<QWidget> &w : loaded().inOrder)
        if (w == window)
            return true;
    return false;
}
