// The windows ask only for fonts of installed families: a font of a family that is not
// installed costs Qt a search through all the installed fonts for the closest ones, and the
// first window takes as long again to appear.

#include "testsupport.h"

#include "app/forms.h"
#include "outreach/frmabout.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/appearance.h"
#include "resources/clicklabel.h"
#include "resources/fontstandins.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <memory>

using namespace TestSupport;

class TestFonts : public QObject {
    Q_OBJECT

private slots:
    void init() { startApplication(); }
    void cleanup() { endApplication(); }

    void familiesInstalled_data() {
        QTest::addColumn<QString>("window");
        for (const char *window : {"main", "chooser", "farewell", "about"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void familiesInstalled() {
        QFETCH(QString, window);
        std::unique_ptr<FrmAbout> about;
        QWidget *shown = nullptr;
        if (window == QLatin1String("main"))
            shown = &Forms::frmMain();
        else if (window == QLatin1String("chooser"))
            shown = &Forms::frmDisplay();
        else if (window == QLatin1String("farewell"))
            shown = &Forms::frmFarewell();
        else
            shown = (about = std::make_unique<FrmAbout>(&Forms::frmMain())).get();
        // Each widget takes the font its style sheet gives it when it is polished.
        shown->ensurePolished();
        // Widgets the style sheets give no font keep the application's, which is the platform's
        // business.
        const QString platformDefault = QApplication::font().family();
        QStringList missing;
        QList<QWidget *> widgets = shown->findChildren<QWidget *>();
        widgets.prepend(shown);
        for (const QWidget *widget : std::as_const(widgets)) {
            const QString family = widget->font().family();
            if (family != platformDefault && !FontStandIns::installed(family))
                missing << widget->objectName() + QStringLiteral(": ") + family;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    // Japanese draws the Han characters in a Japanese face and Chinese in a Chinese one, Hindi
    // and Arabic their letters in faces that keep them within the line, whatever faces the
    // desktop prefers; Latin keeps a face that draws it.
    void scriptsInTheLanguagesOwnFaces_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("face");
        // Qt keeps the faces it found for a font: each row has a size of its own.
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("ja") << "ja"
                            << "直骨"
                            << "IPAexGothic" << 21;
        QTest::newRow("zh_CN") << "zh_CN"
                               << "直骨"
                               << "WenQuanYi Micro Hei" << 22;
        QTest::newRow("hi") << "hi"
                            << "किरण"
                            << "Noto Sans Devanagari UI" << 23;
        QTest::newRow("ar") << "ar"
                            << "علا"
                            << "Noto Sans Arabic UI" << 24;
    }
    void scriptsInTheLanguagesOwnFaces() {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QString, face);
        QFETCH(int, pixelSize);
        for (const QString &family : QFont::substitutions())
            QFont::removeSubstitutions(family);
        Appearance::apply(*qApp, language);
        endApplication();
        startApplication();
        Forms::frmMain().ensurePolished();
        QFont font = Forms::frmMain().ui.Label2->font();
        font.setPixelSize(pixelSize);
        QTextLayout layout(text + QStringLiteral(" Quintavel"), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QStringList faces;
        for (const QGlyphRun &run : layout.glyphRuns()) {
            QVERIFY(!run.glyphIndexes().contains(0));
            faces << run.rawFont().familyName().toCaseFolded();
        }
        QVERIFY2(faces.contains(QRawFont::fromFont(QFont(face)).familyName().toCaseFolded()),
                 qPrintable(faces.join(QStringLiteral(", "))));
        Appearance::apply(*qApp);
    }

    // A label that sizes itself holds the letters and the underline that a fully hinted face
    // draws below its line, as Windows draws an Arabic fruit name.
    void selfSizingLabelHoldsItsInk() {
        QWidget window;
        window.resize(100, 40);
        auto *label = new ClickLabel(&window);
        QFont font(QStringLiteral("Noto Sans Arabic UI"));
        font.setPixelSize(11);
        font.setBold(true);
        font.setUnderline(true);
        font.setHintingPreference(QFont::PreferFullHinting);
        label->setFont(font);
        label->setAutoSize(true);
        label->setCaption(QStringLiteral("خوخ"));
        window.show();
        QCOMPARE(clippedCaptions(&window), QStringList());
    }
};

QUINTAVEL_TEST_MAIN(TestFonts)
#include "test_fonts.moc"
