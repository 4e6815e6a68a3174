#include "testsupport.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "app/frmstartup.h"
#include "app/settingsstore.h"
#include "platform/platform.h"
#include "reading/frmmain.h"

#include <QScreen>

using namespace TestSupport;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { endApplication(); }

    void startsOnTheMainWindow() {
        MessageBoxes boxes;
        startApplication();
        FrmStartup &startup = Forms::frmStartup();
        QVERIFY(!startup.isVisible());
        QCOMPARE(startup.windowTitle(), QString(kVersionCaption));
        QVERIFY(!startup.windowIcon().isNull());
        QCOMPARE(startup.IMGIcon().count(), 1);

        FrmMain &main = Forms::frmMain();
        QVERIFY(main.isVisible());
        QVERIFY(boxes.shown().isEmpty());
        // Centred on the screen.
        const QPoint screenCentre = main.screen()->availableGeometry().center();
        QVERIFY((main.geometry().center() - screenCentre).manhattanLength() <= 2);
        // The offer labels were arranged by one draw.
        QVERIFY(startup.intCoBrandRandomNumber >= 1 && startup.intCoBrandRandomNumber <= 7);
        // Only the main window shows; nothing else was built ahead of need.
        QCOMPARE(Forms::loadedWindows().size(), 2);
    }

    // A second copy shows its message before any window of its own, then ends, having built
    // no main window and touched no setting.
    void secondCopyIsRefused() {
        Platform::SingleInstance runningCopy;
        QVERIFY(runningCopy.acquire());
        const QByteArray settingsBefore = keptSettings(SettingsStore::thisApplication());
        const int ends = processEnds();
        {
            MessageBoxes boxes;
            Forms::frmStartup();
            QCOMPARE(boxes.texts(), QStringList{"Application is already running"});
            QCOMPARE(boxes.shown()[0].icon, QMessageBox::Information);
            QCOMPARE(boxes.shown()[0].title, QStringLiteral("Quintavel"));
            QCOMPARE(boxes.shown()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QVERIFY(processEnds() > ends);
        QVERIFY(!Forms::frmMainLoaded());
        settle();
        QVERIFY(Forms::loadedWindows().isEmpty());
        QCOMPARE(keptSettings(SettingsStore::thisApplication()), settingsBefore);
        runningCopy.release();
    }
};

QUINTAVEL_TEST_MAIN(TestStartup)
#include "test_startup.moc"
