#include "testsupport.h"

#include "app/forms.h"
#include "outreach/frmfarewell.h"
#include "outreach/webpage.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/clicklabel.h"

#include <QAbstractButton>

using namespace TestSupport;

// Every menu item and link label of the main and chooser windows opens exactly its page,
// once per click, and the window carries on.
class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void init() { startApplication(); }
    void cleanup() { endApplication(); }

    void opensItsPage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        for (const char *window : {"main", "chooser"}) {
            const auto row = [&](const char *name, const char *key) {
                QTest::addRow("%s %s", window, name) << window << name << key;
            };
            row("Label61", "home-page");
            row("lblCobrand", "co-brand");
            row("lblFullBrand", "fully-branded");
            row("mnuOnline", "help-web-page");
            row("mnuVisit", "home-page");
            row("mnuUpdate", "download-web-page");
            row("mnuDonate", "donate");
            row("mnumakemoney", "fully-branded");
        }
        QTest::newRow("main Label2") << "main"
                                     << "Label2"
                                     << "fully-branded";
        QTest::newRow("farewell lblGoToHome") << "farewell"
                                              << "lblGoToHome"
                                              << "vellumsoftwares";
        QTest::newRow("farewell Check1") << "farewell"
                                         << "Check1"
                                         << "home-page";
    }
    void opensItsPage() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, key);
        FrmMain &main = Forms::frmMain();
        main.ui.txtFirstName->setText(QStringLiteral("ANN"));
        QWidget *shown = &main;
        if (window == "chooser") {
            main.cmdNext_Click();
            shown = &Forms::frmDisplay();
        } else if (window == "farewell") {
            main.close();
            shown = &Forms::frmFarewell();
        }
        BrowserRecorder browser;
        for (int click = 0; click < 2; ++click) {
            if (auto *action = shown->findChild<QAction *>(name)) {
                action->trigger();
            } else if (auto *button = shown->findChild<QAbstractButton *>(name)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else {
                auto *label = shown->findChild<ClickLabel *>(name);
                QVERIFY(label);
                label->raise(); // the two offers share a place; the one in front is clicked
                QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
            }
        }
        const QString page = modHelp::SiteBaseAddress + "/quintavel/ssd.php?page=" + key;
        QCOMPARE(browser.addresses, (QStringList{page, page}));
        QVERIFY(shown->isVisible());
        // Nothing the user typed goes into a page address.
        QVERIFY(!browser.addresses[0].contains(QStringLiteral("ANN")));
    }
};

QUINTAVEL_TEST_MAIN(TestLinks)
#include "test_links.moc"
