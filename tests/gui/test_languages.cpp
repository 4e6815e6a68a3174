// The program in the user's language: which language the locale leads to, every text of every
// window fitting its place in each language, and the rules that must not change with it.

#include "testsupport.h"

#include "app/forms.h"
#include "app/frmstartup.h"
#include "app/messagebox.h"
#include "app/random.h"
#include "app/translations.h"
#include "outreach/frmabout.h"
#include "outreach/frmfarewell.h"
#include "outreach/tellafriend.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "reading/fruitcatalogue.h"
#include "resources/appearance.h"
#include "windowstates.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <memory>

using namespace TestSupport;

namespace {

const QStringList kLanguages = {QString(), "de", "fr", "es", "pt_BR",
                                "ar",      "hi", "ja", "ru", "zh_CN"};

// The translations of a language in place for as long as they live, as start-up loads them.
std::unique_ptr<Translations> speak(const QString &language) {
    auto translations =
        language.isEmpty()
            ? std::make_unique<Translations>(QStringList{QStringLiteral("C")}, "C.UTF-8")
            : std::make_unique<Translations>(QStringList{language}, (language + ".UTF-8").toUtf8());
    translations->install();
    // The faces the language's script is drawn in, as start-up chooses them.
    for (const QString &family : QFont::substitutions())
        QFont::removeSubstitutions(family);
    Appearance::apply(*qApp, language);
    return translations;
}

QString tagFor(const QString &language) {
    return language.isEmpty() ? QStringLiteral("English") : language;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

    MessageBoxes *boxes = nullptr;
    BrowserRecorder *browser = nullptr;

    // What does not fit, or has a character no face draws, in a window as it shows.
    static QStringList misfits(QWidget &window, const QString &state) {
        QStringList found;
        for (const QString &name : clippedCaptions(&window))
            found << state + QStringLiteral(": ") + name;
        for (const QString &name : missingGlyphs(&window))
            found << state + QStringLiteral(": a missing glyph in ") + name;
        return found;
    }

    // Where each widget the windows' descriptions place stands, by window and name: its
    // rectangle, its container's width, and whether it sizes itself to its content.
    struct Placement {
        QRect rect;
        int containerWidth = 0;
        bool sizesItself = false;
    };
    using Placements = QMap<QString, Placement>;
    static void place(Placements &placements, const QWidget &window) {
        for (const QWidget *widget : window.findChildren<QWidget *>()) {
            const QWidget *container = widget->parentWidget();
            if (widget->isWindow() || widget->objectName().isEmpty() ||
                widget->objectName().startsWith(QLatin1StringView("qt_")) || container->layout())
                continue;
            placements[window.objectName() + '.' + widget->objectName()] = {
                widget->geometry(), container->width(), widget->property("autoSize").toBool()};
        }
    }
    static Placements placeEveryWindow() {
        Placements placements;
        startApplication();
        place(placements, Forms::frmMain());
        Forms::frmMain().ui.txtFirstName->setText(QStringLiteral("ANN"));
        Forms::frmMain().cmdNext_Click();
        place(placements, Forms::frmDisplay());
        FrmAbout about(&Forms::frmDisplay());
        place(placements, about);
        place(placements, Forms::frmFarewell());
        return placements;
    }

private slots:
    void init() {
        boxes = new MessageBoxes;
        browser = new BrowserRecorder;
    }
    void cleanup() {
        endApplication();
        Random::setSource({});
        delete browser;
        delete boxes;
    }

    // As Qt lists the user's languages, most wanted first, for the locale of the row's name.
    void choose_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QByteArray>("messagesLocale");
        QTest::addColumn<QString>("shown");
        auto row = [](const char *name, const char *languages, const char *locale,
                      const char *shown) {
            QTest::newRow(name) << QString::fromLatin1(languages).split(QLatin1Char(' '))
                                << QByteArray(locale) << QString::fromLatin1(shown);
        };
        row("LANG=de_DE.UTF-8", "de-DE de-Latn-DE de", "de_DE.UTF-8", "de");
        row("LANGUAGE=fr:de before LANG", "fr fr-Latn-FR fr-FR de de-Latn-DE de-DE", "de_DE.UTF-8",
            "fr");
        row("LANGUAGE=ko:es, the first one there is", "ko ko-Kore-KR ko-KR es es-Latn-ES",
            "ko_KR.UTF-8", "es");
        row("LANGUAGE=en:de, English first", "en en-Latn-US en-US de de-Latn-DE", "de_DE.UTF-8",
            "");
        row("de_AT, the language without its country", "de-AT de-Latn-AT de", "de_AT.UTF-8", "de");
        row("es_MX", "es-MX es-Latn-MX es", "es_MX.UTF-8", "es");
        row("pt_BR", "pt-BR pt-Latn-BR pt", "pt_BR.UTF-8", "pt_BR");
        row("pt_PT reads Brazilian Portuguese", "pt-PT pt-Latn-PT", "pt_PT.UTF-8", "pt_BR");
        row("a language without a translation", "ko-KR ko-Kore-KR ko", "ko_KR.UTF-8", "");
        row("zh_CN", "zh-CN zh-Hans-CN zh", "zh_CN.UTF-8", "zh_CN");
        row("ar_EG", "ar-EG ar-Arab-EG ar", "ar_EG.UTF-8", "ar");
        row("LANG=C with LANGUAGE=de", "de de-Latn-DE de-DE", "C", "");
        row("C.UTF-8", "C", "C.UTF-8", "");
        row("POSIX", "C", "POSIX", "");
        row("nothing set", "C", "", "");
    }
    void choose() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QByteArray, messagesLocale);
        QFETCH(QString, shown);
        const QStringList available = {"ar", "de", "es", "fr", "hi", "ja", "pt_BR", "ru", "zh_CN"};
        QCOMPARE(Translations::choose(uiLanguages, messagesLocale, available), shown);
        QCOMPARE(Translations::available(), available);
    }

    // Every text each window can show fits its place: all twelve readings, both offers, the
    // four support messages.
    void everyTextFits_data() {
        QTest::addColumn<QString>("language");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(tagFor(language))) << language;
    }
    void everyTextFits() {
        QFETCH(QString, language);
        const auto translations = speak(language);
        QCOMPARE(translations->language(), language);
        QStringList found;
        WindowStates::visit(
            [&](QWidget &window, const QString &state) { found << misfits(window, state); });
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    }

    // The form compares each box with the hint the box shows, in every language: a form sent
    // untouched asks for proper addresses, and with the addresses typed for the name, in the
    // user's language; neither opens anything.
    void hintsInEveryLanguage_data() { everyTextFits_data(); }
    void hintsInEveryLanguage() {
        QFETCH(QString, language);
        const auto translations = speak(language);
        startApplication();
        Forms::frmMain().close();
        settle();
        FrmFarewell &farewell = Forms::frmFarewell();
        const modTellAFriend::Field &name = modTellAFriend::fields()[0];
        QCOMPARE(farewell.ui.txtName->text(), name.hint());
        QCOMPARE(language.isEmpty(), name.hint() == QLatin1StringView("Your Name"));

        QTest::mouseClick(farewell.ui.cmdSubmit, Qt::LeftButton);
        farewell.ui.txtEmail->setText(QStringLiteral("ann@a.example"));
        farewell.ui.txtFriendEmail->setText(QStringLiteral("bob@b.example"));
        QTest::mouseClick(farewell.ui.cmdSubmit, Qt::LeftButton);
        const QStringList expected = {
            QCoreApplication::translate("FrmFarewell", "Please Enter Proper Email Address"),
            name.missing()};
        QCOMPARE(boxes->texts(), expected);
        QCOMPARE(language.isEmpty(), expected[1] == QLatin1StringView("Please Enter Your Name"));
        QVERIFY(browser->addresses.isEmpty());
    }

    // The message boxes' own buttons speak the language too, from Qt's own translations.
    void buttonsOfMessageBoxes_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes");
        // Debian ships no Hindi translation of Qt.
        const QStringList yes = {"&Yes", "&Ja",  "&Oui",     "&Sí", "&Sim",
                                 "&نعم", "&Yes", "はい(&Y)", "&Да", "是(&Y)"};
        for (qsizetype i = 0; i < kLanguages.size(); ++i)
            QTest::newRow(qPrintable(tagFor(kLanguages[i]))) << kLanguages[i] << yes[i];
    }
    void buttonsOfMessageBoxes() {
        QFETCH(QString, language);
        QFETCH(QString, yes);
        const auto translations = speak(language);
        QString shown;
        boxes->whenShown([&](QMessageBox &box) {
            if (QAbstractButton *button = box.button(QMessageBox::Yes))
                shown = button->text();
        });
        modHelp::MsgBox(QStringLiteral("?"), QMessageBox::Information,
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(shown, yes);
    }

    // A language read from right to left, as Qt's layout direction for it says, shows every
    // window as the mirror image of the English one, its menus from the right, its message
    // boxes right to left, and the chooser's arrow keys moving the way they point; any other
    // language shows the English layout as it is.
    void layoutFollowsReadingDirection_data() { everyTextFits_data(); }
    void layoutFollowsReadingDirection() {
        QFETCH(QString, language);
        static const Placements english = [] {
            const auto translations = speak({});
            const Placements placed = placeEveryWindow();
            endApplication();
            return placed;
        }();
        const auto translations = speak(language);
        const bool mirrored = QLocale(language).textDirection() == Qt::RightToLeft;
        QCOMPARE(QGuiApplication::isRightToLeft(), mirrored);
        const Placements placed = placeEveryWindow();
        QCOMPARE(placed.keys(), english.keys());
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const Placement &was = it.value(), &is = placed[it.key()];
            const int leadingEdge =
                mirrored ? is.containerWidth - 1 - is.rect.right() : is.rect.x();
            QVERIFY2(leadingEdge == was.rect.x() && is.rect.y() == was.rect.y() &&
                         (is.sizesItself || is.rect.size() == was.rect.size()),
                     qPrintable(it.key()));
        }

        const QMenuBar *bar = Forms::frmDisplay().menuBar();
        const QList<QAction *> menus = bar->actions();
        QCOMPARE(bar->actionGeometry(menus.first()).x() > bar->actionGeometry(menus.last()).x(),
                 mirrored);
        FrmDisplay &display = Forms::frmDisplay();
        display.showChooserPanel();
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right}) {
            display.picSmallFruit(2)->setFocus();
            QTest::keyClick(&display, key);
            const int moved = display.focusWidget()->x() - display.picSmallFruit(2)->x();
            QVERIFY(key == Qt::Key_Left ? moved < 0 : moved > 0);
        }
        Qt::LayoutDirection boxDirection = Qt::LayoutDirectionAuto;
        boxes->whenShown([&](QMessageBox &box) { boxDirection = box.layoutDirection(); });
        modHelp::MsgBox(QStringLiteral("?"));
        QCOMPARE(boxDirection, mirrored ? Qt::RightToLeft : Qt::LeftToRight);
    }

    // The name box takes the user's own letters in a translation, typed or composed by an input
    // method, and A to Z alone in English. Each step is a key's text ("key:"), a composition
    // still under way ("compose:") or the text an input method commits ("commit:").
    void nameInTheUsersLetters_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("messages");
        const auto row = [](const char *tag, const char *language, QStringList steps,
                            const char *name, int messages) {
            QTest::newRow(tag) << QString::fromUtf8(language) << steps << QString::fromUtf8(name)
                               << messages;
        };
        row("German umlaut", "de", {"key:j", "key:ü", "key:r", "key:g", "key:e", "key:n"}, "JÜRGEN",
            0);
        row("sharp s", "de", {"key:a", "key:ß"}, "Aß", 0);
        row("French dead key", "fr", {"key:z", "key:o", "commit:é"}, "ZOÉ", 0);
        row("Russian", "ru", {"key:и", "key:в", "key:а", "key:н"}, "ИВАН", 0);
        row("Russian digit", "ru", {"key:и", "key:7"}, "И", 1);
        row("Arabic lam-alef key", "ar", {"key:ع", "key:لا"}, "علا", 0);
        row("Arabic digit", "ar", {"key:ع", "key:٣"}, "ع", 1);
        row("Hindi vowel sign", "hi", {"key:क", "key:ि", "key:र", "key:ण"}, "किरण", 0);
        row("Hindi sign after a space", "hi", {"key:क", "key: ", "key:ि"}, "क ", 1);
        row("Japanese input method", "ja", {"compose:さ", "compose:さく", "commit:さくら"},
            "さくら", 0);
        row("composed text with a digit", "ja", {"compose:さ1", "commit:さ1", "key:あ"}, "あ", 1);
        row("Chinese punctuation", "zh_CN", {"commit:李", "commit:。"}, "李", 1);
        row("English A to Z", "", {"key:j", "key:o"}, "JO", 0);
        row("English umlaut", "", {"key:j", "key:ü"}, "J", 1);
        row("English composed accent", "", {"key:z", "commit:é"}, "Z", 1);
    }
    void nameInTheUsersLetters() {
        QFETCH(QString, language);
        QFETCH(QStringList, steps);
        QFETCH(QString, name);
        QFETCH(int, messages);
        const auto translations = speak(language);
        startApplication();
        QLineEdit *box = Forms::frmMain().ui.txtFirstName;
        box->setFocus();
        QCOMPARE(box->testAttribute(Qt::WA_InputMethodEnabled), !language.isEmpty());
        for (const QString &step : steps) {
            const QString text = step.section(QLatin1Char(':'), 1);
            if (step.startsWith(QLatin1StringView("key:"))) {
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
                continue;
            }
            const bool commit = step.startsWith(QLatin1StringView("commit:"));
            QInputMethodEvent event(commit ? QString() : text, {});
            if (commit)
                event.setCommitString(text);
            QApplication::sendEvent(box, &event);
            // What is being composed shows in the box but is not yet its text.
            QVERIFY(commit || !box->text().contains(text));
        }
        QCOMPARE(box->text(), name);
        QCOMPARE(box->displayText(), name);
        QCOMPARE(boxes->shown().size(), messages);
    }
};

QUINTAVEL_TEST_MAIN(TestLanguages)
#include "test_languages.moc"
