// Every window keeps the look it was laid out with whatever palette the desktop gives the
// application, and every text in it stands out from what is drawn behind it.

#include "testsupport.h"

#include "contrast.h"
#include "windowstates.h"

#include "resources/appearance.h"

using namespace TestSupport;

class TestPalettes : public QObject {
    Q_OBJECT

    const QPalette m_desktop = QApplication::palette();
    QHash<QString, QImage> m_laidOut;

    // Every window in every state as drawn under a palette that the application is given once
    // its main window is up, so that it reaches a window shown and the windows made later.
    QHash<QString, QImage> drawn(const QPalette &palette, QStringList *faint = nullptr) {
        QHash<QString, QImage> shots;
        WindowStates::visit([&](QWidget &window, const QString &state) {
            if (shots.isEmpty())
                QApplication::setPalette(palette);
            shots.insert(state, window.grab().toImage());
            for (const Contrast::Text &text :
                 faint ? Contrast::texts(window) : QList<Contrast::Text>())
                if (!text.readable())
                    *faint << state + QStringLiteral(": ") + text.describe();
        });
        endApplication();
        QApplication::setPalette(m_desktop);
        return shots;
    }

private slots:
    // The look the windows were laid out with is the one Qt's own palette gives, and in it
    // every text is readable: 4.5 : 1 at least, 3 : 1 for large text.
    void initTestCase() {
        // Where no desktop gives one, Qt's own palette is the windows' palette, in the colours a
        // screen shows.
        const QPalette windows = Appearance::windowPalette();
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto g = QPalette::ColorGroup(group);
                const auto r = QPalette::ColorRole(role);
                if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME"))
                    QCOMPARE(m_desktop.color(g, r).rgba(), windows.color(g, r).rgba());
            }
        }
        if (qgetenv("GTK_THEME").endsWith(":dark"))
            QVERIFY2(m_desktop.color(QPalette::Window).lightness() < 128,
                     "GTK's dark palette did not reach Qt: no GTK platform theme?");
        QStringList faint;
        m_laidOut = drawn(windows, &faint);
        // Both offers, the four menus, the chooser with and without a focus mark, the twelve
        // readings, the About window and the four farewell messages.
        QCOMPARE(m_laidOut.size(), 25);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral("; "))));
    }

    void everyWindowKeepsItsLook_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("the desktop's") << m_desktop;
        for (const auto &[name, palette] : WindowStates::desktopPalettes())
            QTest::newRow(qPrintable(name)) << palette;
    }
    void everyWindowKeepsItsLook() {
        QFETCH(QPalette, palette);
        const QHash<QString, QImage> shots = drawn(palette);
        QStringList changed;
        for (auto state = m_laidOut.cbegin(); state != m_laidOut.cend(); ++state)
            if (shots.value(state.key()) != state.value())
                changed << state.key();
        changed.sort();
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QStringLiteral(", "))));
    }
};

QUINTAVEL_TEST_MAIN(TestPalettes)
#include "test_palettes.moc"
