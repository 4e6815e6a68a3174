// A long run of random use, as an impatient user with a cat on the keyboard would give it:
// keys of every kind, clicks anywhere, menus, hand-overs, Back, closes of any window, starts
// again weeks later, with every message answered as it comes. After every event the
// application must still hold together.
//
// It runs a few fixed seeds that together reach every window and every message a user can
// bring up, and then one seed from the clock: for the rest of about 15 seconds, or for
// QUINTAVEL_SOAK_EVENTS events. Each run prints its seed and length, and QUINTAVEL_SOAK_SEED
// with QUINTAVEL_SOAK_EVENTS replays that run alone, event for event, on any machine and
// however busy it is: the seed decides the application's own draws and the days too, and the
// run waits for states, never for the clock. A fault, a crash and a run that stops
// moving print the seed and the last events at once.

#include "testsupport.h"

#include "app/forms.h"
#include "app/quietmessages.h"
#include "outreach/frmabout.h"
#include "outreach/webpage.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"

#include "app/calendar.h"
#include "app/random.h"
#include "app/settingsstore.h"
#include "outreach/frmfarewell.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QUrlQuery>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <set>
#include <unistd.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using namespace TestSupport;

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// Keys a user can press: letters, digits and punctuation, control characters and Ctrl and Alt
// combinations, letters outside ASCII, and the keys that move and edit.
QList<Key> keyboard() {
    QList<Key> keys;
    for (char c = 'a'; c <= 'z'; ++c) {
        const Qt::Key key = Qt::Key(Qt::Key_A + (c - 'a'));
        keys.append({key, {}, QString(QLatin1Char(c))});
        keys.append({key, Qt::ShiftModifier, QString(QLatin1Char(c)).toUpper()});
        keys.append({key, Qt::ControlModifier, QString(QChar(c - 'a' + 1))});
        keys.append({key, Qt::AltModifier, QString(QLatin1Char(c))});
    }
    for (char c : QByteArray("0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"))
        keys.append({Qt::Key(QChar(c).toUpper().unicode()), {}, QString(QLatin1Char(c))});
    for (const QString &s : {QStringLiteral("é"), QStringLiteral("ß"), QStringLiteral("Ж"),
                             QStringLiteral("日"), QStringLiteral("€")})
        keys.append({Qt::Key_unknown, {}, s});
    keys.append({Qt::Key_Backspace, {}, QStringLiteral("\b")});
    keys.append({Qt::Key_Backspace, Qt::ControlModifier, QStringLiteral("\x7f")});
    keys.append({Qt::Key_Delete, {}, QStringLiteral("\x7f")});
    keys.append({Qt::Key_Delete, Qt::ControlModifier, {}});
    keys.append({Qt::Key_Return, {}, QStringLiteral("\r")});
    keys.append({Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r")});
    keys.append({Qt::Key_Escape, {}, QStringLiteral("\x1b")});
    keys.append({Qt::Key_Tab, {}, QStringLiteral("\t")});
    keys.append({Qt::Key_Backtab, Qt::ShiftModifier, {}});
    keys.append({Qt::Key_Space, {}, QStringLiteral(" ")});
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                      Qt::Key_End, Qt::Key_PageUp, Qt::Key_F1, Qt::Key_F10, Qt::Key_Alt})
        keys.append({k, {}, {}});
    return keys;
}

// Fixed seeds and their length: together they bring up the hand-over, Back, the About
// window, the farewell window, the update question and every message a user can reach.
struct FixedRun {
    quint64 seed;
    int events;
};
constexpr FixedRun kFixedRuns[] = {{1, 600}, {5, 600}, {20, 600}, {32, 600}};
constexpr auto kBudget = std::chrono::seconds(15);
// Every run starts on the same day, so that a run replays across midnight too.
const QDate kFirstDay(2024, 3, 1);

// What reaches the output however the run ends: the seed and the last events, kept as plain
// bytes that a signal handler or the sanitizers' last words can write as they stand.
char g_report[16384];

