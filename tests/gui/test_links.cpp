#include "testsupport.h"

#include "app/forms.h"
#include "outreach/webpage.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/clicklabel.h"

using namespace TestSupport;

// Every menu item and link label of the main and chooser windows opens exactly its page,
// once per click, and the window carries on.
class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void init() { startApplication(); }
    void cleanup() { endApplication(); }

    void opensItsPage_data() {
        QTest::addColumn<bool>("chooser");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        for (bool chooser : {false, true}) {
            const char *window = chooser ? "chooser" : "main";
            const auto row = [&](const char *name, const char *key) {
                QTest::addRow("%s %s", window, name) << chooser << name << key;
            };
            row("Label61", "home-page");
            row("lblCobrand", "co-brand");
            row("lblFullBrand", "fully-branded");
            row("mnuOnline", "help-web-page");
            row("mnuVisit", "home-page");
            row("mnuUpdate", "download-web-page");
            row("mnuDonate", "donate");
            row("mnumakemoney", "fully-branded");
            if (!chooser)
                row("Label2", "fully-branded");
        }
    }
    void opensItsPage() {
        QFETCH(bool, chooser);
        QFETCH(QString, name);
        QFETCH(QString, key);
        FrmMain &main = Forms::frmMain();
        main.ui.txtFirstName->setText(QStringLiteral("ANN"));
        QWidget *window = &main;
        if (chooser) {
            main.cmdNext_Click();
            window = &Forms::frmDisplay();
        }
        BrowserRecorder browser;
        for (int click = 0; click < 2; ++click) {
            if (auto *action = window->findChild<QAction *>(name)) {
                action->trigger();
            } else {
                auto *label = window->findChild<ClickLabel *>(name);
                QVERIFY(label);
                label->raise(); // the two offers share a place; the one in front is clicked
                QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
            }
        }
        const QString page = modHelp::SiteBaseAddress + "/quintavel/ssd.php?page=" + key;
        QCOMPARE(browser.addresses, (QStringList{page, page}));
        QVERIFY(window->isVisible());
        // Nothing the user typed goes into a page address.
        QVERIFY(!browser.addresses[0].contains(QStringLiteral("ANN")));
    }
};

QUINTAVEL_TEST_MAIN(TestLinks)
#include "test_links.moc"
