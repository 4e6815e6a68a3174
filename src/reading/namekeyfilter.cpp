#include "reading/namekeyfilter.h"

#include <QKeyEvent>

namespace NameKeyFilter {

namespace {

constexpr char32_t kBackspace = 8, kEnter = 13, kSpace = 32, kDelete = 127;
// The space bar of Chinese and Japanese input methods types the full-width space.
constexpr char32_t kIdeographicSpace = 0x3000;

bool isLetterOrMark(char32_t c) {
    return QChar::isLetter(c) || QChar::isMark(c);
}

} // namespace

Letters lettersFor(const QString &language) {
    return language.isEmpty() ? Letters::AToZ : Letters::EveryScript;
}

int typedCode(const QKeyEvent &event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return NoCharacter;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Backspace:
        // Ctrl+Backspace types the delete character, which the box refuses; it never gets as
        // far as deleting a word.
        return event.modifiers() & Qt::ControlModifier ? kDelete : kBackspace;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & (Qt::AltModifier | Qt::MetaModifier))
        return NoCharacter;
    // Ctrl with a letter types that letter's control character (Ctrl+A is 1, Ctrl+V is 22);
    // with a letter of another alphabet, the delete character.
    const QString text = event.text();
    if (mods & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        if (!text.isEmpty() && text.at(0).isLetter())
            return kDelete;
    }
    if (text.isEmpty())
        return NoCharacter;
    return int(text.toUcs4().first());
}

int filter(int code, char32_t before, Letters letters) {
    if (code == kBackspace || code == kEnter || code == kSpace)
        return code;
    if (letters == Letters::AToZ) {
        if (code >= 'a' && code <= 'z')
            return code - 32;
        return code >= 'A' && code <= 'Z' ? code : 0;
    }
    if (code < 0 || code > QChar::LastValidCodePoint)
        return 0;
    const auto c = char32_t(code);
    if (c == kIdeographicSpace)
        return code;
    // The simple case mapping gives one character for one: a letter without a capital of its
    // own, such as ß, stays as it is.
    if (QChar::isLetter(c))
        return int(QChar::toUpper(c));
    if (QChar::isMark(c) && isLetterOrMark(before))
        return code;
    return 0;
}

std::optional<QString> filterText(QStringView text, char32_t before, Letters letters) {
    QString passed;
    for (const char32_t c : text.toUcs4()) {
        const int code = filter(int(c), before, letters);
        if (code == 0 || code == kBackspace || code == kEnter)
            return std::nullopt;
        const auto out = char32_t(code);
        passed += QString::fromUcs4(&out, 1);
        before = c;
    }
    return passed;
}

} // namespace NameKeyFilter