void writeReport(const char *why) {
    const auto put = [](const char *text) {
        for (size_t left = std::strlen(text); left > 0;) {
            const ssize_t n = ::write(STDOUT_FILENO, text, left);
            if (n <= 0)
                return;
            text += n;
            left -= size_t(n);
        }
    };
    put("soak: ");
    put(why);
    put("\n");
    put(g_report);
    put("\n");
}

extern "C" void onFatalSignal(int signal) {
    writeReport("the run crashed");
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" void onSanitizerDeath() {
    writeReport("a sanitizer stopped the run");
}
#endif

// A run in which no event has finished for a minute (a handler that never returns) ends with
// its report, before the test's own time limit would kill it unheard. Windows has no alarm
// signal, nor a bus error: there the test's time limit ends a stalled run.
constexpr unsigned kStalledSeconds = 60;
#ifdef SIGALRM
extern "C" void onStall(int) {
    writeReport("no event has finished for a minute; the run is stuck");
    std::_Exit(1);
}
void watchForStall(unsigned seconds) {
    std::signal(SIGALRM, onStall);
    ::alarm(seconds);
}
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
#else
void watchForStall(unsigned) {}
constexpr int kFatalSignals[] = {SIGSEGV, SIGFPE, SIGILL, SIGABRT};
#endif

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

    std::mt19937_64 random;
    // The application's own draws (the offer in front, the farewell message) come from the
    // run's seed too, from a generator of their own so that they do not shift the user's.
    std::mt19937_64 applicationRandom;
    QList<Key> keys = keyboard();
    QStringList recent;
    QString failure;
    quint64 seed = 0;
    int events = 0;
    int wanted = 0;
    QDeadlineTimer runsOut;
    int daysLater = 0;
    int checkedAddresses = 0;
    bool mainShowed = false, chooserShowed = false;
    std::set<QString> reached, reachedByFixedRuns;
    MessageBoxes *boxes = nullptr;
    BrowserRecorder *browser = nullptr;
    QuietMessages *quiet = nullptr;
    QElapsedTimer soakTime;

    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); }
    template <class T> T pick(const QList<T> &from) { return from.at(below(int(from.size()))); }

    // The windows a user can reach now: the modal one when one is up, else all that show.
    QList<QWidget *> reachable() const {
        if (QWidget *modal = QApplication::activeModalWidget())
            return {modal};
        QList<QWidget *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && !qobject_cast<QMenu *>(w))
                shown << w;
        // Qt keeps its windows in a hash: by name, they come in the same order in every run.
        std::sort(shown.begin(), shown.end(),
                  [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
        return shown;
    }

    void pressKey() {
        const Key k = pick(keys);
        QWidget *target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        // While a modal window is up the desktop hands it every key, as Qt itself does with
        // the keys of a real keyboard; a key sent past it to a window it blocks would do what
        // no user can, such as closing the window the modal one was opened from.
        if (QWidget *modal = QApplication::activeModalWidget();
            modal && target && target->window() != modal)
            target = modal->focusWidget();
        if (!target && !reachable().isEmpty())
            target = reachable().first();
        if (!target)
            return;
        recent << QStringLiteral("key %1+%2 %3 to %4")
                      .arg(int(k.modifiers), 0, 16)
                      .arg(k.key, 0, 16)
                      .arg(k.text.toHtmlEscaped(), target->objectName());
        const QPointer<QWidget> guard(target);
        QTest::sendKeyEvent(QTest::Press, target, k.key, k.text, k.modifiers);
        if (guard)
            QTest::sendKeyEvent(QTest::Release, target, k.key, k.text, k.modifiers);
    }

    void clickSomewhere() {
        const QList<QWidget *> windows = reachable();
        if (windows.isEmpty())
            return;
        QWidget *window = pick(windows);
        // A click in a window makes it the active one, as the desktop does.
        window->activateWindow();
        QList<QWidget *> targets{window};
        for (QWidget *w : window->findChildren<QWidget *>())
            if (w->isVisible() && !w->visibleRegion().isEmpty())
                targets << w;
        QWidget *target = pick(targets);
        const QRect area = target->visibleRegion().boundingRect();
        if (area.isEmpty())
            return;
        const QPoint at(area.x() + below(area.width()), area.y() + below(area.height()));
        recent << QStringLiteral("click %1 at %2,%3")
                      .arg(target->objectName())
                      .arg(at.x())
                      .arg(at.y());
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
    }

    void chooseFromMenu() {
        if (QApplication::activeModalWidget())
            return pressKey();
        QList<QAction *> actions;
        for (QWidget *window : reachable())
            for (QAction *a : window->findChildren<QAction *>())
                if (!a->isSeparator() && !a->menu())
                    actions << a;
        if (actions.isEmpty())
            return;
        QAction *action = pick(actions);
        recent << QStringLiteral("menu %1").arg(action->objectName());
        action->trigger();
    }

    void closeAWindow() {
        const QList<QWidget *> windows = reachable();
        if (windows.isEmpty())
            return;
        QWidget *window = pick(windows);
        recent << QStringLiteral("close %1").arg(window->objectName());
        window->close();
    }

    void handOverOrBack() {
        if (QApplication::activeModalWidget())
            return pressKey();
        if (Forms::frmMainLoaded() && Forms::frmMain().isVisible()) {
            recent << QStringLiteral("hand-over");
            QTest::mouseClick(Forms::frmMain().ui.cmdNext, Qt::LeftButton);
        } else if (Forms::frmDisplayLoaded() && Forms::frmDisplay().isVisible()) {
            recent << QStringLiteral("back");
            QTest::mouseClick(Forms::frmDisplay().ui.cmdBack, Qt::LeftButton);
        }
    }

    void oneEvent() {
        const int roll = below(100);
        if (roll < 55)
            pressKey();
        else if (roll < 80)
            clickSomewhere();
        else if (roll < 88)
            chooseFromMenu();
        else if (roll < 94)
            handOverOrBack();
        else if (roll < 97)
            fillTheForm();
        else
            closeAWindow();
        ++events;
        if (recent.size() > 25)
            recent.removeFirst();
    }

    // The user copies a text in another program, clicks into a box here and pastes it with
    // Ctrl+V: a name, an address, or what a form field does not expect.
    void pasteInto(QWidget *box) {
        static const QStringList texts = {
            QStringLiteral("Ann Lee"),         QStringLiteral("ann@example.org"),
            QStringLiteral("bob@example.net"), QStringLiteral("  spaced @ out.  "),
            QStringLiteral("a&b=c#d+e"),       QStringLiteral("line one\nline two"),
            QStringLiteral("Zoë & Jürgen"),    QString()};
        const QString text = pick(texts);
        recent
            << QStringLiteral("paste \"%1\" into %2").arg(text.toHtmlEscaped(), box->objectName());
        QApplication::clipboard()->setText(text);
        box->window()->activateWindow();
        const QPointer<QWidget> guard(box);
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        if (!guard || QApplication::activeModalWidget())
            return;
        QTest::sendKeyEvent(QTest::Press, box, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
        if (guard)
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_V, QString(QChar(22)),
                                Qt::ControlModifier);
    }

    // The user clicks into a box and deletes all that it holds.
    void emptyBox(QWidget *box) {
        recent << QStringLiteral("empty %1").arg(box->objectName());
        box->window()->activateWindow();
        const QPointer<QWidget> guard(box);
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        for (const auto &[key, modifiers] :
             {std::pair{Qt::Key_A, Qt::ControlModifier}, std::pair{Qt::Key_Delete, Qt::NoModifier}})
            if (guard && !QApplication::activeModalWidget())
                QTest::keyClick(box, key, modifiers);
    }

    // The user fills in or empties some boxes of the refer-a-friend form and sends it.
    void fillTheForm() {
        if (QApplication::activeModalWidget() || !Forms::frmFarewellLoaded() ||
            !Forms::frmFarewell().isVisible())
            return clickSomewhere();
        const QPointer<FrmFarewell> farewell(&Forms::frmFarewell());
        for (QWidget *box : std::initializer_list<QWidget *>{
                 farewell->ui.txtName, farewell->ui.txtEmail, farewell->ui.txtMessage,
                 farewell->ui.txtFriendName, farewell->ui.txtFriendEmail}) {
            if (const int what = below(3); what == 1)
                pasteInto(box);
            else if (what == 2)
                emptyBox(box);
            if (!farewell || QApplication::activeModalWidget())
                return;
        }
        recent << QStringLiteral("send the form");
        QTest::mouseClick(farewell->ui.cmdSubmit, Qt::LeftButton);
    }

    // The user starts the program again, at times weeks later.
    void startAgain() {
        if (below(2) == 0) {
            daysLater += 15 + below(30);
            Calendar::setTodaySource([days = daysLater] { return kFirstDay.addDays(days); });
        }
        recent << QStringLiteral("start again, %1 days on").arg(daysLater);
        startApplication();
    }

    // What must hold after every event.
    QString broken() const {
        const bool mainShows = Forms::frmMainLoaded() && Forms::frmMain().isVisible();
        const bool chooserShows = Forms::frmDisplayLoaded() && Forms::frmDisplay().isVisible();
        if (mainShows && chooserShows)
            return QStringLiteral("the main and chooser windows show together");
        static const QRegularExpression capitalsAndSpaces(QStringLiteral("^[A-Z ]*$"));
        if (Forms::frmMainLoaded() &&
            !capitalsAndSpaces.match(Forms::frmMain().ui.txtFirstName->text()).hasMatch())
            return QStringLiteral("the name box holds \"%1\"")
                .arg(Forms::frmMain().ui.txtFirstName->text());
        const QString prefix = modHelp::SiteBaseAddress + QStringLiteral("/quintavel/ssd.php?");
        for (const QString &address : browser->addresses.mid(checkedAddresses)) {
            const QString key = QUrlQuery(QUrl(address).query()).queryItems().value(0).second;
            if (!address.startsWith(prefix + QStringLiteral("page=")) ||
                !modHelp::PageKeys().contains(key))
                return QStringLiteral("opened %1").arg(address);
        }
        if (QApplication::topLevelWidgets().size() > 16)
            return QStringLiteral("%1 top-level windows live")
                .arg(QApplication::topLevelWidgets().size());
        return {};
    }

    // The windows the run has brought up so far.
    void noteWhatShows() {
        const bool mainShows = Forms::frmMainLoaded() && Forms::frmMain().isVisible();
        const bool chooserShows = Forms::frmDisplayLoaded() && Forms::frmDisplay().isVisible();
        if (mainShowed && chooserShows)
            reached.insert(QStringLiteral("hand-over"));
        if (chooserShowed && mainShows)
            reached.insert(QStringLiteral("Back"));
        mainShowed = mainShows;
        chooserShowed = chooserShows;
        if (qobject_cast<FrmAbout *>(QApplication::activeModalWidget()))
            reached.insert(QStringLiteral("the About window"));
        if (Forms::frmFarewellLoaded() && Forms::frmFarewell().isVisible())
            reached.insert(QStringLiteral("the farewell window"));
    }

    void keepReport() {
        const QString report = QStringLiteral("seed %1, after event %2 of %3 "
                                              "(QUINTAVEL_SOAK_SEED=%1 QUINTAVEL_SOAK_EVENTS=%2 "
                                              "replays it); the last events:\n    %4")
                                   .arg(seed)
                                   .arg(events)
                                   .arg(wanted)
                                   .arg(recent.join(QStringLiteral("\n    ")));
        const QByteArray bytes = report.toUtf8().right(sizeof g_report - 1);
        std::memcpy(g_report, bytes.constData(), size_t(bytes.size()) + 1);
    }

    // A button pressed with its access key (Alt+X) stays down for a moment and clicks on a
    // timer of its own. The user waits for it to come up before the next event, so that what
    // happens in between depends on the seed alone, not on how busy the machine is.
    static void waitForButtonsUp() {
        const auto held = [] {
            const QWidgetList widgets = QApplication::allWidgets();
            return std::any_of(widgets.begin(), widgets.end(), [](QWidget *w) {
                const auto *button = qobject_cast<QAbstractButton *>(w);
                return button && button->isDown();
            });
        };
        while (held())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    bool over() const { return events >= wanted || !failure.isEmpty(); }

    void step() {
        if (over()) {
            // The run is over. A modal window that the last event opened holds the wait for
            // that below its own loop: it closes, or the test would wait for it for ever.
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        oneEvent();
        waitForButtonsUp();
        settle();
        if (Forms::loadedWindows().isEmpty())
            startAgain();
        noteWhatShows();
        keepReport();
        watchForStall(kStalledSeconds);
        const QString what = broken();
        checkedAddresses = int(browser->addresses.size());
        if (!what.isEmpty())
            failure = what;
        else if (runsOut.hasExpired())
            failure = QStringLiteral("the run did not end within the test's time");
        if (!failure.isEmpty())
            writeReport(qPrintable(failure));
    }

    void run(quint64 runSeed, int length) {
        seed = runSeed;
        wanted = length;
        events = 0;
        failure.clear();
        recent.clear();
        reached.clear();
        random.seed(seed);
        applicationRandom.seed(~seed);
        std::printf("soak: %d events from seed %llu (QUINTAVEL_SOAK_SEED=%llu "
                    "QUINTAVEL_SOAK_EVENTS=%d replays it)\n",
                    wanted, static_cast<unsigned long long>(seed),
                    static_cast<unsigned long long>(seed), wanted);
        std::fflush(stdout);
        QApplication::clipboard()->clear();
        boxes->clear();
        browser->addresses.clear();
        checkedAddresses = 0;
        daysLater = 0;
        Calendar::setTodaySource([] { return kFirstDay; });
        Random::setSource([this] { return double(applicationRandom() >> 11) * 0x1.0p-53; });
        // Each run starts as a first start, so that it replays alone as it ran among others.
        forgetSettings(SettingsStore::thisApplication());

        startApplication();
        mainShowed = chooserShowed = false;
        // Two drivers: one for the windows, and one that goes on while a modal window holds
        // the first inside its own event loop (a timer never fires inside its own handler).
        // Only one of them steps at any time, the first while no modal window is up and the
        // second while one is, so which of them fires first changes nothing.
        QTimer windows, modal;
        connect(&windows, &QTimer::timeout, this, [this] { step(); });
        connect(&modal, &QTimer::timeout, this, [this] {
            if (QApplication::activeModalWidget())
                step();
        });
        windows.start(0);
        modal.start(0);
        while (!over())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        windows.stop();
        modal.stop();
        while (QWidget *m = QApplication::activeModalWidget())
            m->close();
        settle();
        for (const QString &address : browser->addresses)
            if (address.contains(QStringLiteral("page=twvs-refer-a-friend&")))
                reached.insert(QStringLiteral("a referral sent"));
        for (const QString &text : boxes->texts())
            reached.insert(QStringLiteral("\"%1\"").arg(
                QString(text).replace(QLatin1Char('\r'), QStringLiteral("\\r"))));
        QStringList all(reached.begin(), reached.end());
        std::printf("soak: %d events, %lld message boxes answered, %lld pages opened; reached "
                    "%s\n",
                    events, static_cast<long long>(boxes->shown().size()),
                    static_cast<long long>(browser->addresses.size()),
                    qPrintable(all.join(QStringLiteral(", "))));
        std::fflush(stdout);
        endApplication();
        Calendar::setTodaySource({});
        Random::setSource({});
        QVERIFY2(
            failure.isEmpty(),
            qPrintable(
                QStringLiteral("seed %1 after event %2: %3").arg(seed).arg(events).arg(failure)));
    }

    // A run asked for by its seed is replayed alone.
    static bool replay() { return qEnvironmentVariableIsSet("QUINTAVEL_SOAK_SEED"); }

private slots:
    void initTestCase() {
        soakTime.start();
        const int limit = qEnvironmentVariableIntValue("QUINTAVEL_SOAK_TIMEOUT");
        runsOut = limit > 60 ? QDeadlineTimer(std::chrono::seconds(limit - 30))
                             : QDeadlineTimer(QDeadlineTimer::Forever);
        for (int signal : kFatalSignals)
            std::signal(signal, onFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(onSanitizerDeath);
#endif
        // The offscreen platform remarks on every menu it cannot grab the keyboard for.
        quiet = new QuietMessages;
        boxes = new MessageBoxes;
        browser = new BrowserRecorder;
    }
    void cleanupTestCase() {
        watchForStall(0);
        delete browser;
        delete boxes;
        delete quiet;
        Calendar::setTodaySource({});
    }

    void randomUse_data() {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("length"); // 0: until the time is up
        const int asked = qEnvironmentVariableIntValue("QUINTAVEL_SOAK_EVENTS");
        if (replay()) {
            QTest::newRow("replay") << qEnvironmentVariable("QUINTAVEL_SOAK_SEED").toULongLong()
                                    << (asked > 0 ? asked : 20000);
            return;
        }
        for (const FixedRun &run : kFixedRuns)
            QTest::addRow("seed %llu", static_cast<unsigned long long>(run.seed))
                << run.seed << run.events;
        QTest::newRow("seed from the clock")
            << quint64(QDateTime::currentMSecsSinceEpoch()) << std::max(asked, 0);
    }
    void randomUse() {
        QFETCH(quint64, seed);
        QFETCH(int, length);
        if (length == 0) {
            // As many events as fit the rest of the time, at the pace of the runs before.
            const double perEvent = double(soakTime.elapsed()) / std::max(1, totalEvents);
            const auto left = std::chrono::milliseconds(kBudget).count() - soakTime.elapsed();
            length = std::max(500, int(double(left) / std::max(perEvent, 0.01)));
        }
        run(seed, length);
        totalEvents += events;
        if (QByteArrayView(QTest::currentDataTag()).startsWith("seed ") &&
            QByteArrayView(QTest::currentDataTag()) != "seed from the clock")
            reachedByFixedRuns.insert(reached.begin(), reached.end());
    }

    // The fixed seeds earn their place: between them they bring up every window and every
    // message a user can. When a change to the program moves them off, choose new ones: run
    // candidates with QUINTAVEL_SOAK_SEED and QUINTAVEL_SOAK_EVENTS and read what each reached.
    void fixedSeedsReachEverything() {
        if (replay())
            QSKIP("a replay of one run");
        QStringList missing;
        for (const QString &wanted : everything())
            if (!reachedByFixedRuns.count(wanted))
                missing << wanted;
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("the fixed seeds no longer reach: ") +
                                               missing.join(QStringLiteral(", "))));
    }

private:
    int totalEvents = 0;
    static QStringList everything();
};

QStringList TestSoak::everything() {
    QStringList all = {QStringLiteral("hand-over"), QStringLiteral("Back"),
                       QStringLiteral("the About window"), QStringLiteral("the farewell window"),
                       QStringLiteral("a referral sent")};
    // The form checks both addresses before the other fields, so that no address can be missing
    // by then: the messages for a missing address never show.
    for (const char *text :
         {"Please Enter Only Alphabet", "Please Enter Your Name",
          "There maybe an update to this software available\\rDo you want to check for an update?",
          "Email Address Cannot Contain Space", "Please Enter Distinct Email Addresses",
          "Please Enter Proper Email Address", "Please Enter Your Message",
          "Please Enter Your Friend's Name"})
        all << QStringLiteral("\"%1\"").arg(QString::fromUtf8(text));
    return all;
}

QUINTAVEL_TEST_MAIN(TestSoak)
#include "test_soak.moc"
