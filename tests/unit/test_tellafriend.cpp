// The refer-a-friend request and the page addresses: what the maker's site receives.

#include "testsupport.h"

#include "outreach/tellafriend.h"
#include "outreach/webpage.h"

#include <QUrlQuery>

using namespace TestSupport;
using modTellAFriend::ReferralRequest;

namespace {

// Decodes an application/x-www-form-urlencoded query as an HTML form handler does: "+" is a
// space, then percent escapes are UTF-8 bytes.
QList<std::pair<QString, QString>> formDecode(const QString &query) {
    QList<std::pair<QString, QString>> pairs;
    for (const QString &pair : query.split(QLatin1Char('&'))) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        auto decode = [](QString part) {
            return QString::fromUtf8(QByteArray::fromPercentEncoding(
                part.replace(QLatin1Char('+'), QLatin1Char(' ')).toLatin1()));
        };
        pairs.append({decode(pair.left(eq)), decode(pair.mid(eq + 1))});
    }
    return pairs;
}

ReferralRequest request(const QStringList &values) {
    ReferralRequest r;
    r.SenderName = values.value(0);
    r.SenderEmail = values.value(1);
    r.MessageText = values.value(2);
    r.FriendName = values.value(3);
    r.FriendEmail = values.value(4);
    return r;
}

} // namespace

class TestTellAFriend : public QObject {
    Q_OBJECT

private slots:
    void pageAddresses() {
        const QString base = modHelp::SiteBaseAddress + "/quintavel/ssd.php?page=";
        QCOMPARE(modHelp::PageKeys().size(), 8);
        for (const QString &key : modHelp::PageKeys())
            QCOMPARE(modHelp::PageAddress(key), base + key);
        QVERIFY(modHelp::SiteBaseAddress.startsWith(QLatin1StringView("http")));
        QVERIFY(!modHelp::SiteBaseAddress.endsWith('/'));
        QCOMPARE(QString(modHelp::ProductFolderAddress), modHelp::SiteBaseAddress + "/quintavel/");

        // The table is closed: a key outside it opens nothing.
        BrowserRecorder browser;
        modHelp::OpenWebPage(QStringLiteral("home-page"));
        modHelp::OpenWebPage(QStringLiteral("Home-Page"));
        modHelp::OpenWebPage(QStringLiteral("home-page&x=1"));
        QCOMPARE(browser.addresses, QStringList{base + "home-page"});
    }

