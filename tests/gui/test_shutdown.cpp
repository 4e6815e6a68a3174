#include "testsupport.h"

#include "app/forms.h"
#include "app/shutdown.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"

#include <QMap>
#include <QPushButton>

using namespace TestSupport;

// Counts the close events each window receives.
class CloseCounter : public QObject {
public:
    QMap<QString, int> closes;
    void watch(QWidget *window) { window->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Close)
            ++closes[watched->objectName()];
        return false;
    }
};

class TestShutdown : public QObject {
    Q_OBJECT

    MessageBoxes *boxes = nullptr;

private slots:
    void init() {
        boxes = new MessageBoxes;
        startApplication();
    }
    void cleanup() {
        endApplication();
        delete boxes;
    }

    // Every window loaded when shutdown begins, shown or hidden, is unloaded exactly once,
    // although the farewell and start-up windows' own close handling enters shutdown again.
    void everyLoadedWindowIsUnloadedOnce() {
        FrmMain &main = Forms::frmMain();
        main.ui.txtFirstName->setText(QStringLiteral("ANN"));
        main.cmdNext_Click(); // main and farewell hidden, chooser showing
        CloseCounter counter;
        const QList<QPointer<QWidget>> loaded = Forms::loadedWindows();
        QCOMPARE(loaded.size(), 4);
        for (QWidget *window : loaded)
            counter.watch(window);

        const int ends = processEnds();
        modHelp::ExitApplication();
        QVERIFY(processEnds() > ends);
        for (QWidget *window : loaded)
            QCOMPARE(counter.closes.value(window ? window->objectName() : QString()), 1);
        QCOMPARE(counter.closes.size(), 4);
    }

    // Leaving the farewell window ends the application, by its button or its title bar.
    void leavingTheFarewellWindowEnds_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("title bar") << false;
    }
    void leavingTheFarewellWindowEnds() {
        QFETCH(bool, byButton);
        Forms::frmMain().close();
        FrmFarewell &farewell = Forms::frmFarewell();
        QVERIFY(farewell.isVisible());
        const int ends = processEnds();
        if (byButton)
            QTest::mouseClick(farewell.findChild<QPushButton *>("cmdClose"), Qt::LeftButton);
        else
            farewell.close();
        QVERIFY(processEnds() > ends);
        settle();
        QVERIFY(Forms::loadedWindows().isEmpty());
    }

    // The main window is still loaded, hidden, when the user leaves the farewell window after
    // closing the chooser: its close handling during the end makes no new farewell window and
    // shows none.
    void noWindowAppearsWhileTheApplicationEnds() {
        FrmMain &main = Forms::frmMain();
        main.ui.txtFirstName->setText(QStringLiteral("ANN"));
        main.cmdNext_Click();
        Forms::frmDisplay().close();
        FrmFarewell &farewell = Forms::frmFarewell();
        QVERIFY(farewell.isVisible() && Forms::frmMainLoaded());
        NativeShows shows(QStringLiteral("frmFarewell"));
        const int ends = processEnds();
        farewell.close();
        QVERIFY(processEnds() > ends);
        int farewells = 0;
        for (QWidget *w : QApplication::allWidgets())
            farewells += w->objectName() == QLatin1String("frmFarewell");
        QCOMPARE(farewells, 1);
        QCOMPARE(shows.count, 0);
    }

    // Closing the main window alone never ends the application.
    void closingTheMainWindowKeepsRunning() {
        const int ends = processEnds();
        Forms::frmMain().close();
        settle();
        QCOMPARE(processEnds(), ends);
        QVERIFY(Forms::frmFarewell().isVisible());
    }
};

QUINTAVEL_TEST_MAIN(TestShutdown)
#include "test_shutdown.moc"
