#include "app/updatereminder.h"

#include "app/calendar.h"
#include "app/messagebox.h"
#include "app/settingscramble.h"
#include "app/settingsstore.h"
#include "outreach/webpage.h"

#include <QCoreApplication>
#include <QLocale>
#include <exception>

namespace modHelp {

static constexpr QLatin1StringView kSection("Settings");
static constexpr QLatin1StringView kDurationKey("Duration");
// An ISO date: no change of the user's date format or locale makes it unreadable.
static constexpr QLatin1StringView kDateFormat("yyyy-MM-dd");
static constexpr qint64 kQuietDays = 14;

static QString storedDate() {
    return DecodeSetting(SettingsStore::read(SettingsStore::thisApplication(), kSection,
                                             EncodeSetting(kDurationKey)));
}

// The date of the moment of writing: a question answered after midnight keeps the new day.
static void storeToday() {
    SettingsStore::write(SettingsStore::thisApplication(), kSection, EncodeSetting(kDurationKey),
                         EncodeSetting(QLocale::c().toString(Calendar::today(), kDateFormat)));
}

void CheckForUpdateReminder() {
    const QDate today = Calendar::today();
    const QDate stored = QLocale::c().toDate(storedDate(), kDateFormat);
    // A value that does not read as a date counts as missing: were it kept, the question
    // would never come again.
    if (!stored.isValid()) {
        storeToday();
        return;
    }
    const qint64 days = today.daysTo(stored);
    if (days >= -kQuietDays && days <= kQuietDays)
        return;

    // The message box breaks the line at the lone carriage return: the question shows on two
    // lines.
    const bool wantsUpdate =
        //: A message box with Yes and No, at start-up once two weeks have passed. The lone
        //: carriage return breaks the line: keep one between the two sentences.
        MsgBox(QCoreApplication::translate("modHelp",
                                           "There maybe an update to this software available\r"
                                           "Do you want to check for an update?"),
               QMessageBox::Information, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes) == QMessageBox::Yes;
    std::exception_ptr notKept;
    try {
        storeToday();
    } catch (...) {
        notKept = std::current_exception();
    }
    // The user asked for the page: a date that could not be kept does not take it away.
    if (wantsUpdate)
        OpenWebPage(QStringLiteral("download-web-page"));
    if (notKept)
        std::rethrow_exception(notKept);
}

} // namespace modHelp
