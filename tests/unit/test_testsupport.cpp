// The test support itself: a message box that no test expected must fail the test that brought
// it, with its text, and must never wait for a user who is not there.

#include "testsupport.h"

#include "app/messagebox.h"

class TestTestSupport : public QObject {
    Q_OBJECT

private slots:
    void anUnexpectedBoxFailsAtOnce() {
        QEXPECT_FAIL("", "an unexpected box is a failure of the test that brought it", Continue);
        const auto answer = modHelp::MsgBox(QStringLiteral("Surprise"), QMessageBox::Information,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        QCOMPARE(answer, QMessageBox::No);
    }

    void aScopedAnswererGivesWayToTheDefaultAgain() {
        {
            TestSupport::MessageBoxes boxes;
            boxes.queueAnswer(QMessageBox::Yes);
            QCOMPARE(modHelp::MsgBox(QStringLiteral("Expected"), QMessageBox::Information,
                                     QMessageBox::Yes | QMessageBox::No),
                     QMessageBox::Yes);
            QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Expected")});
        }
        QEXPECT_FAIL("", "after the scope a box is unexpected again", Continue);
        modHelp::MsgBox(QStringLiteral("Too late"));
        QVERIFY(true);
    }
};

QUINTAVEL_TEST_MAIN(TestTestSupport)
#include "test_testsupport.moc"
