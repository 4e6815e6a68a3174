#include "app/shutdown.h"

#include "app/forms.h"
#include "app/guarded.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
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
    // The newest windows go first and the start-up window last: close handlers may still
    // need the application icon it keeps.
    QList<QPointer<QWidget>> windows = Forms::loadedWindows();
    std::reverse(windows.begin(), windows.end());
    for (const QPointer<QWidget> &window : windows) {
        guarded([&] {
            if (window && Forms::isLoaded(window))
                window->close();
        });
    }
    processEnd()();
}

} // namespace modHelp
