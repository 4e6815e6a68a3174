#include "testsupport.h"

#include "app/cobrand.h"

using Front = CoBrand::Front;
Q_DECLARE_METATYPE(CoBrand::Front)

class TestCoBrand : public QObject {
    Q_OBJECT

private slots:
    // The draw n is the whole number nearest to r * 6 + 1, halves going to the even one.
    void draw_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<Front>("front");
        QTest::newRow("0") << 0.0 << 1 << Front::CoBrand;
        QTest::newRow("just below 1/12") << 1.0 / 12 - 1e-9 << 1 << Front::CoBrand;
        QTest::newRow("1/12") << 1.0 / 12 << 2 << Front::FullBrand;
        QTest::newRow("0.25") << 0.25 << 2 << Front::FullBrand;
        QTest::newRow("just above 0.25") << 0.25 + 1e-9 << 3 << Front::CoBrand;
        QTest::newRow("5/12") << 5.0 / 12 << 4 << Front::FullBrand;
        QTest::newRow("7/12") << 7.0 / 12 << 4 << Front::FullBrand;
        QTest::newRow("just above 7/12") << 7.0 / 12 + 1e-9 << 5 << Front::CoBrand;
        QTest::newRow("0.75") << 0.75 << 6 << Front::FullBrand;
        QTest::newRow("11/12") << 11.0 / 12 << 6 << Front::FullBrand;
        QTest::newRow("0.95") << 0.95 << 7 << Front::Unchanged;
        QTest::newRow("largest r") << std::nextafter(1.0, 0.0) << 7 << Front::Unchanged;
    }
    void draw() {
        QFETCH(double, r);
        QFETCH(int, n);
        QFETCH(Front, front);
        QCOMPARE(CoBrand::draw(r), n);
        QCOMPARE(CoBrand::frontFor(n), front);
    }

    // Over the whole range the co-branding offer leads 5/12 of the time.
    void shareOfTheRange() {
        int cobrand = 0;
        const int steps = 120000;
        for (int i = 0; i < steps; ++i)
            cobrand += CoBrand::frontFor(CoBrand::draw((i + 0.5) / steps)) == Front::CoBrand;
        QCOMPARE(cobrand, steps * 5 / 12);
    }
};

QUINTAVEL_TEST_MAIN(TestCoBrand)
#include "test_cobrand.moc"
