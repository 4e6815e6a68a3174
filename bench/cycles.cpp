// Hand-over and Back, again and again: the windows live at once and the resident memory, after
// the first cycles and after all of them. Neither may grow.
//
//   bench_cycles [cycles]         500 by default
#include "app/forms.h"
#include "benchsupport.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/appearance.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace {

double residentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void cycle() {
    Forms::frmMain().ui.cmdNext->click();
    settle();
    Forms::frmDisplay().picSmallFruit_Click(8);
    Forms::frmDisplay().ui.cmdBack->click();
    settle();
}

} // namespace

int main(int argc, char **argv) {
    PrivateDirectories dirs;
    QApplication app(argc, argv);
    prepareApplication(app);
    const int cycles = argc > 1 ? std::max(40, atoi(argv[1])) : 500;
    const int warmUp = 20;

    Forms::frmStartup();
    settle();
    Forms::frmMain().ui.txtFirstName->setText(QStringLiteral("ANN"));
    for (int i = 0; i < warmUp; ++i)
        cycle();
    const qsizetype windowsAfterWarmUp = QApplication::topLevelWidgets().size();
    const qsizetype widgetsAfterWarmUp = QApplication::allWidgets().size();
    const double memoryAfterWarmUp = residentMiB();
    for (int i = warmUp; i < cycles; ++i)
        cycle();

    std::printf("platform: %s, %d hand-over and Back cycles\n",
                qPrintable(QGuiApplication::platformName()), cycles);
    std::printf("after %3d cycles: %2lld windows, %4lld widgets, resident %6.1f MiB\n", warmUp,
                static_cast<long long>(windowsAfterWarmUp),
                static_cast<long long>(widgetsAfterWarmUp), memoryAfterWarmUp);
    std::printf("after %3d cycles: %2lld windows, %4lld widgets, resident %6.1f MiB (%+.2f MiB)\n",
                cycles, static_cast<long long>(QApplication::topLevelWidgets().size()),
                static_cast<long long>(QApplication::allWidgets().size()), residentMiB(),
                residentMiB() - memoryAfterWarmUp);
    std::fflush(stdout);
    _exit(0);
}
