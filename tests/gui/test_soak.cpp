// A long run of random use, as an impatient user with a cat on the keyboard would give it:
// keys of every kind, clicks anywhere, menus, hand-overs, Back, closes of any window, with
// every message answered as it comes. After every event the application must still hold
// together. The run prints its seed; QUINTAVEL_SOAK_SEED replays it, QUINTAVEL_SOAK_EVENTS
// sets its length.

#include "testsupport.h"

#include "app/forms.h"
#include "app/quietmessages.h"
#include "outreach/frmabout.h"
#include "outreach/webpage.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"

#include <QClipboard>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QUrlQuery>
#include <cstdio>
#include <random>

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

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

    std::mt19937_64 random;
    QList<Key> keys = keyboard();
    QStringList recent;
    QString failure;
    int events = 0;
    int wanted = 0;
    MessageBoxes *boxes = nullptr;
    BrowserRecorder *browser = nullptr;

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
        return shown;
    }

    void pressKey() {
        const Key k = pick(keys);
        QWidget *target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
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
        else if (roll < 96)
            handOverOrBack();
        else
            closeAWindow();
        ++events;
        if (recent.size() > 25)
            recent.removeFirst();
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
        for (const QString &address : browser->addresses) {
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

    void step() {
        if (events >= wanted || !failure.isEmpty()) {
            // The run is over. A modal window that the last event opened holds the wait for
            // that below its own loop: it closes, or the test would wait for it for ever.
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        oneEvent();
        settle();
        if (Forms::loadedWindows().isEmpty()) {
            recent << QStringLiteral("start again");
            startApplication();
        }
        if (const QString what = broken(); !what.isEmpty())
            failure = QStringLiteral("after event %1: %2\n  the last events:\n    %3")
                          .arg(events)
                          .arg(what, recent.join(QStringLiteral("\n    ")));
    }

private slots:
    void randomUse() {
        const quint64 seed = qEnvironmentVariableIsSet("QUINTAVEL_SOAK_SEED")
                                 ? qEnvironmentVariable("QUINTAVEL_SOAK_SEED").toULongLong()
                                 : quint64(QDateTime::currentMSecsSinceEpoch());
        wanted = qEnvironmentVariableIntValue("QUINTAVEL_SOAK_EVENTS");
        if (wanted <= 0)
            wanted = 20000;
        std::printf("soak: %d events from seed %llu (QUINTAVEL_SOAK_SEED=%llu replays it)\n",
                    wanted, static_cast<unsigned long long>(seed),
                    static_cast<unsigned long long>(seed));
        std::fflush(stdout);
        random.seed(seed);
        QApplication::clipboard()->clear();

        // The offscreen platform remarks on every menu it cannot grab the keyboard for.
        QuietMessages quiet;
        boxes = new MessageBoxes;
        browser = new BrowserRecorder;
        startApplication();
        // Two drivers: one for the windows, and one that goes on while a modal window holds
        // the first inside its own event loop (a timer never fires inside its own handler).
        QTimer windows, modal;
        connect(&windows, &QTimer::timeout, this, [this] { step(); });
        connect(&modal, &QTimer::timeout, this, [this] {
            if (QApplication::activeModalWidget())
                step();
        });
        windows.start(0);
        modal.start(0);
        QTRY_VERIFY_WITH_TIMEOUT(events >= wanted || !failure.isEmpty(), 30 * 60 * 1000);
        windows.stop();
        modal.stop();
        while (QWidget *m = QApplication::activeModalWidget())
            m->close();
        settle();
        QVERIFY2(failure.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(failure)));
        std::printf("soak: %d events, %lld message boxes answered, %lld pages opened, %d ends\n",
                    events, static_cast<long long>(boxes->shown().size()),
                    static_cast<long long>(browser->addresses.size()), processEnds());
        endApplication();
        delete browser;
        delete boxes;
    }
};

QUINTAVEL_TEST_MAIN(TestSoak)
#include "test_soak.moc"
