#include "testsupport.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "app/frmstartup.h"
#include "app/random.h"
#include "outreach/frmfarewell.h"
#include "outreach/tellafriend.h"
#include "outreach/webpage.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/texts.h"

#include <QAccessible>

using namespace TestSupport;

namespace {} // namespace

// The farewell window: its layout, its load step, the hint boxes and the refer-a-friend form.
class TestFarewell : public QObject {
    Q_OBJECT

    MessageBoxes *boxes = nullptr;
    BrowserRecorder *browser = nullptr;
    FrmFarewell *farewell = nullptr;

    // The user closes the main window, as the farewell window usually comes.
    FrmFarewell &closeMainWindow() {
        Forms::frmMain().close();
        settle();
        return Forms::frmFarewell();
    }
    void activate() {
        farewell->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(farewell));
    }
    // Tabs from box to box as a user would, so the boxes see the focus come and go.
    void tabTo(QWidget *box) {
        for (int i = 0; i < 10 && QApplication::focusWidget() != box; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box);
    }
    QList<QWidget *> hintBoxes() const {
        return {farewell->ui.txtName, farewell->ui.txtEmail, farewell->ui.txtMessage,
                farewell->ui.txtFriendName, farewell->ui.txtFriendEmail};
    }

private slots:
    void init() {
        boxes = new MessageBoxes;
        browser = new BrowserRecorder;
        startApplication();
        farewell = &closeMainWindow();
    }
    void cleanup() {
        Random::setSource({});
        endApplication();
        delete browser;
        delete boxes;
    }

    void loadsAsLaidOut() {
        QVERIFY(farewell->isVisible());
        QCOMPARE(farewell->windowTitle(), QString(kVersionCaption));
        QCOMPARE(farewell->ui.lblFarewellCaption->text(), QString(kVersionCaption));
        QCOMPARE(farewell->size(), QSize(741, 315));
        QCOMPARE(farewell->minimumSize(), farewell->maximumSize());
        QVERIFY(!(farewell->windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QImage icon = Forms::frmStartup().IMGIcon().picture(1).toImage();
        QCOMPARE(farewell->ui.picFarewellIcon->pixmap().toImage(), icon);
        QCOMPARE(farewell->windowIcon().pixmap(32, 32).toImage().convertToFormat(icon.format()),
                 icon);
        QCOMPARE(farewell->ui.picFarewellIcon->size(), QSize(36, 36));
        QCOMPARE(farewell->ui.Label3->text(), Texts::get(QStringLiteral("farewell-programs")));
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()
                                             : farewell->focusWidget(),
                 farewell->ui.cmdClose);
        // The message box lies below the bottom of its frame: it takes the focus but is never seen.
        QVERIFY(farewell->ui.txtMessage->geometry().top() >= farewell->ui.Frame2->height());
        QVERIFY(farewell->ui.txtMessage->visibleRegion().isEmpty());
        QCOMPARE(farewell->boxText(farewell->ui.txtMessage), QStringLiteral("Your Message\r\n"));
        // The big button pops back up after each press: screen readers are told it is a button.
        QCOMPARE(QAccessible::queryAccessibleInterface(farewell->ui.Check1)->role(),
                 QAccessible::Button);

        // The colours of the layout, as drawn.
        const QImage shot = farewell->grab().toImage();
        QCOMPARE(shot.pixelColor(300, 190), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(600, 200), QColor(0, 0, 128));
        QCOMPARE(shot.pixelColor(20, 300), QColor(0, 0, 128));
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char *name, const char *parent, QRect twips) {
            QTest::newRow(name) << name << parent << twips;
        };
        row("Frame6", "frmFarewell", {7320, 120, 3735, 4575});
        row("Label3", "Frame6", {120, 360, 3495, 3855});
        row("Frame2", "frmFarewell", {120, 3240, 7065, 1455});
        row("txtMessage", "Frame2", {4800, 3600, 1815, 495});
        row("txtFriendName", "Frame2", {85, 720, 3375, 285});
        row("txtFriendEmail", "Frame2", {3600, 720, 3375, 285});
        row("txtEmail", "Frame2", {3600, 360, 3375, 285});
        row("cmdSubmit", "Frame2", {1920, 1080, 3375, 285});
        row("txtName", "Frame2", {85, 360, 3375, 285});
        row("cmdClose", "frmFarewell", {6000, 2760, 1245, 375});
        row("Check1", "frmFarewell", {30, 2040, 7185, 555});
        row("picFarewellIcon", "frmFarewell", {360, 120, 540, 540});
        row("Label2", "frmFarewell", {120, 840, 6975, 1095});
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        auto *widget = farewell->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), pixelsOf(twips));
    }

    // The labels that size themselves start where the layout puts them.
    void selfSizingLabels() {
        QCOMPARE(farewell->ui.lblGoToHome->pos(), pixelsOf({75, 4250, 0, 0}).topLeft());
        QCOMPARE(farewell->ui.lblFarewellCaption->pos(), pixelsOf({1080, 240, 0, 0}).topLeft());
    }

    // Within a container the widget listed first lies in front.
    void stackingOrder_data() {
        QTest::addColumn<QStringList>("frontToBack");
        QTest::newRow("window") << QStringList{
            "Frame6",          "Frame2", "cmdClose",          "Check1",
            "picFarewellIcon", "Label2", "lblFarewellCaption"};
        QTest::newRow("Frame6") << QStringList{"lblGoToHome", "Label3"};
        QTest::newRow("Frame2") << QStringList{"txtMessage", "txtFriendName", "txtFriendEmail",
                                               "txtEmail",   "cmdSubmit",     "txtName"};
    }
    void stackingOrder() {
        QFETCH(QStringList, frontToBack);
        QWidget *parent = farewell->findChild<QWidget *>(frontToBack.first())->parentWidget();
        QCOMPARE(TestSupport::frontToBack(parent, frontToBack), frontToBack);
    }

    // The form is visited in the order of the layout, which is not its reading order, and
    // the unseen message box is one of the stops.
    void tabOrder() {
        activate();
        QCOMPARE(QApplication::focusWidget(), farewell->ui.cmdClose);
        const QList<QWidget *> order = {farewell->ui.Check1,         farewell->ui.txtName,
                                        farewell->ui.cmdSubmit,      farewell->ui.txtEmail,
                                        farewell->ui.txtFriendEmail, farewell->ui.txtFriendName,
                                        farewell->ui.txtMessage,     farewell->ui.cmdClose};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QVERIFY(boxes->shown().isEmpty());
    }

    // Every caption is whole on screen: nothing reaches past its container or runs out of
    // its label.
    void captionsFit() {
        QCOMPARE(clippedCaptions(farewell), QStringList());
        // The run of spaces in the list of programs starts its second paragraph on a line of
        // its own.
        const QLabel *programs = farewell->ui.Label3;
        const QString text = programs->text();
        const qsizetype second = text.indexOf(QStringLiteral("People all over"));
        QVERIFY(second > 0);
        QCOMPARE(text.mid(second - 61, 61), QString(61, QLatin1Char(' ')));
        QFontMetrics metrics(programs->font());
        const QRect first = metrics.boundingRect(QRect(0, 0, programs->width(), 10000),
                                                 Qt::TextWordWrap, text.left(second));
        const QRect whole = metrics.boundingRect(QRect(0, 0, programs->width(), 10000),
                                                 Qt::TextWordWrap, text.left(second + 6));
        QCOMPARE(whole.height(), first.height() + metrics.lineSpacing());
    }

    // The message is drawn once per window: message n for a draw r, n the integer part of 4r.
    void supportMessage_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("n");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("just below 1/4") << 0.2499999 << 0;
        QTest::newRow("1/4") << 0.25 << 1;
        QTest::newRow("1/2") << 0.5 << 2;
        QTest::newRow("3/4") << 0.75 << 3;
        QTest::newRow("just below 1") << 1.0 - 1e-12 << 3;
    }
    void supportMessage() {
        QFETCH(double, r);
        QFETCH(int, n);
        endApplication();
        int draws = 0;
        Random::setSource([&] {
            ++draws;
            return r;
        });
        startApplication();
        draws = 0;
        FrmFarewell &fresh = closeMainWindow();
        QCOMPARE(draws, 1);
        QCOMPARE(fresh.ui.Label2->text(), Texts::get(QStringLiteral("support-%1").arg(n)));
        fresh.hide();
        fresh.show();
        QCOMPARE(draws, 1);
        QCOMPARE(fresh.ui.Label2->text(), Texts::get(QStringLiteral("support-%1").arg(n)));
    }

    // A box that shows its hint is emptied on entry; one left empty, or with spaces only, gets
    // its hint back; other text stays as it is, spaces and all.
    void hintRule_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("hint");
        QTest::newRow("txtName") << 0 << "Your Name";
        QTest::newRow("txtEmail") << 1 << "Your Email Address";
        QTest::newRow("txtMessage") << 2 << "Your Message";
        QTest::newRow("txtFriendName") << 3 << "Friend's Name";
        QTest::newRow("txtFriendEmail") << 4 << "Friend's Email Address";
    }
    void hintRule() {
        QFETCH(int, box);
        QFETCH(QString, hint);
        activate();
        QWidget *target = hintBoxes()[box];
        QWidget *elsewhere = farewell->ui.cmdClose;

        farewell->setBoxText(target, hint);
        tabTo(target);
        QCOMPARE(farewell->boxText(target), QString());
        // The box's own context menu takes the focus while it is open: that is no leaving.
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                  target->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(target, &menuKey);
        QWidget *menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QCOMPARE(farewell->boxText(target), QString());
        menu->close();
        QCOMPARE(farewell->boxText(target), QString());
        elsewhere->setFocus(Qt::TabFocusReason);
        QCOMPARE(farewell->boxText(target), hint);

        farewell->setBoxText(target, QStringLiteral("  ") + hint + QStringLiteral(" "));
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(farewell->boxText(target), QString());

        farewell->setBoxText(target, QStringLiteral("   "));
        elsewhere->setFocus(Qt::TabFocusReason);
        QCOMPARE(farewell->boxText(target), hint);

        const QString lower = hint.toLower();
        farewell->setBoxText(target, lower);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(farewell->boxText(target), lower);
        farewell->setBoxText(target, QStringLiteral(" kept "));
        elsewhere->setFocus(Qt::TabFocusReason);
        QCOMPARE(farewell->boxText(target), QStringLiteral(" kept "));
        QVERIFY(boxes->shown().isEmpty());
    }

    // The message box starts with its hint and a line break, which is not the hint: entering it
    // leaves the text, and the form accepts it as a message.
    void untouchedMessageStays() {
        activate();
        tabTo(farewell->ui.txtMessage);
        QCOMPARE(farewell->boxText(farewell->ui.txtMessage), QStringLiteral("Your Message\r\n"));
    }

    void noSpaceInAnEmailAddress_data() {
        QTest::addColumn<bool>("friends");
        QTest::newRow("txtEmail") << false;
        QTest::newRow("txtFriendEmail") << true;
    }
    void noSpaceInAnEmailAddress() {
        QFETCH(bool, friends);
        activate();
        QLineEdit *box = friends ? farewell->ui.txtFriendEmail : farewell->ui.txtEmail;
        tabTo(box);
        QTest::keyClicks(box, "a b ");
        QTest::keyClick(box, Qt::Key_Space, Qt::ShiftModifier);
        QTest::keyClicks(box, "c");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("ab"));
        QCOMPARE(boxes->texts(),
                 QStringList(3, QStringLiteral("Email Address Cannot Contain Space")));
        for (const ShownBox &shown : boxes->shown())
            QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(QApplication::focusWidget(), box);
        // The name boxes take spaces.
        boxes->clear();
        tabTo(farewell->ui.txtFriendName);
        QTest::keyClicks(farewell->ui.txtFriendName, "Bo b");
        QCOMPARE(farewell->ui.txtFriendName->text(), QStringLiteral("Bo b"));
        QVERIFY(boxes->shown().isEmpty());
    }

    // The checks of a submit, in their order; the first that fails shows its message and
    // nothing is sent.
    void submit_data() {
        QTest::addColumn<QStringList>("typed"); // name, e-mail, message, friend, friend's e-mail
        QTest::addColumn<QString>("message");
        const QString distinct = "Please Enter Distinct Email Addresses";
        const QString proper = "Please Enter Proper Email Address";
        const QString untouched = "Your Message\r\n";
        QTest::newRow("both e-mail boxes empty") << QStringList{"", "", "", "", ""} << distinct;
        QTest::newRow("both e-mail boxes on their hints")
            << QStringList{"Your Name", "Your Email Address", untouched, "Friend's Name",
                           "Friend's Email Address"}
            << proper;
        QTest::newRow("the same address twice")
            << QStringList{"Ann", " ann@a.example", "Hi", "Bob", "ann@a.example "} << distinct;
        QTest::newRow("addresses differing only in case pass")
            << QStringList{"Ann", "ann@a.example", "Hi", "Bob", "ANN@A.EXAMPLE"} << "";
        QTest::newRow("@ without a dot")
            << QStringList{"Ann", "ann@example", "Hi", "Bob", "bob@b.example"} << proper;
        QTest::newRow("a dot without @")
            << QStringList{"Ann", "ann@a.example", "Hi", "Bob", "bob.example"} << proper;
        QTest::newRow("dot before @ passes")
            << QStringList{"Ann", "a.nn@example", "Hi", "Bob", "b.ob@x"} << "";
        QTest::newRow("name still on its hint")
            << QStringList{"Your Name", "ann@a.example", "Hi", "Bob", "bob@b.example"}
            << "Please Enter Your Name";
        QTest::newRow("message empty")
            << QStringList{"Ann", "ann@a.example", "", "Bob", "bob@b.example"}
            << "Please Enter Your Message";
        QTest::newRow("friend's name missing")
            << QStringList{"Ann", "ann@a.example", "Hi", "  ", "bob@b.example"}
            << "Please Enter Your Friend's Name";
        QTest::newRow("untouched message accepted")
            << QStringList{"  Ann Lee ", "ann@a.example", untouched, "Bob", "bob@b.example"} << "";
    }
    void submit() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        const QList<QWidget *> order = hintBoxes();
        for (int i = 0; i < 5; ++i)
            farewell->setBoxText(order[i], typed[i]);
        QTest::mouseClick(farewell->ui.cmdSubmit, Qt::LeftButton);

        // Every value is kept, trimmed of spaces, before any check.
        const modTellAFriend::ReferralRequest &kept = modTellAFriend::referralRequest();
        const QStringList keptValues = {kept.SenderName, kept.SenderEmail, kept.MessageText,
                                        kept.FriendName, kept.FriendEmail};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(keptValues[i], modTellAFriend::trimSpaces(typed[i]));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(farewell->boxText(order[i]), typed[i]);

        if (!message.isEmpty()) {
            QCOMPARE(boxes->texts(), QStringList{message});
            QCOMPARE(boxes->shown()[0].icon, QMessageBox::Critical);
            QCOMPARE(boxes->shown()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY(browser->addresses.isEmpty());
            return;
        }
        QVERIFY(boxes->shown().isEmpty());
        QCOMPARE(browser->addresses, QStringList{kept.RequestAddress});
        QVERIFY(kept.RequestAddress.contains(
            "&taf1=" + QUrl::toPercentEncoding(modTellAFriend::trimSpaces(typed[0])) + "&taf2="));
        // The window stays as it was, and a second press sends again.
        QVERIFY(farewell->isVisible());
        QTest::mouseClick(farewell->ui.cmdSubmit, Qt::LeftButton);
        QCOMPARE(browser->addresses, QStringList(2, kept.RequestAddress));
    }

    // A message typed on two lines goes out with its line break as a carriage return and a
    // line feed, as a web form sends it.
    void messageOnTwoLines() {
        activate();
        farewell->ui.txtMessage->clear();
        tabTo(farewell->ui.txtMessage);
        QTest::keyClicks(farewell->ui.txtMessage, "Hello");
        QTest::keyClick(farewell->ui.txtMessage, Qt::Key_Return);
        QTest::keyClicks(farewell->ui.txtMessage, "World");
        QCOMPARE(farewell->boxText(farewell->ui.txtMessage), QStringLiteral("Hello\r\nWorld"));
    }

    // The big button opens the forum once per press and pops back up.
    void check1() {
        activate();
        QTest::mouseClick(farewell->ui.Check1, Qt::LeftButton);
        QVERIFY(!farewell->ui.Check1->isChecked());
        farewell->ui.Check1->setFocus();
        QTest::keyClick(farewell->ui.Check1, Qt::Key_Space);
        QVERIFY(!farewell->ui.Check1->isChecked());
        const QString home = modHelp::PageAddress(QStringLiteral("home-page"));
        QCOMPARE(browser->addresses, QStringList(2, home));
        QVERIFY(farewell->isVisible());
    }

    // A hand-over creates the farewell window hidden and Back shows and hides it again: the
    // window never reaches the screen in either. Closing the chooser then really shows it.
    void neverBlinks() {
        endApplication();
        startApplication();
        NativeShows shows(QStringLiteral("frmFarewell"));
        FrmMain &main = Forms::frmMain();
        main.ui.txtFirstName->setText(QStringLiteral("ANN"));
        QVERIFY(!Forms::frmFarewellLoaded());
        main.cmdNext_Click();
        QVERIFY(Forms::frmFarewellLoaded());
        FrmFarewell &created = Forms::frmFarewell();
        QVERIFY(!created.isVisible());
        QCOMPARE(created.windowTitle(), QString(kVersionCaption));

        Forms::frmDisplay().cmdBack_Click();
        settle();
        QVERIFY(!Forms::frmFarewell().isVisible());
        QVERIFY(main.isVisible());
        main.cmdNext_Click();
        QCOMPARE(shows.count, 0);

        Forms::frmDisplay().close();
        QVERIFY(Forms::frmFarewell().isVisible());
        QCOMPARE(shows.count, 1);
        QVERIFY(!Forms::frmFarewell().testAttribute(Qt::WA_DontShowOnScreen));
    }
};

QUINTAVEL_TEST_MAIN(TestFarewell)
#include "test_farewell.moc"
