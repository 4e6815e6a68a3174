#include "testsupport.h"

#include "app/forms.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace TestSupport;

// Enter, on the main keys or the keypad, presses the push button that has the focus.
class TestEnterKey : public QObject {
    Q_OBJECT

private slots:
    void init() { startApplication(); }
    void cleanup() { endApplication(); }

    void pressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        for (const char *button : {"cmdNext", "cmdBack", "cmdSubmit", "Check1", "cmdClose"}) {
            QTest::addRow("%s, Return", button) << button << int(Qt::Key_Return);
            QTest::addRow("%s, keypad Enter", button) << button << int(Qt::Key_Enter);
        }
    }
    void pressesTheFocusedButton() {
        QFETCH(QString, button);
        QFETCH(int, key);
        MessageBoxes boxes;
        BrowserRecorder browser;
        FrmMain &main = Forms::frmMain();
        main.ui.txtFirstName->setText(QStringLiteral("ANN"));
        QWidget *window = &main;
        if (button == QLatin1String("cmdBack")) {
            main.cmdNext_Click();
            window = &Forms::frmDisplay();
        } else if (button != QLatin1String("cmdNext")) {
            window = &Forms::frmFarewell();
            window->show();
        }
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *pushButton = window->findChild<QPushButton *>(button);
        QVERIFY(pushButton);
        pushButton->setFocus();

        QSignalSpy pressed(pushButton, &QPushButton::clicked);
        QTest::keyClick(pushButton, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(pressed.count(), 1);
    }
};

QUINTAVEL_TEST_MAIN(TestEnterKey)
#include "test_enterkey.moc"
