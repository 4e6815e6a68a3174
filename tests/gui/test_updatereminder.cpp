#include "testsupport.h"

#include "app/calendar.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "app/settingscramble.h"
#include "app/settingsstore.h"
#include "app/updatereminder.h"
#include "outreach/webpage.h"
#include "reading/frmmain.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>

using namespace TestSupport;

// A Sunday early in March: fifteen days before it lie in February.
static const QDate kToday(2031, 3, 10);
static const QString kKey = modHelp::EncodeSetting(QStringLiteral("Duration"));

static QLabel *textLabel(QMessageBox &box) {
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (label->text() == box.text())
            return label;
    }
    return nullptr;
}

static bool mainWindowShowing() {
    return Forms::frmMainLoaded() && Forms::frmMain().isVisible();
}

// Notes whether the main window was showing when a page was opened.
class PageWatch : public QObject {
    Q_OBJECT
public:
    PageWatch() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~PageWatch() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QStringList addresses;
    bool mainAtOpen = false;
public slots:
    void open(const QUrl &url) {
        addresses << url.toString();
        mainAtOpen = mainWindowShowing();
    }
};

class TestUpdateReminder : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;

    QString file() const { return SettingsStore::filePath(SettingsStore::thisApplication()); }
    // What the file holds, read past the store so that nothing held in memory can stand in.
    QByteArray onDisk() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString dateOnDisk() const {
        for (const QByteArray &line : onDisk().split('\n')) {
            if (line.startsWith(kKey.toLatin1() + '='))
                return modHelp::DecodeSetting(QString::fromLatin1(line.mid(kKey.size() + 1)));
        }
        return QString();
    }
    void store(const QString &text) {
        SettingsStore::write(SettingsStore::thisApplication(), QStringLiteral("Settings"), kKey,
                             modHelp::EncodeSetting(text));
    }
    static QString daysFromToday(int days) { return kToday.addDays(days).toString(Qt::ISODate); }
    void setConfigWritable(bool writable) {
        QFile::Permissions mode = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        if (writable)
            mode |= QFileDevice::WriteOwner;
        QFile::setPermissions(m_config->path(), mode);
    }

