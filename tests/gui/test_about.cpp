#include "testsupport.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "app/frmstartup.h"
#include "outreach/frmabout.h"
#include "outreach/webpage.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/texts.h"

#include <QTimer>
#include <QWindow>
#include <functional>

using namespace TestSupport;

// The About window: as laid out, modal over the window that opened it, closed by OK, Enter,
// Escape or its title bar, with two links that leave it open.
class TestAbout : public QObject {
    Q_OBJECT

    MessageBoxes *boxes = nullptr;
    BrowserRecorder *browser = nullptr;

    // Opens the About window from the opener's menu and runs body while it is up; closes it
    // afterwards if body did not. Returns whether the window was gone when the menu returned.
    bool whileOpen(QWidget *opener, const std::function<void(FrmAbout &)> &body) {
        bool ran = false;
        // The timer goes with this call, should the window never open.
        QObject thisCall;
        QTimer::singleShot(0, &thisCall, [&] {
            auto *about = qobject_cast<FrmAbout *>(QApplication::activeModalWidget());
            QVERIFY(about);
            // A dialog counts as active with its opener; wait until it holds the focus itself.
            QTRY_COMPARE(QApplication::activeWindow(), about);
            ran = true;
            body(*about);
            if (QApplication::activeModalWidget() == about)
                about->close();
        });
        opener->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        settle();
        return ran && !aboutWindow();
    }
    static QWidget *aboutWindow() {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmAbout"))
                return w;
        return nullptr;
    }

private slots:
    void init() {
        boxes = new MessageBoxes;
        browser = new BrowserRecorder;
        startApplication();
        QVERIFY(QTest::qWaitForWindowActive(&Forms::frmMain()));
    }
    void cleanup() {
        endApplication();
        delete browser;
        delete boxes;
    }

    void laidOutAndModalOverItsOpener() {
        FrmMain &main = Forms::frmMain();
        QVERIFY(whileOpen(&main, [&](FrmAbout &about) {
            QCOMPARE(about.windowTitle(), QString(kVersionCaption));
            QCOMPARE(about.size(), QSize(447, 253));
            QCOMPARE(about.minimumSize(), about.maximumSize());
            QVERIFY(!(about.windowFlags() &
                      (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QCOMPARE(about.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
            QVERIFY(about.isModal());
            QCOMPARE(about.windowHandle()->transientParent(), main.windowHandle());
            QVERIFY(!about.windowIcon().isNull());
            QCOMPARE(about.ui.Picture1->geometry(), QRect(8, 8, 32, 32));
            QCOMPARE(about.ui.Picture1->pixmap().toImage(),
                     Forms::frmStartup().IMGIcon().picture(1).toImage());
            QCOMPARE(about.ui.cmdOK->geometry(), QRect(360, 224, 84, 23));
            QCOMPARE(about.ui.Line1->geometry(), QRect(-4, 215, 460, 2));
            QCOMPARE(about.ui.Label1->geometry(), QRect(24, 64, 425, 45));
            QCOMPARE(about.ui.Label3->geometry(), QRect(24, 152, 417, 41));
            QCOMPARE(about.ui.lblHomePage->pos(), QPoint(132, 120));
            QCOMPARE(about.ui.lblCobrand->pos(), QPoint(264, 192));
            QCOMPARE(about.ui.Label2->pos(), QPoint(56, 16));
            QCOMPARE(about.ui.Label1->text(), Texts::get(QStringLiteral("about-description")));
            QVERIFY(about.ui.cmdOK->isDefault());
            QCOMPARE(QApplication::focusWidget(), about.ui.cmdOK);
            const QImage shot = about.grab().toImage();
            QCOMPARE(shot.pixelColor(200, 5), QColor(64, 0, 0));
            // The rule across the window is drawn in the desktop's button colour.
            QCOMPARE(shot.pixelColor(200, 215), QApplication::palette().button().color());
            QCOMPARE(clippedCaptions(&about), QStringList());
        }));
        QVERIFY(main.isVisible());
    }

    // OK, Enter, Escape and the title bar each close the window; it is destroyed.
    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "ok";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("title bar") << "close";
    }
    void closing() {
        QFETCH(QString, how);
        bool closedByIt = false;
        QVERIFY(whileOpen(&Forms::frmMain(), [&](FrmAbout &about) {
            if (how == "ok")
                QTest::mouseClick(about.ui.cmdOK, Qt::LeftButton);
            else if (how == "enter")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else if (how == "escape")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else
                about.close();
            closedByIt = !about.isVisible();
        }));
        QVERIFY(closedByIt);
    }

    // Both links open their page and leave the window open and modal, from either opener.
    void links_data() {
        QTest::addColumn<bool>("fromChooser");
        QTest::newRow("main window") << false;
        QTest::newRow("chooser") << true;
    }
    void links() {
        QFETCH(bool, fromChooser);
        QWidget *opener = &Forms::frmMain();
        if (fromChooser) {
            Forms::frmMain().ui.txtFirstName->setText(QStringLiteral("ANN"));
            Forms::frmMain().cmdNext_Click();
            opener = &Forms::frmDisplay();
        }
        QVERIFY(whileOpen(opener, [&](FrmAbout &about) {
            QCOMPARE(about.windowHandle()->transientParent(), opener->windowHandle());
            for (ClickLabel *link :
                 {about.ui.lblHomePage, about.ui.lblCobrand, about.ui.lblHomePage}) {
                QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
                QVERIFY(about.isVisible());
                QCOMPARE(QApplication::activeModalWidget(), &about);
            }
        }));
        const QString home = modHelp::PageAddress(QStringLiteral("home-page"));
        QCOMPARE(browser->addresses,
                 (QStringList{home, modHelp::PageAddress(QStringLiteral("fully-branded")), home}));
    }

    // A second opening is a fresh window that looks exactly like the first.
    void secondOpeningLooksTheSame() {
        QImage first, second;
        QVERIFY(whileOpen(&Forms::frmMain(), [&](FrmAbout &about) {
            first = about.grab().toImage();
            QTest::mouseClick(about.ui.lblHomePage, Qt::LeftButton, {}, QPoint(3, 3));
        }));
        QVERIFY(whileOpen(&Forms::frmMain(),
                          [&](FrmAbout &about) { second = about.grab().toImage(); }));
        QVERIFY(!first.isNull());
        QCOMPARE(second, first);
    }
};

QUINTAVEL_TEST_MAIN(TestAbout)
#include "test_about.moc"
