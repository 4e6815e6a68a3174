#include "testsupport.h"

#include "reading/fruitcatalogue.h"
#include "resources/handhotspot.h"
#include "resources/picturelist.h"

#include <QFile>
#include <QImageReader>

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void fruits_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("length");
        QTest::addColumn<QSize>("thumbnail");
        QTest::newRow("0") << 0 << "Apple"
                           << "apple.jpg" << 588 << QSize(60, 50);
        QTest::newRow("1") << 1 << "Banana"
                           << "banana.jpg" << 598 << QSize(60, 50);
        QTest::newRow("2") << 2 << "Black Grapes"
                           << "blackgrapes.jpg" << 553 << QSize(60, 49);
        QTest::newRow("3") << 3 << "Cherry"
                           << "cherry.jpg" << 594 << QSize(60, 49);
        QTest::newRow("4") << 4 << "Coconut"
                           << "coconut.jpg" << 576 << QSize(61, 49);
        QTest::newRow("5") << 5 << "Custard Apple"
                           << "custardapple.jpg" << 634 << QSize(60, 51);
        QTest::newRow("6") << 6 << "Mango"
                           << "mango.jpg" << 604 << QSize(60, 50);
        QTest::newRow("7") << 7 << "Orange"
                           << "orange.jpg" << 631 << QSize(61, 49);
        QTest::newRow("8") << 8 << "Paneapple"
                           << "paneapple.jpg" << 627 << QSize(60, 51);
        QTest::newRow("9") << 9 << "Papaya"
                           << "papaya.jpg" << 560 << QSize(61, 50);
        QTest::newRow("10") << 10 << "Peach"
                            << "peach.jpg" << 612 << QSize(60, 50);
        QTest::newRow("11") << 11 << "Pear"
                            << "pear.jpg" << 628 << QSize(60, 51);
    }
    // Each fruit with its name, its text and entry index + 1 of both picture lists, which
    // decode as JPEG at their exact sizes.
    void fruits() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(int, length);
        QFETCH(QSize, thumbnail);
        const std::optional<Fruit> fruit = FruitCatalogue::at(index);
        QVERIFY(fruit);
        QCOMPARE(fruit->displayName, name);
        QCOMPARE(fruit->pictureKey, key);
        QCOMPARE(fruit->description.size(), length);
        QCOMPARE(fruit->pictureEntry(), index + 1);

        const PictureList small = PictureList::smallFruitImages();
        const PictureList big = PictureList::bigFruitImages();
        QCOMPARE(small.key(index + 1), key);
        QCOMPARE(big.key(index + 1), key);
        QCOMPARE(small.picture(index + 1).size(), thumbnail);
        QCOMPARE(big.picture(index + 1).size(), QSize(137, 103));
        for (const QString folder : {"small", "big"}) {
            QImageReader reader(":/pictures/" + folder + "/" + key);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
        }
        const qint64 bytes = QFile(":/pictures/small/" + key).size();
        QVERIFY2(bytes >= 1000 && bytes <= 2000, qPrintable(QString::number(bytes)));
    }

    void onlyTwelveFruits() {
        QCOMPARE(FruitCatalogue::count, 12);
        QVERIFY(!FruitCatalogue::at(-1));
        QVERIFY(!FruitCatalogue::at(12));
    }

    void mangoKeepsItsFinalSpace() {
        const QString mango = FruitCatalogue::at(6)->description;
        QCOMPARE(mango.size(), 604);
        QCOMPARE(mango.trimmed().size(), 603);
    }

    void paneappleIsShownSoButSpeaksOfPineapple() {
        const Fruit fruit = *FruitCatalogue::at(8);
        QCOMPARE(fruit.displayName, QStringLiteral("Paneapple"));
        QVERIFY(fruit.description.contains("pineapple"));
    }

    // Entries count from 1; anything outside a list is a null picture, not a crash.
    void entriesOutsideAListAreRefused() {
        const PictureList small = PictureList::smallFruitImages();
        for (int entry : {-1, 0, 13}) {
            QVERIFY(!small.contains(entry));
            QVERIFY(small.picture(entry).isNull());
            QVERIFY(small.key(entry).isEmpty());
        }
        const PictureList icon = PictureList::applicationIcon();
        QCOMPARE(icon.count(), 1);
        QVERIFY(icon.picture(0).isNull());
        QVERIFY(icon.picture(2).isNull());
    }

    void iconAndPointers_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("colours");
        QTest::newRow("application icon") << ":/pictures/icon.ico" << 256;
        QTest::newRow("two-colour hand") << ":/pictures/hand2.ico" << 2;
        QTest::newRow("sixteen-colour hand") << ":/pictures/hand16.ico" << 16;
    }
    void iconAndPointers() {
        QFETCH(QString, path);
        QFETCH(int, colours);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("ico"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(32, 32));
        // The palette size stands in the file's directory entry (0 means 256 colours), and
        // the bits per pixel in the image's own header.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(22 + 16);
        QCOMPARE(int(quint8(head[8])), colours == 256 ? 0 : colours);
        const int bitsPerPixel = quint8(head[22 + 14]) | quint8(head[22 + 15]) << 8;
        QCOMPARE(1 << bitsPerPixel, colours);
        if (colours != 256) {
            // The hot spot is the fingertip: opaque, with only transparency above it.
            QVERIFY(qAlpha(image.pixel(kHandHotSpotX, kHandHotSpotY)) == 255);
            for (int y = 0; y < kHandHotSpotY; ++y)
                QCOMPARE(qAlpha(image.pixel(kHandHotSpotX, y)), 0);
        }
    }
};

QUINTAVEL_TEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