private slots:
    // Each test gets a configuration directory of its own, so no file is ever shared.
    void init() {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
        Calendar::setTodaySource([] { return kToday; });
    }
    void cleanup() {
        endApplication();
        Calendar::setTodaySource({});
        setConfigWritable(true);
        m_config.reset();
    }

    void reminder_data() {
        QTest::addColumn<QString>("stored"); // null: never written
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<bool>("opens");
        const QString today = daysFromToday(0);
        const int yes = QMessageBox::Yes, no = QMessageBox::No;
        QTest::newRow("first start") << QString() << yes << false << today << false;
        QTest::newRow("today") << today << yes << false << today << false;
        QTest::newRow("14 days before")
            << daysFromToday(-14) << yes << false << daysFromToday(-14) << false;
        QTest::newRow("15 days before, Yes") << daysFromToday(-15) << yes << true << today << true;
        QTest::newRow("15 days before, No") << daysFromToday(-15) << no << true << today << false;
        QTest::newRow("14 days after")
            << daysFromToday(14) << yes << false << daysFromToday(14) << false;
        QTest::newRow("15 days after, Yes") << daysFromToday(15) << yes << true << today << true;
        QTest::newRow("15 days after, No") << daysFromToday(15) << no << true << today << false;
        QTest::newRow("years before") << "2019-12-31" << yes << true << today << true;
        // A value that does not read as a date starts the count again instead of keeping
        // the question away for good.
        QTest::newRow("a short date") << "24/02/2031" << yes << false << today << false;
        QTest::newRow("another short date") << "2/24/31" << yes << false << today << false;
        QTest::newRow("a date and a time") << "2031-02-24T10:00" << yes << false << today << false;
        QTest::newRow("no such day") << "2031-02-29" << yes << false << today << false;
        QTest::newRow("removed value") << "" << yes << false << today << false;
    }
    void reminder() {
        QFETCH(QString, stored);
        QFETCH(int, answer);
        QFETCH(bool, asks);
        QFETCH(QString, storedAfter);
        QFETCH(bool, opens);
        if (!stored.isNull())
            store(stored);
        const QByteArray before = onDisk();

        MessageBoxes boxes;
        boxes.queueAnswer(QMessageBox::StandardButton(answer));
        BrowserRecorder browser;
        modHelp::CheckForUpdateReminder();

        QCOMPARE(boxes.shown().size(), asks ? 1 : 0);
        QCOMPARE(dateOnDisk(), storedAfter);
        if (storedAfter == stored)
            QCOMPARE(onDisk(), before); // nothing was written
        const QStringList download{modHelp::PageAddress(QStringLiteral("download-web-page"))};
        QCOMPARE(browser.addresses, opens ? download : QStringList());
    }

    void question() {
        store(daysFromToday(-20));
        MessageBoxes boxes;
        QSize shown, twoLines;
        boxes.whenShown([&](QMessageBox &box) {
            // The lone carriage return breaks the line just as a line feed would.
            QMessageBox reference(box.icon(), box.windowTitle(),
                                  QString(box.text()).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                                  box.standardButtons());
            QLabel *label = textLabel(box);
            QLabel *referenceLabel = textLabel(reference);
            if (label && referenceLabel) {
                shown = label->sizeHint();
                twoLines = referenceLabel->sizeHint();
            }
        });
        modHelp::CheckForUpdateReminder();
        QCOMPARE(boxes.shown().size(), 1);
        const ShownBox box = boxes.shown()[0];
        QCOMPARE(box.text, QStringLiteral("There maybe an update to this software available\r"
                                          "Do you want to check for an update?"));
        QCOMPARE(box.title, QStringLiteral("Quintavel"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
        QCOMPARE(shown, twoLines);
    }

    // The question comes while no window shows; Yes opens the page before the main window.
    void questionComesBeforeTheMainWindow() {
        store(daysFromToday(-20));
        bool mainAtQuestion = true;
        MessageBoxes boxes;
        boxes.whenShown([&](QMessageBox &) { mainAtQuestion = mainWindowShowing(); });
        PageWatch pages;
        startApplication();
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(!mainAtQuestion);
        QCOMPARE(pages.addresses, {modHelp::PageAddress(QStringLiteral("download-web-page"))});
        QVERIFY(!pages.mainAtOpen);
        QVERIFY(mainWindowShowing());
        QCOMPARE(dateOnDisk(), daysFromToday(0));
    }

    // The settings belong to the program's own file name: a date kept under another name
    // does not count, and a program under another name starts as at its first start.
    void anotherFileNameStartsAfresh() {
        SettingsStore::write(QStringLiteral("quintavel"), QStringLiteral("Settings"), kKey,
                             modHelp::EncodeSetting(daysFromToday(-20)));
        const QByteArray other = [] {
            QFile f(SettingsStore::filePath(QStringLiteral("quintavel")));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(SettingsStore::thisApplication() != QStringLiteral("quintavel"));
        modHelp::CheckForUpdateReminder(); // an unexpected question fails the test
        QCOMPARE(dateOnDisk(), daysFromToday(0));
        QFile f(SettingsStore::filePath(QStringLiteral("quintavel")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), other);
    }

    // A store that cannot be written leaves the date as it was, and start-up goes on to the
    // main window; a Yes still opens the download page.
    void unwritableStore_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opens");
        QTest::newRow("first start") << QString() << int(QMessageBox::NoButton) << false;
        QTest::newRow("question, Yes") << daysFromToday(-20) << int(QMessageBox::Yes) << true;
        QTest::newRow("question, No") << daysFromToday(-20) << int(QMessageBox::No) << false;
    }
    void unwritableStore() {
        QFETCH(QString, stored);
        QFETCH(int, answer);
        QFETCH(bool, opens);
        if (!stored.isNull())
            store(stored);
        const QByteArray before = onDisk();
        setConfigWritable(false);
        MessageBoxes boxes;
        if (answer != QMessageBox::NoButton)
            boxes.queueAnswer(QMessageBox::StandardButton(answer));
        BrowserRecorder browser;
        {
            ObeyFilePermissions obey;
            startApplication();
        }
        QCOMPARE(boxes.shown().size(), answer != QMessageBox::NoButton ? 1 : 0);
        QCOMPARE(onDisk(), before);
        QCOMPARE(browser.addresses.size(), opens ? 1 : 0);
        QVERIFY(mainWindowShowing());
    }

    // A damaged file brings no message; it is written anew and the count starts again.
    void damagedFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readable");
        QTest::newRow("binary") << QByteArray("\x01\xff\xfe[[=\0\n]]\x80", 12) << true;
        QTest::newRow("open section") << QByteArray("[Settings\n" + kKey.toLatin1() + "=3") << true;
        QTest::newRow("unreadable") << QByteArray("[Settings]\n") << false;
    }
    void damagedFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, readable);
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        if (!readable)
            f.setPermissions(QFileDevice::WriteOwner);
        MessageBoxes boxes;
        {
            ObeyFilePermissions obey;
            startApplication();
        }
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(mainWindowShowing());
        if (readable)
            QCOMPARE(dateOnDisk(), daysFromToday(0));
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

QUINTAVEL_TEST_MAIN(TestUpdateReminder)
#include "test_updatereminder.moc"
