// The long built-in texts: each is stored exactly as the windows show it, so its length, its
// fixed opening and closing words and its deliberate runs of spaces must survive every edit.

#include "testsupport.h"

#include "resources/texts.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>

namespace {

// Length in characters as the user sees them (code points, not UTF-16 units).
qsizetype characterCount(const QString &text) {
    return text.toUcs4().size();
}

// The distinct lengths of the runs of two or more spaces in a text.
QSet<int> spaceRunLengths(const QString &text) {
    QSet<int> lengths;
    static const QRegularExpression runs(QStringLiteral(" {2,}"));
    for (auto it = runs.globalMatch(text); it.hasNext();)
        lengths.insert(int(it.next().capturedLength()));
    return lengths;
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void shape_data();
    void shape();
    void fragment_data();
    void fragment();
};

void TestTexts::shape_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QList<int>>("spaceRuns");

    const QString stop = QStringLiteral(".");
    const QString stopSpace = QStringLiteral(". ");
    const QList<int> none;

    auto row = [](const char *name, int length, const char *opening, const QString &ending,
                  const QList<int> &runs) {
        QTest::newRow(name) << QString::fromUtf8(name) << length << QString::fromUtf8(opening)
                            << ending << runs;
    };

    row("fruits/apple", 588,
        "If you have a liking for the sweet and juicy apple, you tend to indulge in expensive "
        "buys and a showy lifestyle. ",
        stop, none);
    row("fruits/banana", 598,
        "Your compassionate nature and sympathetic understanding of others have a calming effect "
        "on those around you. ",
        stop, none);
    row("fruits/blackgrapes", 553, "You are well known for your modesty and good manners. ", stop,
        none);
    row("fruits/cherry", 594,
        "The round luscious cherries intrigue your mind and so does the world around you. ", stop,
        none);
    row("fruits/coconut", 576,
        "The coconut loving persons choose their friends and companions after much thought. ", stop,
        none);
    row("fruits/custardapple", 634,
        "You respect time honored values and ideas above modern points of view. ", stop, none);
    row("fruits/mango", 604,
        "A mango lover with a deep affinity for the sweet fragrant kernel of ripe mangoes tends "
        "to be quite radical in his ideas and thoughts. ",
        stopSpace, none);
    row("fruits/orange", 631,
        "Those favoring orange over all other fruits may appear to be timid and introvert "
        "people. ",
        stop, none);
    row("fruits/paneapple", 627,
        "If you have a strong fascination for pineapple, you seem to possess extra ordinary "
        "organizing skills. ",
        stop, none);
    row("fruits/papaya", 560,
        "If you love papaya best of all kinds of fruits, you are a thoughtful and calculative "
        "person. ",
        stopSpace, none);
    row("fruits/peach", 612, "Peach loving persons always look at the sunny side of life. ", stop,
        none);
    row("fruits/pear", 628, "You have a problem in concentrating in a specific task. ", stopSpace,
        none);

    row("main-intro", 210,
        "Quintavel tells you more about your personality based on your choice of fruit. ", stop,
        none);
    row("offer-fullbrand", 161, "Home Business Opportunity. ",
        QStringLiteral(" Click here for more details."), none);
    row("offer-cobrand", 185, "Co-brand this software for your site. ",
        QStringLiteral(" Click Here for more info on co-branding."), {2, 4});
    row("farewell-programs", 615,
        "If you have enjoyed this software you will surely be interested in our other Vellum "
        "Softwares. ",
        stopSpace, {61});
    row("about-description", 203,
        "Quintavel tells you more about your personality based on your choice of fruit. Each "
        "fruit has it own personality that is reflected in the choice of the person. ",
        stop, none);

    row("support-0", 216,
        "Vellum Softwares, such as this can be created and maintained only with your support. ",
        stop, none);
    row("support-1", 190, "Visit Tarnwell regularly. ", stop, none);
    row("support-2", 143, "Tarnwell is a FREE online discussion forum for all things vellum. ",
        stop, none);
    row("support-3", 182, "Tarnwell needs your help. ", stop, none);
}

void TestTexts::shape() {
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(QString, opening);
    QFETCH(QString, ending);
    QFETCH(QList<int>, spaceRuns);

    const QString text = Texts::get(name);
    QVERIFY2(!text.isEmpty(), "the text is missing");
    QCOMPARE(characterCount(text), qsizetype(length));
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
    QVERIFY2(text.endsWith(ending), qPrintable(text.right(ending.size() + 10)));
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QVERIFY(!text.contains(QLatin1Char('\r')));
    QVERIFY(!text.contains(QLatin1Char('\t')));
    QVERIFY(!text.startsWith(QChar(0xFEFF)));

    QCOMPARE(spaceRunLengths(text), QSet<int>(spaceRuns.cbegin(), spaceRuns.cend()));
}

// Fragments that must stand in a text exactly as written, whatever else changes around them.
void TestTexts::fragment_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<int>("count");

    QTest::newRow("typographic apostrophe") << QStringLiteral("farewell-programs")
                                            << (QStringLiteral("world") + QChar(0x2019) + "s") << 1;
    QTest::newRow("no straight apostrophe")
        << QStringLiteral("farewell-programs") << QStringLiteral("world's") << 0;
    QTest::newRow("first paragraph ends before 61 spaces")
        << QStringLiteral("farewell-programs") << (QLatin1Char('.') + QString(61, QLatin1Char(' ')))
        << 1;
    QTest::newRow("doubled ampersand shows as one")
        << QStringLiteral("offer-cobrand") << QStringLiteral(" && ") << 1;
    QTest::newRow("no lone ampersand")
        << QStringLiteral("offer-cobrand") << QStringLiteral(" & ") << 0;
    QTest::newRow("it own, as written") << QStringLiteral("about-description")
                                        << QStringLiteral("Each fruit has it own personality") << 1;
    QTest::newRow("business offer in full")
        << QStringLiteral("offer-fullbrand")
        << QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website.")
        << 1;
    QTest::newRow("the fruit itself, not its display name")
        << QStringLiteral("fruits/paneapple") << QStringLiteral("Paneapple") << 0;
}

void TestTexts::fragment() {
    QFETCH(QString, name);
    QFETCH(QString, fragment);
    QFETCH(int, count);

    QCOMPARE(Texts::get(name).count(fragment), qsizetype(count));
}

QUINTAVEL_TEST_MAIN(TestTexts)
#include "test_texts.moc"
