// Which family the style sheets name in place of a Windows family, and how a sheet is renamed.

#include "testsupport.h"

#include "resources/fontstandins.h"

#include <QSet>

using FontStandIns::Rename;

namespace {

// "Verdana=DejaVu Sans" for each rename, in order.
QStringList written(const QList<Rename> &renames) {
    QStringList lines;
    for (const Rename &r : renames)
        lines << r.from + QLatin1Char('=') + r.to;
    return lines;
}

} // namespace

class TestFontStandIns : public QObject {
    Q_OBJECT

private slots:
    void choose_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("renames");
        const QString verdana = QStringLiteral("Verdana");
        const QString msSansSerif = QStringLiteral("MS Sans Serif");
        const QString dejaVu = QStringLiteral("DejaVu Sans");
        const QString vera = QStringLiteral("Bitstream Vera Sans");
        const QString liberation = QStringLiteral("Liberation Sans");
        QTest::newRow("the Windows families installed")
            << QStringList{verdana, msSansSerif, dejaVu, liberation} << QStringList{};
        QTest::newRow("the closest stand-ins installed")
            << QStringList{dejaVu, vera, liberation}
            << QStringList{"Verdana=DejaVu Sans", "MS Sans Serif=Liberation Sans"};
        QTest::newRow("only later stand-ins installed")
            << QStringList{vera, dejaVu}
            << QStringList{"Verdana=DejaVu Sans", "MS Sans Serif=DejaVu Sans"};
        QTest::newRow("the last stand-in of one family")
            << QStringList{vera, liberation}
            << QStringList{"Verdana=Bitstream Vera Sans", "MS Sans Serif=Liberation Sans"};
        QTest::newRow("one Windows family installed")
            << QStringList{verdana, dejaVu} << QStringList{"MS Sans Serif=DejaVu Sans"};
        QTest::newRow("no stand-in installed") << QStringList{} << QStringList{};
    }
    void choose() {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, renames);
        const QSet<QString> families(installed.begin(), installed.end());
        QCOMPARE(
            written(FontStandIns::choose([&](const QString &f) { return families.contains(f); })),
            renames);
    }

    // Only whole quoted names are renamed, wherever and however often they stand.
    void renamed() {
        const QString sheet = QStringLiteral(
            "#a { font: 11px \"Verdana\"; }\n#b, #c { font: bold 12px \"MS Sans Serif\"; }\n"
            "#d { color: white; font: 19px \"Verdana\"; }\n#e { font: 11px \"Verdana Pro\"; }");
        const QString expected = QStringLiteral(
            "#a { font: 11px \"DejaVu Sans\"; }\n#b, #c { font: bold 12px \"Liberation Sans\"; }\n"
            "#d { color: white; font: 19px \"DejaVu Sans\"; }\n#e { font: 11px \"Verdana Pro\"; }");
        const QList<Rename> renames = {
            {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
            {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}};
        QCOMPARE(FontStandIns::renamed(sheet, renames), expected);
        QCOMPARE(FontStandIns::renamed(sheet, {}), sheet);
    }
};

QUINTAVEL_TEST_MAIN(TestFontStandIns)
#include "test_fontstandins.moc"
