// Any bytes as the settings file, as a disk, a sync tool or a user can leave it, then the update
// reminder as start-up runs it: it reads the date, decides whether to ask, and keeps today's
// date when it asks or finds no date. A value that is no date counts as missing, and a file
// written back reads cleanly and holds the date alone.

#include "fuzzsupport.h"

#include "app/calendar.h"
#include "app/settingscramble.h"
#include "app/settingsstore.h"
#include "app/updatereminder.h"

#include <QFile>
#include <QLocale>
#include <QSettings>

using namespace TestSupport;

namespace {

const QDate kToday(2024, 3, 1);
const QString kSection = QStringLiteral("Settings");
BrowserRecorder *g_browser = nullptr;
qint64 g_inputs = 0;

QString settingsFile() {
    return SettingsStore::filePath(SettingsStore::thisApplication());
}

QString storedText() {
    try {
        return modHelp::DecodeSetting(SettingsStore::read(
            SettingsStore::thisApplication(), kSection, modHelp::EncodeSetting("Duration")));
    } catch (const SettingsStore::Error &) {
        return {};
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    startFuzzApplication();
    Calendar::setTodaySource([] { return kToday; });
    g_browser = new BrowserRecorder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(settingsFile());
        FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write");
        file.write(bytes);
        // A settings file is read again only when its size or time has changed.
        file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++g_inputs, Qt::UTC),
                         QFileDevice::FileModificationTime);
    }
    const QDate before = QLocale::c().toDate(storedText(), QStringLiteral("yyyy-MM-dd"));

    MessageBoxes boxes;
    const bool yes = size % 2 == 1;
    boxes.queueAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    g_browser->addresses.clear();
    modHelp::CheckForUpdateReminder();

    const bool due = before.isValid() && std::abs(kToday.daysTo(before)) > 14;
    FUZZ_REQUIRE(boxes.shown().size() == (due ? 1 : 0), before.toString().toUtf8());
    FUZZ_REQUIRE(g_browser->addresses.size() == (due && yes ? 1 : 0), "");
    QFile file(settingsFile());
    FUZZ_REQUIRE(file.open(QIODevice::ReadOnly), "the file is gone");
    if (before.isValid() && !due) {
        FUZZ_REQUIRE(file.readAll() == bytes, "a date of the last two weeks was written over");
        return 0;
    }
    const QSettings written(settingsFile(), QSettings::IniFormat);
    FUZZ_REQUIRE(written.status() == QSettings::NoError, file.readAll());
    FUZZ_REQUIRE(storedText() == QStringLiteral("2024-03-01"), file.readAll());
    FUZZ_REQUIRE(written.allKeys() == QStringList{kSection + "/Evsbujpo"}, file.readAll());
    return 0;
}
