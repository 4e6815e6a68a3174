// Any sequence of key presses into the name box of the real main window, in English and in
// German: the box holds only characters that the key filter lets in as they are, A to Z in
// English and the letters of every script in German, and a keystroke brings at most one
// message and, with it, leaves the box as it was. Text from an input method goes in too
// whenever the box takes it, as a desktop's input method sends it: in German, not in English.

#include "fuzzsupport.h"

#include "app/translations.h"
#include "reading/frmmain.h"
#include "reading/namekeyfilter.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>

using namespace TestSupport;

namespace {

FrmMain *g_english = nullptr;
FrmMain *g_german = nullptr;
std::optional<Translations> g_germanTexts;

void speak(bool german) {
    if (german == g_germanTexts.has_value())
        return;
    if (german) {
        g_germanTexts.emplace(QStringList{QStringLiteral("de")}, "de_DE.UTF-8");
        g_germanTexts->install();
    } else {
        g_germanTexts.reset();
    }
}

// The keys that edit and move, with the text a keyboard gives each; the keys that type a
// character carry any text (a layout's, a compose sequence's), but for a letter held with Ctrl.
const std::pair<Qt::Key, const char *> kEditingKeys[] = {
    {Qt::Key_Backspace, "\b"}, {Qt::Key_Delete, "\x7f"}, {Qt::Key_Return, "\r"},
    {Qt::Key_Enter, "\r"},     {Qt::Key_Escape, "\x1b"}, {Qt::Key_Tab, "\t"},
    {Qt::Key_Backtab, ""},     {Qt::Key_Left, ""},       {Qt::Key_Home, ""},
    {Qt::Key_Insert, ""},      {Qt::Key_Undo, ""},       {Qt::Key_Paste, ""},
    {Qt::Key_Cut, ""},         {Qt::Key_Shift, ""},      {Qt::Key_Alt, ""}};

QString text(FuzzedDataProvider &input, size_t longest) {
    const std::string bytes = input.ConsumeRandomLengthString(longest);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// Characters the filter lets in as they are (it gives 0 for one it refuses) where the box's
// language takes them. A mark passes after a letter, which a later edit may take away.
bool allowed(const QString &text, NameKeyFilter::Letters letters) {
    const QList<uint> characters = text.toUcs4();
    return std::all_of(characters.begin(), characters.end(), [letters](uint c) {
        return c != 0 && NameKeyFilter::filter(int(c), U'A', letters) == int(c);
    });
}

// Whether the desktop's input method may send text to the box, asked as Qt asks it.
bool takesInputMethods(QWidget *box) {
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(box, &query);
    return query.value(Qt::ImEnabled).toBool();
}

// One keystroke, or one commit of an input method.
void typeInto(QLineEdit *box, FuzzedDataProvider &input) {
    if (input.ConsumeBool() && takesInputMethods(box)) {
        QInputMethodEvent commit(text(input, 8), {});
        commit.setCommitString(text(input, 16));
        QCoreApplication::sendEvent(box, &commit);
        return;
    }
    const auto modifiers =
        Qt::KeyboardModifiers(int(input.ConsumeIntegral<uint8_t>() & 0x1f) << 25);
    int key = Qt::Key_unknown;
    QString typed;
    if (input.ConsumeBool()) {
        const auto [editing, itsText] = input.PickValueInArray(kEditingKeys);
        key = editing;
        typed = QString::fromLatin1(itsText);
    } else {
        key = input.ConsumeBool() ? input.ConsumeIntegralInRange(0x20, 0xffff) : Qt::Key_unknown;
        typed = text(input, 4);
        // Held with Ctrl, a letter types its control character.
        if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
            typed = QChar(key - Qt::Key_A + 1);
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, typed);
    QCoreApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, typed);
    QCoreApplication::sendEvent(box, &release);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    startFuzzApplication();
    speak(true);
    g_german = new FrmMain;
    speak(false);
    g_english = new FrmMain;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    const bool german = input.ConsumeBool();
    speak(german);
    QLineEdit *box = (german ? g_german : g_english)->ui.txtFirstName;
    box->clear();
    // What a paste brings in is not typed; the clipboard stays empty.
    QApplication::clipboard()->clear();
    MessageBoxes boxes;
    const QString refused = FrmMain::tr("Please Enter Only Alphabet");
    while (input.remaining_bytes() > 0) {
        const QString before = box->text();
        const qsizetype shown = boxes.shown().size();
        typeInto(box, input);
        const qsizetype messages = boxes.shown().size() - shown;
        FUZZ_REQUIRE(messages <= 1, boxes.texts().join('|').toUtf8());
        FUZZ_REQUIRE(messages == 0 || (boxes.texts().last() == refused && box->text() == before),
                     (before + " -> " + box->text()).toUtf8());
        FUZZ_REQUIRE(allowed(box->text(), german ? NameKeyFilter::Letters::EveryScript
                                                  : NameKeyFilter::Letters::AToZ),
                     box->text().toUtf8().toHex(' '));
    }
    return 0;
}
