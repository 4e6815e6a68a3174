#include "testsupport.h"

#include "reading/namekeyfilter.h"

#include <QKeyEvent>

class TestNameKeyFilter : public QObject {
    Q_OBJECT

private slots:
    // In English: every boundary of the letter ranges, and the three other codes that pass. In a
    // translation: the letters of every script, the marks that belong to a letter, and nothing
    // else.
    void filter_data() {
        QTest::addColumn<bool>("everyScript");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("passed");
        const auto english = [](const char *name, int code, int passed) {
            QTest::newRow(name) << false << 0 << code << passed;
        };
        english("a", 'a', 'A');
        english("z", 'z', 'Z');
        english("A", 'A', 'A');
        english("Z", 'Z', 'Z');
        english("backspace", 8, 8);
        english("enter", 13, 13);
        english("space", 32, 32);
        english("@ before A", '@', 0);
        english("[ after Z", '[', 0);
        english("` before a", '`', 0);
        english("{ after z", '{', 0);
        english("digit", '0', 0);
        english("escape", 27, 0);
        english("tab", 9, 0);
        english("ctrl+v", 22, 0);
        english("delete", 127, 0);
        english("e acute", 0xE9, 0);
        english("capital e acute", 0xC9, 0);
        english("beyond Latin-1", 0x410, 0);
        english("ideographic space", 0x3000, 0);
        english("a combining accent after a letter", 0x301, 0);

        const auto translated = [](const char *name, int before, int code, int passed) {
            QTest::newRow(name) << true << before << code << passed;
        };
        translated("u umlaut", 'J', 0xFC, 0xDC);
        translated("sharp s has no single capital", 'A', 0xDF, 0xDF);
        translated("Cyrillic", 0, 0x44F, 0x42F);
        translated("Greek final sigma", 0x391, 0x3C2, 0x3A3);
        translated("Arabic fatha after a letter", 0x645, 0x64E, 0x64E);
        translated("Devanagari vowel sign after a letter", 0x915, 0x93F, 0x93F);
        translated("virama after a vowel sign", 0x93F, 0x94D, 0x94D);
        translated("combining acute after e", 'E', 0x301, 0x301);
        translated("a mark at the start", 0, 0x93F, 0);
        translated("a mark after a space", ' ', 0x301, 0);
        translated("hiragana", 0, 0x3055, 0x3055);
        translated("katakana prolonged sound mark", 0x30B5, 0x30FC, 0x30FC);
        translated("Han beyond the basic plane", 0, 0x20000, 0x20000);
        translated("ideographic space", 0x674E, 0x3000, 0x3000);
        translated("digit", 0, '7', 0);
        translated("Arabic-Indic digit", 0x645, 0x663, 0);
        translated("Devanagari digit", 0x915, 0x967, 0);
        translated("roman numeral twelve", 0, 0x216B, 0);
        translated("apostrophe", 'O', '\'', 0);
        translated("ideographic full stop", 0x674E, 0x3002, 0);
        translated("emoji", 0, 0x1F34E, 0);
        translated("zero width joiner", 0x915, 0x200D, 0);
        translated("ctrl+v", 0, 22, 0);
        translated("a lone surrogate", 0, 0xD800, 0);
        translated("beyond Unicode", 0, 0x110000, 0);
    }
    void filter() {
        QFETCH(bool, everyScript);
        QFETCH(int, before);
        QFETCH(int, code);
        QFETCH(int, passed);
        const auto letters =
            everyScript ? NameKeyFilter::Letters::EveryScript : NameKeyFilter::Letters::AToZ;
        QCOMPARE(NameKeyFilter::filter(code, char32_t(before), letters), passed);
    }

    // Composed text passes whole, each letter its capital, or not at all (no text).
    void filterText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("passed");
        const auto row = [](const char *name, const char *text, const char *passed) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(passed);
        };
        row("kana", "さくら", "さくら");
        row("Han and a space", "李 小龙", "李 小龙");
        row("e and its accent", "e\u0301", "E\u0301");
        row("Devanagari with vowel sign and virama", "क्षिति", "क्षिति");
        row("Arabic with harakat", "مُحَمَّد", "مُحَمَّد");
        row("beyond the basic plane", "𠀀", "𠀀");
        row("a digit among letters", "さくら1", nullptr);
        row("full-width punctuation", "李。", nullptr);
        row("a mark after a space", "a \u0301", nullptr);
        row("a line break", "an\nn", nullptr);
    }
    void filterText() {
        QFETCH(QString, text);
        QFETCH(QString, passed);
        const std::optional<QString> result =
            NameKeyFilter::filterText(text, 0, NameKeyFilter::Letters::EveryScript);
        QCOMPARE(result.value_or(QString()), passed);
        QCOMPARE(result.has_value(), !passed.isNull());
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
        QTest::newRow("ctrl with a Cyrillic letter types delete")
            << 0x444 << int(Qt::ControlModifier) << QString(QChar(0x444)) << 127;
        QTest::newRow("beyond the basic plane") << 0 << 0 << "𠀀" << 0x20000;
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
