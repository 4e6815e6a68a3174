#include "testsupport.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "app/frmstartup.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "reading/fruitcatalogue.h"
#include "resources/handhotspot.h"

#include <QMenuBar>
#include <QTemporaryFile>
#include <QTimer>

using namespace TestSupport;

// Taking a reading: the hand-over, the chooser and result window, Back and closing.
class TestReading : public QObject {
    Q_OBJECT

    MessageBoxes *boxes = nullptr;

    FrmDisplay &handOverAs(const QString &name = QStringLiteral("ANN")) {
        FrmMain &main = Forms::frmMain();
        main.ui.txtFirstName->setText(name);
        QTest::mouseClick(main.ui.cmdNext, Qt::LeftButton);
        return Forms::frmDisplay();
    }
    // The widget lies in front of all its siblings.
    static bool isInFront(QWidget *widget) {
        QWidget *front = nullptr;
        for (QObject *sibling : widget->parentWidget()->children())
            if (sibling->isWidgetType())
                front = static_cast<QWidget *>(sibling);
        return front == widget;
    }
    // Clicks where a user would, on whatever lies there in front.
    static void clickAt(QWidget *container, QPoint point) {
        QWidget *hit = container->childAt(point);
        QVERIFY(hit);
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(container, point));
    }
    static QImage pictureOf(const QLabel *label) { return label->pixmap().toImage(); }

