// The windows ask only for fonts of installed families: a font of a family that is not
// installed costs Qt a search through all the installed fonts for the closest ones, and the
// first window takes as long again to appear.

#include "testsupport.h"

#include "app/forms.h"
#include "outreach/frmabout.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "resources/fontstandins.h"

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
};

QUINTAVEL_TEST_MAIN(TestFonts)
#include "test_fonts.moc"
