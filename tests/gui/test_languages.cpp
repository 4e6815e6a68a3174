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

    // What does not fit, in each state a window can show.
    QStringList misfits(QWidget &window, const QString &state) {
        window.show();
        settle();
        QStringList found;
        for (const QString &name : clippedCaptions(&window))
            found << state + QStringLiteral(": ") + name;
        return found;
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
        startApplication();
        FrmMain &main = Forms::frmMain();
        QStringList found;
        for (const auto offer : {FrmMain::Offer::CoBrand, FrmMain::Offer::FullBrand}) {
            main.bringOfferToFront(offer);
            found << misfits(main, QStringLiteral("main window"));
        }
        main.ui.txtFirstName->setText(QStringLiteral("ANN"));
        main.cmdNext_Click();
        FrmDisplay &display = Forms::frmDisplay();
        found << misfits(display, QStringLiteral("chooser"));
        for (int fruit = 0; fruit < FruitCatalogue::count; ++fruit) {
            display.picSmallFruit_Click(fruit);
            found << misfits(display, FruitCatalogue::displayName(fruit));
        }
        FrmAbout about(&display);
        found << misfits(about, QStringLiteral("About window"));
        about.close();
        for (int message = 0; message < 4; ++message) {
            Random::setSource([message] { return (message + 0.5) / 4; });
            FrmFarewell &farewell = Forms::frmFarewell();
            found << misfits(farewell, QStringLiteral("farewell window %1").arg(message));
            farewell.close();
            settle();
        }
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
};

QUINTAVEL_TEST_MAIN(TestLanguages)
#include "test_languages.moc"
