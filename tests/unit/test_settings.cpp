#include "testsupport.h"

#include "app/settingscramble.h"
#include "app/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace modHelp;

static QString latin1(const char *codes, int size) {
    return QString::fromLatin1(codes, size);
}

static QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void encode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("the key") << "Duration"
                                 << "Evsbujpo";
        QTest::newRow("a date") << "2031-03-10"
                                << "3142.14.21";
        QTest::newRow("255 leaves, in place") << latin1("a\xff"
                                                        "b",
                                                        3)
                                              << "bc";
        QTest::newRow("254 is the top that stays") << latin1("\xfe", 1) << latin1("\xff", 1);
        QTest::newRow("code 0") << latin1("\0", 1) << latin1("\x01", 1);
        QTest::newRow("outside Latin-1 as '?'") << QStringLiteral("\u0416") << "@";
    }
    void encode() {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(EncodeSetting(text), encoded);
    }

    void decode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("the key") << "Evsbujpo"
                                 << "Duration";
        QTest::newRow("code 0 leaves, in place") << latin1("b\0c", 3) << "ab";
        QTest::newRow("code 1 is the bottom that stays") << latin1("\x01", 1) << latin1("\0", 1);
        QTest::newRow("code 255") << latin1("\xff", 1) << latin1("\xfe", 1);
    }
    void decode() {
        QFETCH(QString, text);
        QFETCH(QString, decoded);
        QCOMPARE(DecodeSetting(text), decoded);
    }

    void everyCodeInRangeSurvivesTheRoundTrip() {
        QString all;
        for (int code = 0; code <= 255 - kSettingShift; ++code)
            all += QChar(code);
        QCOMPARE(EncodeSetting(all).size(), all.size());
        QCOMPARE(DecodeSetting(EncodeSetting(all)), all);
    }

    void applicationIsTheFileNameWithoutExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("application");
        QTest::newRow("plain") << "/usr/games/quintavel"
                               << "quintavel";
        QTest::newRow("renamed") << "/home/ann/bin/fruity"
                                 << "fruity";
        QTest::newRow("extension") << "quintavel.exe"
                                   << "quintavel";
        QTest::newRow("only the last") << "quintavel.v2.bin"
                                       << "quintavel.v2";
        QTest::newRow("hidden name") << "/opt/.quintavel"
                                     << ".quintavel";
        QTest::newRow("dotted folder") << "/opt/v1.20/quintavel"
                                       << "quintavel";
    }
    void applicationIsTheFileNameWithoutExtension() {
        QFETCH(QString, path);
        QFETCH(QString, application);
        QCOMPARE(SettingsStore::applicationFor(path), application);
    }

    // One INI file per application in the configuration directory, written through at once.
    void storeWritesThroughToItsFile() {
        const QString path = SettingsStore::filePath(QStringLiteral("app1"));
        QCOMPARE(QFileInfo(path).absolutePath(), qEnvironmentVariable("XDG_CONFIG_HOME"));
        QCOMPARE(SettingsStore::read("app1", "Settings", "Evsbujpo"), QString());

        SettingsStore::write("app1", "Settings", "Evsbujpo", "3142.14.21");
        QCOMPARE(fileBytes(path), QByteArray("[Settings]\nEvsbujpo=3142.14.21\n"));
        QCOMPARE(SettingsStore::read("app1", "Settings", "Evsbujpo"), QStringLiteral("3142.14.21"));
        QCOMPARE(SettingsStore::read("app1", "Settings", "Other"), QString());
        QCOMPARE(SettingsStore::read("app2", "Settings", "Evsbujpo"), QString());
    }

    void writeThatIsNotKeptThrows() {
        const QString dir = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/locked");
        QVERIFY(QDir().mkpath(dir));
        qputenv("XDG_CONFIG_HOME", dir.toUtf8());
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        {
            TestSupport::ObeyFilePermissions obey;
            QVERIFY_THROWS_EXCEPTION(SettingsStore::Error,
                                     SettingsStore::write("app3", "Settings", "Evsbujpo", "x"));
        }
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
        qputenv("XDG_CONFIG_HOME", QFileInfo(dir).absolutePath().toUtf8());
        QVERIFY(!QFile::exists(dir + QStringLiteral("/app3.ini")));
    }
};

QUINTAVEL_TEST_MAIN(TestSettings)
#include "test_settings.moc"
