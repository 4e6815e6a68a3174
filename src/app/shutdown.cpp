#include "shutdown.h"

#include "forms.h"
#include "guarded.h"

#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace modHelp {

static std::function<void()> &processEnd() {
    static std::function<void()> end = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    return end;
}

void setProcessEnd(std::function<void()> end) {
    processEnd() = std::move(end);
}

void ExitApplication() {
    // A window that is closing has already left the loaded list, so a nested call from its
    // close handling visits only the windows still loaded and no window is unloaded twice.
    const QList<QPointer<QWidget>> windows = Forms::loadedWindows();
    for (const QPointer<QWidget> &window : windows) {
        guarded([&] {
            if (window && Forms::isLoaded(window))
                window->close();
        });
    }
    processEnd()();
}

} // namespace modHelp
