// The fonts made ready on a thread while the program starts: a window built while the thread
// is still at work gets exactly the fonts it would get without it, and the thread ends however
// far the start-up got.

#include "testsupport.h"

#include "app/fontwarmup.h"
#include "app/forms.h"
#include "reading/frmmain.h"
#include "resources/fontstandins.h"

#include <QFontInfo>

using namespace TestSupport;

class TestFontWarmUp : public QObject {
    Q_OBJECT

private slots:
    // The first test runs straight after the application object is made, as the main window is
    // in the program, so the thread is filling the font database as the window asks for fonts.
    void windowBuiltDuringTheWarmUpGetsItsFonts() {
        startApplication();
        QWidget &main = Forms::frmMain();
        main.ensurePolished();
        // Widgets the style sheet gives no font keep the application's, a generic family that
        // fontconfig resolves to another name.
        const QString generic = QApplication::font().family();
        QStringList wrong;
        int checked = 0;
        QList<QWidget *> widgets = main.findChildren<QWidget *>();
        widgets.prepend(&main);
        for (const QWidget *widget : std::as_const(widgets)) {
            const QString asked = widget->font().family();
            if (asked == generic)
                continue;
            ++checked;
            const QString got = QFontInfo(widget->font()).family();
            if (!FontStandIns::installed(asked) || got.compare(asked, Qt::CaseInsensitive) != 0)
                wrong << widget->objectName() + QStringLiteral(": ") + asked +
                             QStringLiteral(" drawn in ") + got;
        }
        endApplication();
        QVERIFY(checked >= 10);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
    }

    // A start-up that never got as far as the application object, or that ends at once, still
    // ends the thread; saying twice that the application is ready, or waiting twice for the
    // configuration, changes nothing.
    void threadEndsAtEveryStage() {
        { FontWarmUp never; }
        {
            FontWarmUp stopped;
            stopped.finish();
            stopped.finish();
            stopped.configurationRead();
        }
        {
            FontWarmUp ready;
            ready.configurationRead();
            ready.applicationReady();
            ready.applicationReady();
            ready.configurationRead();
            ready.finish();
        }
        QVERIFY(!FontStandIns::here().isEmpty() || FontStandIns::installed("Verdana"));
    }
};

int main(int argc, char **argv) {
    TestSupport::prepareEnvironment();
    // As the program does it: the thread starts before the application object exists.
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.applicationReady();
    TestSupport::prepareApplication(app);
    fonts.configurationRead();
    TestFontWarmUp tc;
    const int status = QTest::qExec(&tc, argc, argv);
    fonts.finish();
    return status;
}

#include "test_fontwarmup.moc"
