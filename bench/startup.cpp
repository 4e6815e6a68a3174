// Time from process start to the first painted window: Quintavel's main window against a bare
// Qt window of the same size. Each run is a fresh process with its own runtime directory.
//
//   bench_startup [runs]          prints the medians
#include "app/forms.h"
#include "firstpaint.h"
#include "resources/appearance.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

static int child(int argc, char **argv, bool app) {
    QApplication qapp(argc, argv);
    if (app) {
        qapp.setQuitOnLastWindowClosed(false);
        Appearance::apply(qapp);
        PaintWatch watch(QStringLiteral("frmMain"));
        Forms::frmStartup();
        watch.wait();
    } else {
        PaintWatch watch(QStringLiteral("bare"));
        auto *bare = new QMainWindow;
        bare->setObjectName(QStringLiteral("bare"));
        bare->menuBar()->addMenu(QStringLiteral("&File"));
        bare->setCentralWidget(new QWidget);
        bare->centralWidget()->setFixedSize(496, 241);
        bare->show();
        watch.wait();
    }
    std::puts("painted");
    std::fflush(stdout);
    _exit(0);
}

static double runOnce(const QString &self, const QString &mode) {
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.path());
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(self, {QStringLiteral("--child"), mode});
    process.waitForReadyRead(10000);
    const double ms = timer.nsecsElapsed() / 1e6;
    process.waitForFinished(10000);
    return ms;
}

int main(int argc, char **argv) {
    if (argc >= 3 && QByteArray(argv[1]) == "--child")
        return child(argc, argv, QByteArray(argv[2]) == "app");
    QCoreApplication core(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    const QString self = QCoreApplication::applicationFilePath();
    QList<double> app, bare;
    runOnce(self, QStringLiteral("bare")); // warm the file cache
    for (int i = 0; i < runs; ++i) {
        bare << runOnce(self, QStringLiteral("bare"));
        app << runOnce(self, QStringLiteral("app"));
    }
    std::printf("platform: %s, %d runs each\n",
                qEnvironmentVariableIsSet("DISPLAY") ? "X11" : "offscreen", runs);
    std::printf("bare Qt window, start to first paint:   median %6.1f ms\n", median(bare));
    std::printf("Quintavel main window, start to paint:  median %6.1f ms\n", median(app));
    std::printf("difference:                             median %+6.1f ms\n",
                median(app) - median(bare));
    return 0;
}
