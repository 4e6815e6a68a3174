#include "testsupport.h"

#include "reading/namekeyfilter.h"

#include <QKeyEvent>

class TestNameKeyFilter : public QObject {
    Q_OBJECT

private slots:
    // Every boundary of the letter ranges, and the three other codes that pass.
    void filter_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("passed");
        QTest::newRow("a") << int('a') << int('A');
        QTest::newRow("z") << int('z') << int('Z');
        QTest::newRow("A") << int('A') << int('A');
        QTest::newRow("Z") << int('Z') << int('Z');
        QTest::newRow("backspace") << 8 << 8;
        QTest::newRow("enter") << 13 << 13;
        QTest::newRow("space") << 32 << 32;
        QTest::newRow("@ before A") << int('@') << 0;
        QTest::newRow("[ after Z") << int('[') << 0;
        QTest::newRow("` before a") << int('`') << 0;
        QTest::newRow("{ after z") << int('{') << 0;
        QTest::newRow("digit") << int('0') << 0;
        QTest::newRow("escape") << 27 << 0;
        QTest::newRow("tab") << 9 << 0;
        QTest::newRow("ctrl+v") << 22 << 0;
        QTest::newRow("delete") << 127 << 0;
        QTest::newRow("e acute") << 0xE9 << 0;
        QTest::newRow("capital e acute") << 0xC9 << 0;
        QTest::newRow("beyond Latin-1") << 0x410 << 0;
    }
    void filter() {
        QFETCH(int, code);
        QFETCH(int, passed);
        QCOMPARE(NameKeyFilter::filter(code), passed);
    }

    void typedCode_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        const int none = NameKeyFilter::NoCharacter;
        QTest::newRow("letter") << int(Qt::Key_J) << 0 << "j" << int('j');
        QTest::newRow("shifted letter")
            << int(Qt::Key_J) << int(Qt::ShiftModifier) << "J" << int('J');
        QTest::newRow("accented") << int(Qt::Key_Eacute) << 0 << QString(QChar(0xE9)) << 0xE9;
        QTest::newRow("ctrl+v without text")
            << int(Qt::Key_V) << int(Qt::ControlModifier) << "" << 22;
        QTest::newRow("ctrl+a as X sends it")
            << int(Qt::Key_A) << int(Qt::ControlModifier) << "\x01" << 1;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "" << 27;
        QTest::newRow("return") << int(Qt::Key_Return) << 0 << "\r" << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "" << 13;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
        QTest::newRow("ctrl+backspace types delete")
            << int(Qt::Key_Backspace) << int(Qt::ControlModifier) << "\x7f" << 127;
        QTest::newRow("ctrl+h types backspace")
            << int(Qt::Key_H) << int(Qt::ControlModifier) << "\b" << 8;
        QTest::newRow("tab moves focus") << int(Qt::Key_Tab) << 0 << "\t" << none;
        QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "" << none;
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "\x7f" << none;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << 0 << "" << none;
        QTest::newRow("home") << int(Qt::Key_Home) << 0 << "" << none;
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << "" << none;
        QTest::newRow("alt+q") << int(Qt::Key_Q) << int(Qt::AltModifier) << "q" << none;
    }
    void typedCode() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(NameKeyFilter::typedCode(event), code);
    }
};

QUINTAVEL_TEST_MAIN(TestNameKeyFilter)
#include "test_namekeyfilter.moc"
