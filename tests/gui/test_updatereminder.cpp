#include "testsupport.h"

#include "app/calendar.h"
#include "app/forms.h"
#include "app/settingscramble.h"
#include "app/settingsstore.h"
#include "app/updatereminder.h"
#include "outreach/webpage.h"
#include "reading/frmmain.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>

using namespace TestSupport;

// Fifteen days before it lie in February.
static const QDate kToday(2031, 3, 10);
static const QString kKey = modHelp::EncodeSetting(QStringLiteral("Duration"));
static const QString kDownload = modHelp::PageAddress(QStringLiteral("download-web-page"));

static QString daysFromToday(int days) {
    return kToday.addDays(days).toString(Qt::ISODate);
}

static QSize textSize(QMessageBox &box) {
    const auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    return label ? label->sizeHint() : QSize();
}

static bool mainWindowShowing() {
    return Forms::frmMainLoaded() && Forms::frmMain().isVisible();
}

class TestUpdateReminder : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;

    QString file() const { return SettingsStore::filePath(SettingsStore::thisApplication()); }
    // Read past the store, so that nothing QSettings holds in memory can stand in for the file.
    QByteArray onDisk() const { return keptSettings(SettingsStore::thisApplication()); }
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

private slots:
    // Each test has a configuration directory of its own.
    void init() {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
        forgetSettings(SettingsStore::thisApplication());
        Calendar::setTodaySource([] { return kToday; });
    }
    void cleanup() {
        endApplication();
        Calendar::setTodaySource({});
        QFile::setPermissions(m_config->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);
        m_config.reset();
    }

    void reminder_data() {
        QTest::addColumn<QString>("stored"); // null: never written
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("renews");
        QTest::addColumn<bool>("opens");
        const int yes = QMessageBox::Yes, no = QMessageBox::No;
        QTest::newRow("first start") << QString() << yes << false << true << false;
        QTest::newRow("14 days before") << daysFromToday(-14) << yes << false << false << false;
        QTest::newRow("15 days before, Yes") << daysFromToday(-15) << yes << true << true << true;
        QTest::newRow("15 days before, No") << daysFromToday(-15) << no << true << true << false;
        QTest::newRow("14 days after") << daysFromToday(14) << yes << false << false << false;
        QTest::newRow("15 days after, Yes") << daysFromToday(15) << yes << true << true << true;
        QTest::newRow("15 days after, No") << daysFromToday(15) << no << true << true << false;
        // A value that does not read as a date starts the count again instead of keeping
        // the question away for good.
        QTest::newRow("a short date") << "24/02/2031" << yes << false << true << false;
        QTest::newRow("a date and a time") << "2031-02-24T10:00" << yes << false << true << false;
        QTest::newRow("no such day") << "2031-02-29" << yes << false << true << false;
        QTest::newRow("removed value") << "" << yes << false << true << false;
    }
    void reminder() {
        QFETCH(QString, stored);
        QFETCH(int, answer);
        QFETCH(bool, asks);
        QFETCH(bool, renews);
        QFETCH(bool, opens);
        if (!stored.isNull())
            store(stored);
        const QByteArray before = onDisk();
        MessageBoxes boxes;
        boxes.queueAnswer(QMessageBox::StandardButton(answer));
        BrowserRecorder browser;

        modHelp::CheckForUpdateReminder();

        QCOMPARE(boxes.shown().size(), asks ? 1 : 0);
        if (renews)
            QCOMPARE(dateOnDisk(), daysFromToday(0));
        else
            QCOMPARE(onDisk(), before);
        QCOMPARE(browser.addresses, opens ? QStringList{kDownload} : QStringList());
    }

    void question() {
        store(daysFromToday(-20));
        MessageBoxes boxes;
        QSize shown, twoLines;
        boxes.whenShown([&](QMessageBox &box) {
            // The lone carriage return breaks the line as a line feed would.
            QMessageBox reference(box.icon(), box.windowTitle(), box.text().replace('\r', '\n'),
                                  box.standardButtons());
            shown = textSize(box);
            twoLines = textSize(reference);
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
        QVERIFY(twoLines.isValid());
        QCOMPARE(shown, twoLines);
    }

    // A question answered after midnight keeps the day it was answered on.
    void answeredAfterMidnight() {
        store(daysFromToday(-20));
        MessageBoxes boxes;
        boxes.whenShown(
            [](QMessageBox &) { Calendar::setTodaySource([] { return kToday.addDays(1); }); });
        modHelp::CheckForUpdateReminder();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(dateOnDisk(), daysFromToday(1));
    }

    // The question comes while no window shows; Yes opens the page before the main window.
    void questionComesBeforeTheMainWindow() {
        store(daysFromToday(-20));
        bool mainAtQuestion = true;
        MessageBoxes boxes;
        boxes.whenShown([&](QMessageBox &) { mainAtQuestion = mainWindowShowing(); });
        BrowserRecorder pages;
        bool mainAtOpen = true;
        pages.whenOpened([&] { mainAtOpen = mainWindowShowing(); });
        startApplication();
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(!mainAtQuestion);
        QCOMPARE(pages.addresses, QStringList{kDownload});
        QVERIFY(!mainAtOpen);
        QVERIFY(mainWindowShowing());
    }

    // Start-up goes on to the main window whatever the store does, without a message; a Yes
    // opens the download page although the date cannot be renewed.
    void faultyStore_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QFile::Permissions>("mode");
        QTest::addColumn<bool>("dirWritable");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("healed");
        const QFile::Permissions rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        const QByteArray old = "[Settings]\n" + kKey.toLatin1() + "=" +
                               modHelp::EncodeSetting(daysFromToday(-20)).toLatin1() + "\n";
        QTest::newRow("read-only, first start") << QByteArray() << rw << false << false << false;
        QTest::newRow("read-only, question") << old << rw << false << true << false;
        QTest::newRow("garbage") << QByteArray("\x01\xff\xfe[[=\0\n]]\x80", 12) << rw << true
                                 << false << true;
        // What Qt makes of the readable part is not written back.
        QTest::newRow("garbage around a section")
            << QByteArray("[Setsbujpo=\0\r\n[General][Settings\nx=\n", 36) << rw << true << false
            << true;
        QTest::newRow("unreadable")
            << old << QFile::Permissions(QFileDevice::WriteOwner) << true << false << false;
    }
    void faultyStore() {
        QUINTAVEL_LINUX_ALONE("a settings file that cannot be read or written");
        QFETCH(QByteArray, content);
        QFETCH(QFile::Permissions, mode);
        QFETCH(bool, dirWritable);
        QFETCH(bool, asks);
        QFETCH(bool, healed);
        QFile f(file());
        if (!content.isNull()) {
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
            f.close();
            f.setPermissions(mode);
        }
        if (!dirWritable)
            QFile::setPermissions(m_config->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        MessageBoxes boxes;
        BrowserRecorder browser;
        {
            ObeyFilePermissions obey;
            startApplication();
        }
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(boxes.shown().size(), asks ? 1 : 0);
        QCOMPARE(browser.addresses, asks ? QStringList{kDownload} : QStringList());
        QVERIFY(mainWindowShowing());
        if (healed)
            QCOMPARE(onDisk(), "[Settings]\n" + kKey.toLatin1() + "=" +
                                   modHelp::EncodeSetting(daysFromToday(0)).toLatin1() + "\n");
        else
            QCOMPARE(onDisk(), content.isNull() ? QByteArray() : content);
    }
};

QUINTAVEL_TEST_MAIN(TestUpdateReminder)
#include "test_updatereminder.moc"
