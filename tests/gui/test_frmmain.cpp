#include "testsupport.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace TestSupport;

class TestFrmMain : public QObject {
    Q_OBJECT

    FrmMain *main = nullptr;
    QLineEdit *box = nullptr;

private slots:
    void init() {
        startApplication();
        main = &Forms::frmMain();
        box = main->ui.txtFirstName;
        QVERIFY(QTest::qWaitForWindowActive(main));
    }
    void cleanup() { endApplication(); }

    void opensAsLaidOut() {
        QCOMPARE(main->windowTitle(), QString(kVersionCaption));
        QCOMPARE(main->centralWidget()->size(), QSize(496, 241));
        QCOMPARE(main->minimumSize(), main->maximumSize());
        QVERIFY(!(main->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!main->windowIcon().isNull());
        // The focus starts on the unseen Exit button, below the client area.
        QCOMPARE(QApplication::focusWidget(), main->ui.cmdExit);
        QVERIFY(main->ui.cmdExit->geometry().top() >= main->centralWidget()->height());
        // Both offer labels share one rectangle.
        QCOMPARE(main->ui.lblCobrand->geometry(), main->ui.lblFullBrand->geometry());
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Frame2") << "Frame2"
                                << "centralwidget" << QRect(0, 0, 7455, 615);
        QTest::newRow("Label61") << "Label61"
                                 << "Frame2" << QRect(120, 120, 7200, 465);
        QTest::newRow("cmdExit") << "cmdExit"
                                 << "centralwidget" << QRect(5040, 5640, 2085, 315);
        QTest::newRow("fraName") << "fraName"
                                 << "centralwidget" << QRect(0, 600, 7455, 2205);
        QTest::newRow("Frame1") << "Frame1"
                                << "fraName" << QRect(120, 1080, 7245, 1005);
        QTest::newRow("cmdNext") << "cmdNext"
                                 << "Frame1" << QRect(3840, 330, 3165, 405);
        QTest::newRow("txtFirstName") << "txtFirstName"
                                      << "Frame1" << QRect(720, 360, 2985, 345);
        QTest::newRow("Label2") << "Label2"
                                << "fraName" << QRect(120, 240, 7245, 645);
        QTest::newRow("Frame5") << "Frame5"
                                << "centralwidget" << QRect(0, 2760, 7455, 855);
        QTest::newRow("lblFullBrand") << "lblFullBrand"
                                      << "Frame5" << QRect(120, 160, 7185, 615);
        QTest::newRow("lblCobrand") << "lblCobrand"
                                    << "Frame5" << QRect(120, 160, 7185, 615);
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        auto *widget = main->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), pixelsOf(twips));
    }

    // Within a container the widget listed first lies in front.
    void stackingOrder_data() {
        QTest::addColumn<QStringList>("frontToBack");
        QTest::newRow("window") << QStringList{"Frame2", "cmdExit", "fraName", "Frame5"};
        QTest::newRow("fraName") << QStringList{"Frame1", "Label2"};
        QTest::newRow("Frame1") << QStringList{"cmdNext", "txtFirstName", "Label1"};
    }
    void stackingOrder() {
        QFETCH(QStringList, frontToBack);
        QWidget *parent = main->findChild<QWidget *>(frontToBack.first())->parentWidget();
        QCOMPARE(TestSupport::frontToBack(parent, frontToBack), frontToBack);
    }

    void tabOrder() {
        QCOMPARE(QApplication::focusWidget(), main->ui.cmdExit);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), main->ui.cmdNext);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), main->ui.cmdExit);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), main->ui.cmdNext);
    }

    void menus() {
        const QList<QAction *> bar = main->menuBar()->actions();
        QStringList captions;
        for (QAction *a : bar)
            captions << a->text();
        QCOMPARE(captions, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
        QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("nuFile"));
        QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("mnuHelp"));
        QVERIFY(!bar[2]->menu() && !bar[3]->menu());
        QStringList help;
        for (QAction *a : bar[1]->menu()->actions())
            help << (a->isSeparator() ? a->objectName() + ":-" : a->text());
        QCOMPARE(help,
                 (QStringList{"&Online Help", "&Visit Us Online", "mnuFileSep1:-",
                              "&Check for Software Update", "mnuFileSep2:-", "&About Software"}));
        for (QAction *a : main->findChildren<QAction *>())
            QVERIFY2(a->shortcut().isEmpty() && !a->isCheckable() && a->isEnabled(),
                     qPrintable(a->objectName()));
    }

    void lettersBecomeCapitals() {
        MessageBoxes boxes;
        box->setFocus();
        QTest::keyClicks(box, "john");
        QCOMPARE(box->text(), QStringLiteral("JOHN"));
        QTest::keyClick(box, Qt::Key_Space);
        QTest::keyClicks(box, "Smith");
        QCOMPARE(box->text(), QStringLiteral("JOHN SMITH"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("JOHN SMIT"));
        // Enter passes to the box and neither hands over nor complains.
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(!Forms::frmDisplayLoaded());
        QVERIFY(main->isVisible());
    }

    void refusedKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("digit") << int(Qt::Key_5) << 0 << "5";
        QTest::newRow("hyphen") << int(Qt::Key_Minus) << 0 << "-";
        QTest::newRow("apostrophe") << int(Qt::Key_Apostrophe) << 0 << "'";
        QTest::newRow("accented letter") << int(Qt::Key_Eacute) << 0 << QString(QChar(0xE9));
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b";
        QTest::newRow("ctrl+a") << int(Qt::Key_A) << int(Qt::ControlModifier) << "";
        QTest::newRow("ctrl+c") << int(Qt::Key_C) << int(Qt::ControlModifier) << "";
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << "";
        QTest::newRow("ctrl+x") << int(Qt::Key_X) << int(Qt::ControlModifier) << "";
        QTest::newRow("ctrl+z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "";
        QTest::newRow("ctrl+backspace")
            << int(Qt::Key_Backspace) << int(Qt::ControlModifier) << "\x7f";
    }
    void refusedKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        box->setFocus();
        QTest::keyClicks(box, "ann");
        box->setCursorPosition(1);
        box->setModified(false);

        MessageBoxes boxes;
        QTest::sendKeyEvent(QTest::Press, box, Qt::Key(key), text,
                            Qt::KeyboardModifiers(modifiers));
        QTest::sendKeyEvent(QTest::Release, box, Qt::Key(key), text,
                            Qt::KeyboardModifiers(modifiers));

        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please Enter Only Alphabet")});
        QCOMPARE(boxes.shown()[0].icon, QMessageBox::Information);
        QCOMPARE(boxes.shown()[0].title, QStringLiteral("Quintavel"));
        QCOMPARE(boxes.shown()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box->text(), QStringLiteral("ANN"));
        QCOMPARE(box->cursorPosition(), 1);
        QVERIFY(!box->hasSelectedText());
    }

    // A letter held with Alt that is no accelerator types nothing, and brings no message.
    void altLetterTypesNothing() {
        MessageBoxes boxes;
        box->setFocus();
        QTest::keyClicks(box, "ann");
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_K, QStringLiteral("k"), Qt::AltModifier);
        QCOMPARE(box->text(), QStringLiteral("ANN"));
        QVERIFY(boxes.shown().isEmpty());
    }

    // Ctrl+H is a backspace, whatever the box would make of it.
    void ctrlHIsABackspace() {
        MessageBoxes boxes;
        box->setFocus();
        QTest::keyClicks(box, "ann");
        QTest::keyClick(box, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("AN"));
        QVERIFY(boxes.shown().isEmpty());
    }

    // Keys that type no character pass to the box untouched.
    void editingKeysPass() {
        MessageBoxes boxes;
        box->setFocus();
        QTest::keyClicks(box, "abc");
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Shift);
        QTest::keyClicks(box, "d");
        QCOMPARE(box->text(), QStringLiteral("BCD"));
        QVERIFY(boxes.shown().isEmpty());
    }

    void emptyNameIsRefused() {
        MessageBoxes boxes;
        main->ui.cmdNext->setFocus();
        QTest::mouseClick(main->ui.cmdNext, Qt::LeftButton);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
        QCOMPARE(boxes.shown()[0].icon, QMessageBox::Information);
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(main->isVisible());
        QVERIFY(!Forms::frmDisplayLoaded());

        main->ui.cmdExit->setFocus();
        main->ui.mnuNext->trigger();
        QCOMPARE(boxes.shown().size(), 2);
        QCOMPARE(QApplication::focusWidget(), box);
    }

    // A paste from the context menu is not typed, so it is not filtered.
    void pastedTextIsOnlyCheckedForPresence() {
        MessageBoxes boxes;
        box->setText(QStringLiteral("o'neil 2"));
        QVERIFY(main->ValidateFirstName());
        QVERIFY(boxes.shown().isEmpty());
    }

    void closingShowsFarewellAndKeepsRunning_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("title bar") << "title bar";
        QTest::newRow("Exit button by Alt+X") << "alt+x";
        QTest::newRow("Exit menu item") << "menu";
    }
    void closingShowsFarewellAndKeepsRunning() {
        QFETCH(QString, how);
        const int endsBefore = processEnds();
        if (how == "title bar")
            main->close();
        else if (how == "alt+x")
            QTest::keyClick(main, Qt::Key_X, Qt::AltModifier);
        else
            main->ui.mnuExit->trigger();
        // A button pressed by its access key clicks after a short animation.
        QTRY_VERIFY(!Forms::frmMainLoaded());
        settle();
        QVERIFY(Forms::frmFarewellLoaded());
        QVERIFY(Forms::frmFarewell().isVisible());
        QCOMPARE(processEnds(), endsBefore);
    }

    void aboutIsModal() {
        bool sawModalAbout = false;
        // The timer goes with this test, should the window never open.
        QObject thisTest;
        QTimer::singleShot(0, &thisTest, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            sawModalAbout = modal && modal->objectName() == "frmAbout";
            if (modal)
                modal->close();
        });
        main->ui.mnuAbout->trigger();
        QVERIFY(sawModalAbout);
        settle();
        QVERIFY(!main->findChild<QWidget *>("frmAbout"));
    }
};

QUINTAVEL_TEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
