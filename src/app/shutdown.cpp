#include "app/shutdown.h"

#include "app/forms.h"
#include "app/guarded.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace modHelp {

static std::function<void()> &processEnd() {
    static std::function<void()> end = [] {
        std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
        // The process ends without running its exit handlers, and LeakSanitizer's is one of
        // them: a build with the sanitizers looks for leaks first, and a leak ends the process
        // with its report and a failure status.
        __lsan_do_leak_check();
#endif
        std::_Exit(0);
    };
    return end;
}

void setProcessEnd(std::function<void()> end) {
    processEnd() = std::move(end);
}

static int g_ending = 0;

bool ApplicationEnding() {
    return g_ending > 0;
}

void ExitApplication() {
    // The process ends inside this call; where its end is replaced, the flag comes down again
    // on the way out.
    struct Ending {
        Ending() { ++g_ending; }
        ~Ending() { --g_ending; }
    } ending;

    // A window that is closing has already left the loaded list, so a nested call from its
    // close handling visits only the windows still loaded and no window is unloaded twice.
    // The newest windows go first and the start-up window last: close handlers may still
    // need the application icon it keeps. The main and chooser windows show no farewell
    // window while the application ends, so no window is made or shown on the way.
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