private slots:
    void init() {
        boxes = new MessageBoxes;
        startApplication();
        QVERIFY(QTest::qWaitForWindowExposed(&Forms::frmMain()));
    }
    void cleanup() {
        endApplication();
        delete boxes;
    }

    void chooserIsLaidOut() {
        FrmDisplay &display = handOverAs();
        QCOMPARE(display.windowTitle(), QString(kVersionCaption));
        QCOMPARE(display.centralWidget()->size(), QSize(577, 321));
        QCOMPARE(display.minimumSize(), display.maximumSize());
        QVERIFY(!(display.windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!display.windowIcon().isNull());
        QCOMPARE(display.ui.fraChoose->geometry(), display.ui.fraResult->geometry());
        QCOMPARE(display.ui.fraChoose->geometry(), QRect(0, 48, 577, 217));
        QCOMPARE(display.ui.Frame2->geometry(), QRect(0, 0, 577, 49));
        QCOMPARE(display.ui.Frame5->geometry(), QRect(0, 264, 577, 57));
        QCOMPARE(display.ui.cmdBack->geometry(), QRect(488, 19, 81, 25));
        QCOMPARE(display.ui.picBigFruit->geometry(), QRect(424, 48, 137, 103));
        QCOMPARE(display.ui.lblFruitDesc->geometry(), QRect(8, 48, 409, 161));
        QCOMPARE(display.ui.lblCobrand->geometry(), display.ui.lblFullBrand->geometry());
        // The thumbnail grid: columns 72 pixels apart, rows 56, each the size of its picture.
        for (int i = 0; i < 12; ++i) {
            const QPoint place(72 * (1 + i % 6), i < 6 ? 48 : 104);
            QCOMPARE(display.picSmallFruit(i)->pos(), place);
            QCOMPARE(display.picSmallFruit(i)->size(),
                     display.IMGSmallImages.picture(i + 1).size());
        }
        QVERIFY(!display.picSmallFruit(-1) && !display.picSmallFruit(12));
        // The result panel's own Back button never shows; the focus starts on the other one,
        // and Tab goes through the twelve thumbnails and back to it.
        QVERIFY(!display.ui.cmdResultBack->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&display));
        QCOMPARE(QApplication::focusWidget(), display.ui.cmdBack);
        for (int i = 0; i <= 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(),
                     i < 12 ? static_cast<QWidget *>(display.picSmallFruit(i))
                            : display.ui.cmdBack);
        }
        // The home-business offer lies in front of the co-branding offer.
        const QObjectList strip = display.ui.Frame5->children();
        QVERIFY(strip.indexOf(display.ui.lblFullBrand) > strip.indexOf(display.ui.lblCobrand));

        QStringList bar;
        for (QAction *a : display.menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
        QCOMPARE(display.ui.mnuBack->text(), QStringLiteral("Back"));
        QCOMPARE(display.ui.mnuUpdate->text(), QStringLiteral("Check for Software &Update"));
    }

    // A fresh window lies with its result panel in front, holding the apple.
    void freshWindowHoldsTheApple() {
        FrmDisplay &display = Forms::frmDisplay();
        QVERIFY(isInFront(display.ui.fraResult));
        QCOMPARE(display.ui.lblFruitName->text(), QStringLiteral("Apple"));
        QCOMPARE(display.ui.lblFruitDesc->text(), FruitCatalogue::at(0)->description);
        QCOMPARE(pictureOf(display.ui.picBigFruit), display.IMGBigImages.picture(1).toImage());
        for (int i = 0; i < 12; ++i)
            QCOMPARE(pictureOf(display.picSmallFruit(i)),
                     display.IMGSmallImages.picture(1).toImage());
    }

    void handOver_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("a name") << "MARY JANE";
        QTest::newRow("spaces only") << "   ";
    }
    void handOver() {
        QFETCH(QString, name);
        FrmMain &main = Forms::frmMain();
        FrmDisplay &display = handOverAs(name);
        QVERIFY(boxes->shown().isEmpty());
        QVERIFY(!main.isVisible());
        QVERIFY(display.isVisible());
        QVERIFY(Forms::frmFarewellLoaded());
        QVERIFY(!Forms::frmFarewell().isVisible());
        QVERIFY(isInFront(display.ui.fraChoose));
        // The result panel behind is hidden as well: nothing of it is reached or reported.
        QVERIFY(!display.ui.fraResult->isVisible());
        for (int i = 0; i < 12; ++i)
            QCOMPARE(pictureOf(display.picSmallFruit(i)),
                     display.IMGSmallImages.picture(i + 1).toImage());
    }

    void handOverByMenuWithoutAName() {
        Forms::frmMain().ui.mnuNext->trigger();
        QCOMPARE(boxes->texts(), QStringList{"Please Enter Your Name"});
        QVERIFY(!Forms::frmDisplayLoaded());
        QVERIFY(Forms::frmMain().isVisible());
    }

    // A click, or Space or Enter on a thumbnail reached with Tab, chooses its fruit.
    void choosingAFruit_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("key");
        for (int i = 0; i < 12; ++i)
            QTest::newRow(qPrintable(FruitCatalogue::at(i)->displayName)) << i << 0;
        QTest::newRow("Mango, Space") << 6 << int(Qt::Key_Space);
        QTest::newRow("Paneapple, Return") << 8 << int(Qt::Key_Return);
        QTest::newRow("Pear, keypad Enter") << 11 << int(Qt::Key_Enter);
    }
    void choosingAFruit() {
        QFETCH(int, index);
        QFETCH(int, key);
        FrmDisplay &display = handOverAs();
        QVERIFY(QTest::qWaitForWindowActive(&display));
        if (key) {
            for (int i = 0; i <= index; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(display.picSmallFruit(index), Qt::Key(key),
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        } else {
            QTest::mouseClick(display.picSmallFruit(index), Qt::LeftButton);
        }
        const Fruit fruit = *FruitCatalogue::at(index);
        QCOMPARE(display.ui.lblFruitName->text(), fruit.displayName);
        QCOMPARE(display.ui.lblFruitDesc->text(), fruit.description);
        QCOMPARE(pictureOf(display.ui.picBigFruit),
                 display.IMGBigImages.picture(index + 1).toImage());
        QVERIFY(isInFront(display.ui.fraResult));
        // The name label sizes itself to its text.
        QCOMPARE(display.ui.lblFruitName->width(), display.ui.lblFruitName->sizeHint().width());
        // The result now covers the thumbnails: a click there lands on the result panel.
        const QPoint thumbnail =
            display.ui.fraChoose->mapToParent(display.picSmallFruit(3)->geometry().center());
        QWidget *hit = display.centralWidget()->childAt(thumbnail);
        QVERIFY(hit == display.ui.fraResult || display.ui.fraResult->isAncestorOf(hit));
        // The thumbnails are hidden; the reading has the focus, and Tab goes between it and Back.
        QVERIFY(!display.ui.fraChoose->isVisible());
        QCOMPARE(QApplication::focusWidget(), display.ui.lblFruitDesc);
        QTest::keyClick(display.ui.lblFruitDesc, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), display.ui.cmdBack);
        QTest::keyClick(display.ui.cmdBack, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), display.ui.lblFruitDesc);
    }

    // The arrow keys move the focus within the grid of six thumbnails by two, and stop at its
    // edges; the focused thumbnail shows a mark on its picture, in its place and at its size.
    void arrowKeys_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("Right along the row") << 0 << int(Qt::Key_Right) << 1;
        QTest::newRow("Right at the row's end") << 5 << int(Qt::Key_Right) << 5;
        QTest::newRow("Left along the row") << 7 << int(Qt::Key_Left) << 6;
        QTest::newRow("Left at the row's start") << 6 << int(Qt::Key_Left) << 6;
        QTest::newRow("Down to the row below") << 2 << int(Qt::Key_Down) << 8;
        QTest::newRow("Down from the bottom row") << 10 << int(Qt::Key_Down) << 10;
        QTest::newRow("Up to the row above") << 11 << int(Qt::Key_Up) << 5;
        QTest::newRow("Up from the top row") << 3 << int(Qt::Key_Up) << 3;
    }
    void arrowKeys() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        FrmDisplay &display = handOverAs();
        QVERIFY(QTest::qWaitForWindowActive(&display));
        ClickLabel *target = display.picSmallFruit(to);
        const QRect place = target->geometry();
        const QImage picture = target->grab().toImage();
        display.picSmallFruit(from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(display.picSmallFruit(from), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(target->geometry(), place);
        QVERIFY(target->grab().toImage() != picture);
        display.ui.cmdBack->setFocus();
        QCOMPARE(target->grab().toImage(), picture);
        QCOMPARE(display.ui.lblFruitName->text(), QStringLiteral("Apple"));
    }

    void pineappleIsShownAsPaneapple() {
        FrmDisplay &display = handOverAs();
        QTest::mouseClick(display.picSmallFruit(8), Qt::LeftButton);
        QCOMPARE(display.ui.lblFruitName->text(), QStringLiteral("Paneapple"));
        QCOMPARE(pictureOf(display.ui.picBigFruit),
                 QImage(":/pictures/big/paneapple.jpg")
                     .convertToFormat(pictureOf(display.ui.picBigFruit).format()));
    }

    void back_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("afterChoice");
        QTest::newRow("button, from the chooser") << false << false;
        QTest::newRow("button, from a result") << false << true;
        QTest::newRow("menu, from a result") << true << true;
    }
    void back() {
        QFETCH(bool, byMenu);
        QFETCH(bool, afterChoice);
        FrmDisplay &display = handOverAs(QStringLiteral("ANN LEE"));
        if (afterChoice)
            QTest::mouseClick(display.picSmallFruit(5), Qt::LeftButton);
        QPointer<FrmDisplay> old = &display;
        if (byMenu)
            display.ui.mnuBack->trigger();
        else
            QTest::mouseClick(display.ui.cmdBack, Qt::LeftButton);
        settle();
        QVERIFY(old.isNull());
        QVERIFY(!Forms::frmDisplayLoaded());
        QVERIFY(Forms::frmMain().isVisible());
        QCOMPARE(Forms::frmMain().ui.txtFirstName->text(), QStringLiteral("ANN LEE"));
        QVERIFY(!Forms::frmFarewell().isVisible());

        // The next hand-over opens a fresh window on the chooser, its result on the apple.
        QTest::mouseClick(Forms::frmMain().ui.cmdNext, Qt::LeftButton);
        FrmDisplay &fresh = Forms::frmDisplay();
        QVERIFY(fresh.isVisible());
        QVERIFY(isInFront(fresh.ui.fraChoose));
        QCOMPARE(fresh.ui.lblFruitName->text(), QStringLiteral("Apple"));
        QVERIFY(boxes->shown().isEmpty());
    }

    void closingTheChooser_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("title bar") << false;
        QTest::newRow("Exit menu item") << true;
    }
    void closingTheChooser() {
        QFETCH(bool, byMenu);
        FrmDisplay &display = handOverAs();
        const int ends = processEnds();
        if (byMenu)
            display.ui.mnuExit->trigger();
        else
            display.close();
        settle();
        QVERIFY(!Forms::frmDisplayLoaded());
        QVERIFY(Forms::frmFarewell().isVisible());
        QVERIFY(!Forms::frmMain().isVisible());
        QCOMPARE(processEnds(), ends);
    }

    // At most one of the main and chooser windows shows at any moment of a round trip.
    void neverBothShowing() {
        int bothSeen = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (Forms::frmMainLoaded() && Forms::frmDisplayLoaded() &&
                Forms::frmMain().isVisible() && Forms::frmDisplay().isVisible())
                ++bothSeen;
        });
        watch.start(0);
        for (int round = 0; round < 3; ++round) {
            FrmDisplay &display = handOverAs();
            QTest::qWait(5);
            QTest::mouseClick(display.picSmallFruit(round), Qt::LeftButton);
            QTest::mouseClick(display.ui.cmdBack, Qt::LeftButton);
            QTest::qWait(5);
        }
        QCOMPARE(bothSeen, 0);
    }

    void aboutBlocksTheChooser() {
        FrmDisplay &display = handOverAs();
        QString modalName;
        // The timer goes with this test, should the window never open.
        QObject thisTest;
        QTimer::singleShot(0, &thisTest, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                modalName = modal->objectName();
                modal->close();
            }
        });
        display.ui.mnuAbout->trigger();
        QCOMPARE(modalName, QStringLiteral("frmAbout"));
        QVERIFY(display.isVisible());
    }

    // Start-up brings one of the main window's offers forward; the chooser's stay as laid out.
    void offerRotation_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("front");
        QTest::newRow("0") << 0.0 << "lblCobrand";
        QTest::newRow("1/12") << 1.0 / 12 << "lblFullBrand";
        QTest::newRow("0.25") << 0.25 << "lblFullBrand";
        QTest::newRow("5/12") << 5.0 / 12 << "lblFullBrand";
        QTest::newRow("0.4") << 0.4 << "lblCobrand";
        QTest::newRow("0.75") << 0.75 << "lblFullBrand";
        QTest::newRow("11/12") << 11.0 / 12 << "lblFullBrand";
        QTest::newRow("0.95") << 0.95 << "lblFullBrand";
    }
    void offerRotation() {
        QFETCH(double, r);
        QFETCH(QString, front);
        FrmMain &main = Forms::frmMain();
        // Start from the layout's order, whatever this start drew.
        main.ui.lblCobrand->raise();
        main.ui.lblFullBrand->raise();
        Forms::frmStartup().CoBrand_Randomize(r);
        QVERIFY(isInFront(main.findChild<QWidget *>(front)));
        QCOMPARE(Forms::frmStartup().intCoBrandRandomNumber, qint16(std::nearbyint(r * 6 + 1)));
        // Only the label in front takes the click.
        BrowserRecorder browser;
        clickAt(main.ui.Frame5, main.ui.lblCobrand->geometry().center());
        QCOMPARE(browser.addresses.size(), 1);
        QVERIFY(
            browser.addresses[0].endsWith(front == "lblCobrand" ? "co-brand" : "fully-branded"));

        FrmDisplay &display = handOverAs();
        const QObjectList strip = display.ui.Frame5->children();
        QVERIFY(strip.indexOf(display.ui.lblFullBrand) > strip.indexOf(display.ui.lblCobrand));
    }

    // A picture that does not decode is skipped: the reading still works around it.
    void brokenPicturesAreSkipped() {
        QTemporaryFile garbage;
        QVERIFY(garbage.open());
        garbage.write("not a picture at all");
        garbage.close();
        FrmMain &main = Forms::frmMain();
        main.ui.txtFirstName->setText(QStringLiteral("ANN"));
        FrmDisplay &display = Forms::frmDisplay();
        const QImage apple = pictureOf(display.picSmallFruit(0));
        display.IMGSmallImages = PictureList(QStringList(12, garbage.fileName()));
        display.IMGBigImages = PictureList(QStringList(12, garbage.fileName()));
        main.cmdNext_Click();
        QVERIFY(display.isVisible() && isInFront(display.ui.fraChoose));
        QCOMPARE(pictureOf(display.picSmallFruit(8)), apple);
        const QImage bigApple = pictureOf(display.ui.picBigFruit);
        display.picSmallFruit_Click(8);
        QCOMPARE(display.ui.lblFruitName->text(), QStringLiteral("Paneapple"));
        QCOMPARE(pictureOf(display.ui.picBigFruit), bigApple);
        QVERIFY(isInFront(display.ui.fraResult));
        QVERIFY(boxes->shown().isEmpty());
    }

    // The pointers named by the layout: two-colour on the banner and co-branding links,
    // sixteen-colour on the home-business offers and the thumbnails.
    void handPointers() {
        FrmMain &main = Forms::frmMain();
        FrmDisplay &display = handOverAs();
        const QList<std::pair<ClickLabel *, HandPointer>> expected = {
            {main.ui.Label61, HandPointer::TwoColour},
            {main.ui.lblCobrand, HandPointer::TwoColour},
            {main.ui.lblFullBrand, HandPointer::SixteenColour},
            {main.ui.Label2, HandPointer::None},
            {display.ui.Label61, HandPointer::TwoColour},
            {display.ui.lblCobrand, HandPointer::TwoColour},
            {display.ui.lblFullBrand, HandPointer::SixteenColour},
            {display.picSmallFruit(0), HandPointer::SixteenColour},
            {display.picSmallFruit(11), HandPointer::SixteenColour},
            {display.ui.lblFruitName, HandPointer::None},
        };
        for (const auto &[label, hand] : expected)
            QCOMPARE(label->handPointer(), hand);
        // The pointer is the picture itself, with its hot spot at the fingertip.
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(display.picSmallFruit(4), &enter);
        const QCursor cursor = display.picSmallFruit(4)->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(":/pictures/hand16.ico").convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(cursor.hotSpot(), QPoint(kHandHotSpotX, kHandHotSpotY));
    }
};

QUINTAVEL_TEST_MAIN(TestReading)
#include "test_reading.moc"