    // Whatever the user types, the page decodes exactly the five values, in their order,
    // followed by the product folder; by Qt's own query reader and as an HTML form would.
    void roundTrip_data() {
        QTest::addColumn<QStringList>("values");
        QTest::newRow("plain") << QStringList{"Ann", "ann@a.example", "Hello", "Bob",
                                              "bob@b.example"};
        QTest::newRow("delimiters")
            << QStringList{"A&B=C", "a+b@x.example", "#1? 100% & more", "x=y&z", "q#r@s.t"};
        QTest::newRow("line breaks and spaces")
            << QStringList{"  Ann  Lee ", "a@b.c", "Line one\r\nLine two\r\n", "Bob\tJr", "d@e.f"};
        QTest::newRow("letters outside ASCII")
            << QStringList{"Zoë Ångström", "zoë@exämple.example", "Grüße, ça va? 日本語 🍍",
                           "Łukasz", "łk@x.example"};
        QTest::newRow("percent and plus")
            << QStringList{"%41%", "+@+.+", "%2B+%20", "%", "a%40b.c"};
    }
    void roundTrip() {
        QFETCH(QStringList, values);
        const QString address = modTellAFriend::RequestAddressFor(request(values));
        const QString start =
            modHelp::SiteBaseAddress + "/quintavel/ssd.php?page=twvs-refer-a-friend&taf1=";
        QVERIFY2(address.startsWith(start), qPrintable(address));
        // Nothing typed can break the address: it is plain ASCII without spaces or fragments.
        for (const QChar c : address)
            QVERIFY2(c.unicode() > 32 && c.unicode() < 127, qPrintable(address));
        QVERIFY(!address.contains('#'));
        // The browser is handed the address as it stands.
        BrowserRecorder browser;
        modHelp::OpenWebAddress(address);
        QCOMPARE(browser.addresses, QStringList{address});

        const QStringList expectedKeys = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
        QStringList expectedValues = QStringList{"twvs-refer-a-friend"} + values;
        expectedValues << modHelp::SiteBaseAddress + "/quintavel/";

        const QUrl url(address, QUrl::StrictMode);
        QVERIFY(url.isValid());
        const QUrlQuery query(url);
        QStringList keys, decoded;
        for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded)) {
            keys << key;
            decoded << value;
        }
        QCOMPARE(keys, expectedKeys);
        QCOMPARE(decoded, expectedValues);

        keys.clear();
        decoded.clear();
        for (const auto &[key, value] : formDecode(url.query(QUrl::FullyEncoded))) {
            keys << key;
            decoded << value;
        }
        QCOMPARE(keys, expectedKeys);
        QCOMPARE(decoded, expectedValues);
    }

    void trimSpaces_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("spaces only") << "   "
                                     << "";
        QTest::newRow("both ends") << "  a b  "
                                   << "a b";
        QTest::newRow("tab stays") << "\ta\t"
                                   << "\ta\t";
        QTest::newRow("line break stays") << "Your Message\r\n"
                                          << "Your Message\r\n";
        QTest::newRow("space before a line break") << " x \r\n "
                                                   << "x \r\n";
    }
    void trimSpaces() {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(modTellAFriend::trimSpaces(text), trimmed);
    }

    // The first field empty or still holding its hint brings its message and sends nothing.
    void sendChecksFieldsInOrder_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("message");
        const QStringList good = {"Ann", "a@b.c", "Hi", "Bob", "b@c.d"};
        QTest::newRow("all good") << good << "";
        QTest::newRow("no name") << QStringList{"", "", "", "", ""} << "Please Enter Your Name";
        QTest::newRow("name hint")
            << QStringList{"Your Name", "a@b.c", "Hi", "Bob", "b@c.d"} << "Please Enter Your Name";
        QTest::newRow("name in other case passes")
            << QStringList{"your name", "a@b.c", "Hi", "Bob", "b@c.d"} << "";
        QTest::newRow("email hint")
            << QStringList{"Ann", "Your Email Address", "Hi", "Bob", "b@c.d"}
            << "Please Enter Your Email";
        QTest::newRow("message of spaces")
            << QStringList{"Ann", "a@b.c", "   ", "Bob", "b@c.d"} << "Please Enter Your Message";
        QTest::newRow("message hint with spaces")
            << QStringList{"Ann", "a@b.c", " Your Message ", "Bob", "b@c.d"}
            << "Please Enter Your Message";
        QTest::newRow("untouched message passes")
            << QStringList{"Ann", "a@b.c", "Your Message\r\n", "Bob", "b@c.d"} << "";
        QTest::newRow("friend's name")
            << QStringList{"Ann", "a@b.c", "Hi", "Friend's Name", "b@c.d"}
            << "Please Enter Your Friend's Name";
        QTest::newRow("friend's email")
            << QStringList{"Ann", "a@b.c", "Hi", "Bob", ""} << "Please Enter Your Friend's Email";
    }
    void sendChecksFieldsInOrder() {
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        MessageBoxes boxes;
        BrowserRecorder browser;
        ReferralRequest &kept = modTellAFriend::referralRequest();
        kept = request(values);
        kept.RequestAddress = QStringLiteral("earlier");
        modTellAFriend::SendReferral();
        if (message.isEmpty()) {
            QVERIFY(boxes.shown().isEmpty());
            QCOMPARE(kept.RequestAddress, modTellAFriend::RequestAddressFor(request(values)));
            QCOMPARE(browser.addresses.size(), 1);
        } else {
            QCOMPARE(boxes.texts(), QStringList{message});
            QCOMPARE(boxes.shown()[0].icon, QMessageBox::Critical);
            QCOMPARE(boxes.shown()[0].title, QStringLiteral("Quintavel"));
            QCOMPARE(kept.RequestAddress, QStringLiteral("earlier"));
            QVERIFY(browser.addresses.isEmpty());
        }
    }
};

QUINTAVEL_TEST_MAIN(TestTellAFriend)
#include "test_tellafriend.moc"
