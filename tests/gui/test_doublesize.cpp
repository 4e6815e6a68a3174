#include "testsupport.h"

#include "app/forms.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/handpointer.h"
#include "resources/picturelist.h"

using namespace TestSupport;

// The screen of this test has two device pixels to a pixel, set before the application starts.
static const bool g_twoDevicePixels = qputenv("QT_SCALE_FACTOR", "2");

// At 200 % every picture comes from its drawing at twice the size and keeps its size on the
// screen, so the layout stays as it is and only the pictures grow sharper.
class TestDoubleSize : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(g_twoDevicePixels);
        startApplication();
        Forms::frmMain().ui.txtFirstName->setText(QStringLiteral("ANN"));
        Forms::frmMain().cmdNext_Click();
        Forms::frmDisplay().picSmallFruit_Click(8);
    }
    void cleanup() { endApplication(); }

    void picturesAreDrawnTwiceAsLarge_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("box");
        QTest::newRow("thumbnail 0, the apple")
            << "picSmallFruit_0" << QSize(60, 50) << QSize(60, 50);
        QTest::newRow("thumbnail 4, the coconut")
            << "picSmallFruit_4" << QSize(61, 49) << QSize(61, 49);
        QTest::newRow("the big pineapple") << "picBigFruit" << QSize(137, 103) << QSize(137, 103);
        QTest::newRow("the farewell window's icon")
            << "picFarewellIcon" << QSize(32, 32) << QSize(36, 36);
    }
    void picturesAreDrawnTwiceAsLarge() {
        QFETCH(QString, widget);
        QFETCH(QSize, size);
        QFETCH(QSize, box);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        auto *label = Forms::frmDisplay().findChild<QLabel *>(widget);
        if (!label)
            label = Forms::frmFarewell().findChild<QLabel *>(widget);
        QVERIFY(label);
        QCOMPARE(label->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(label->pixmap().size(), size * 2);
        QCOMPARE(label->size(), box);
    }

    void handPointerIsDrawnTwiceAsLarge() {
        for (HandPointer kind : {HandPointer::TwoColour, HandPointer::SixteenColour}) {
            const QCursor hand = Pointers::cursor(kind, 2);
            QCOMPARE(hand.pixmap().size(), QSize(64, 64));
            // The window system takes the hot spot in the picture's own pixels.
            QCOMPARE(hand.hotSpot(), 2 * Pointers::cursor(kind).hotSpot());
        }
    }

    // On a screen too narrow for them (400 pixels here) the windows keep their left edge on it.
    void largeWindowsStayOnTheScreen() {
        const QRect area = Forms::frmDisplay().screen()->availableGeometry();
        for (QWidget *window : {static_cast<QWidget *>(&Forms::frmDisplay()),
                                static_cast<QWidget *>(&Forms::frmFarewell())}) {
            QVERIFY(window->width() > area.width());
            QCOMPARE(window->geometry().x(), area.x());
        }
    }

    // Between the whole ratios the @2x drawing is resampled to the screen's own pixels, and
    // still shows at the picture's size; a whole ratio takes a drawing as it is.
    void everyRatioGetsItsOwnPixels_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("thumbnail"); // the coconut's, 61 x 49 at 1x
        QTest::addColumn<qreal>("drawn");
        QTest::addColumn<int>("hand");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::newRow("100 %") << 1.0 << QSize(61, 49) << 1.0 << 32 << QPoint(8, 1);
        QTest::newRow("125 %") << 1.25 << QSize(76, 61) << 1.25 << 40 << QPoint(10, 1);
        QTest::newRow("150 %") << 1.5 << QSize(92, 74) << 1.5 << 48 << QPoint(12, 2);
        QTest::newRow("175 %") << 1.75 << QSize(107, 86) << 1.75 << 56 << QPoint(14, 2);
        QTest::newRow("250 %") << 2.5 << QSize(153, 123) << 2.5 << 80 << QPoint(20, 3);
        QTest::newRow("300 %") << 3.0 << QSize(122, 98) << 2.0 << 64 << QPoint(16, 2);
    }
    void everyRatioGetsItsOwnPixels() {
        QFETCH(qreal, ratio);
        QFETCH(QSize, thumbnail);
        QFETCH(qreal, drawn);
        QFETCH(int, hand);
        QFETCH(QPoint, hotSpot);
        const QPixmap coconut = PictureList::smallFruitImages().picture(5, ratio);
        QCOMPARE(coconut.size(), thumbnail);
        QCOMPARE(coconut.devicePixelRatio(), drawn);
        QCOMPARE(coconut.deviceIndependentSize().toSize(), QSize(61, 49));
        const QCursor pointer = Pointers::cursor(HandPointer::SixteenColour, ratio);
        QCOMPARE(pointer.pixmap().size(), QSize(hand, hand));
        QCOMPARE(pointer.hotSpot(), hotSpot);
    }
};

QUINTAVEL_TEST_MAIN(TestDoubleSize)
#include "test_doublesize.moc"
