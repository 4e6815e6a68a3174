#include "testsupport.h"

#include "app/settingscramble.h"
#include "app/settingsstore.h"

using namespace modHelp;

static QString latin1(const char *codes, int size) {
    return QString::fromLatin1(codes, size);
}

static void addRow(const char *name, const QString &in, const QString &out) {
    QTest::newRow(name) << in << out;
}

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void encode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        addRow("empty", "", "");
        addRow("the key", "Duration", "Evsbujpo");
        addRow("a date", "2031-03-10", "3142.14.21");
        addRow("255 leaves, in place", latin1("a\xff", 2) + "b", "bc");
        addRow("254 is the top that stays", latin1("\xfe", 1), latin1("\xff", 1));
        addRow("code 0", latin1("\0", 1), latin1("\x01", 1));
        addRow("outside Latin-1 as '?'", QStringLiteral("\u0416"), "@");
    }
    void encode() {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(EncodeSetting(text), encoded);
    }

    void decode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("decoded");
        addRow("empty", "", "");
        addRow("the key", "Evsbujpo", "Duration");
        addRow("code 0 leaves, in place", latin1("b\0c", 3), "ab");
        addRow("code 1 is the bottom that stays", latin1("\x01", 1), latin1("\0", 1));
        addRow("code 255", latin1("\xff", 1), latin1("\xfe", 1));
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
        addRow("plain", "/usr/games/quintavel", "quintavel");
        addRow("extension", "quintavel.exe", "quintavel");
        addRow("only the last", "/opt/v1.20/quintavel.v2.bin", "quintavel.v2");
        addRow("hidden name", "/opt/.quintavel", ".quintavel");
    }
    void applicationIsTheFileNameWithoutExtension() {
        QFETCH(QString, path);
        QFETCH(QString, application);
        QCOMPARE(SettingsStore::applicationFor(path), application);
    }

    // One INI file per application in the configuration directory, or one registry key per
    // application where Windows programs of its kind keep theirs, written through at once.
    void storeWritesThroughToItsPlace() {
        TestSupport::forgetSettings("app1");
        QCOMPARE(SettingsStore::read("app1", "Settings", "Evsbujpo"), QString());

        SettingsStore::write("app1", "Settings", "Evsbujpo", "3142.14.21");
        QCOMPARE(TestSupport::keptSettings("app1"),
                 QByteArray("[Settings]\nEvsbujpo=3142.14.21\n"));
        QCOMPARE(SettingsStore::read("app1", "Settings", "Evsbujpo"), QStringLiteral("3142.14.21"));
        QCOMPARE(SettingsStore::read("app1", "Settings", "Other"), QString());
        QCOMPARE(SettingsStore::read("app2", "Settings", "Evsbujpo"), QString());
    }
};

QUINTAVEL_TEST_MAIN(TestSettings)
#include "test_settings.moc"
