// Time of the steps of a reading, each from the click to the window painted: the first
// hand-over of a process (which also creates the farewell window, hidden), a later hand-over,
// and a thumbnail click (result painted).
//
//   bench_reading [rounds]        prints the medians
#include "app/forms.h"
#include "benchsupport.h"
#include "firstpaint.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/appearance.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace {

double timeHandOver() {
    PaintWatch chooser(QStringLiteral("frmDisplay"));
    QElapsedTimer timer;
    timer.start();
    Forms::frmMain().ui.cmdNext->click();
    chooser.wait();
    return timer.nsecsElapsed() / 1e6;
}

void startApplication() {
    PaintWatch first(QStringLiteral("frmMain"));
    Forms::frmStartup();
    first.wait();
    Forms::frmMain().ui.txtFirstName->setText(QStringLiteral("ANN"));
}

// One fresh process: its first hand-over only.
int firstHandOverChild(int argc, char **argv) {
    QApplication app(argc, argv);
    prepareApplication(app);
    startApplication();
    std::printf("%.3f\n", timeHandOver());
    std::fflush(stdout);
    _exit(0);
}

double firstHandOverInFreshProcess(const QString &self) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(self, {QStringLiteral("--first")});
    process.waitForFinished(20000);
    return process.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

int main(int argc, char **argv) {
    if (argc >= 2 && QByteArray(argv[1]) == "--first")
        return firstHandOverChild(argc, argv);

    PrivateDirectories dirs;
    QApplication app(argc, argv);
    prepareApplication(app);
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 60;

    QList<double> first;
    for (int i = 0; i < std::max(5, rounds / 4); ++i)
        first << firstHandOverInFreshProcess(QCoreApplication::applicationFilePath());

    startApplication();
    timeHandOver(); // the first one, measured above in fresh processes
    Forms::frmDisplay().cmdBack_Click();
    QList<double> handOver, choice;
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        handOver << timeHandOver();
        FrmDisplay &display = Forms::frmDisplay();
        {
            PaintWatch result(QStringLiteral("fraResult"));
            timer.start();
            display.picSmallFruit_Click(round % 12);
            result.wait();
            choice << timer.nsecsElapsed() / 1e6;
        }
        display.cmdBack_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    std::printf("platform: %s, %d rounds, %d fresh processes\n",
                qPrintable(QGuiApplication::platformName()), rounds, int(first.size()));
    std::printf("first hand-over, click to chooser painted:  median %6.2f ms\n", median(first));
    std::printf("later hand-over, click to chooser painted:  median %6.2f ms\n", median(handOver));
    std::printf("thumbnail click to result painted:          median %6.2f ms\n", median(choice));
    std::fflush(stdout);
    _exit(0);
}
