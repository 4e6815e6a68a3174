// Time of the two steps of a reading, each from the click to the window painted: the hand-over
// (chooser shown and painted) and a thumbnail click (result painted).
//
//   bench_reading [rounds]        prints the medians
#include "app/forms.h"
#include "firstpaint.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/appearance.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char **argv) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", runtime.path().toUtf8());
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    Appearance::apply(app);
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 60;

    {
        PaintWatch first(QStringLiteral("frmMain"));
        Forms::frmStartup();
        first.wait();
    }
    Forms::frmMain().ui.txtFirstName->setText(QStringLiteral("ANN"));

    QList<double> handOver, choice;
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        {
            PaintWatch chooser(QStringLiteral("frmDisplay"));
            timer.start();
            Forms::frmMain().ui.cmdNext->click();
            chooser.wait();
            handOver << timer.nsecsElapsed() / 1e6;
        }
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
    std::printf("platform: %s, %d rounds\n", qPrintable(QGuiApplication::platformName()), rounds);
    std::printf("hand-over, click to chooser painted:   median %6.2f ms\n", median(handOver));
    std::printf("thumbnail click to result painted:     median %6.2f ms\n", median(choice));
    std::fflush(stdout);
    _exit(0);
}
