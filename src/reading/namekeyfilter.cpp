#include "reading/namekeyfilter.h"

#include <QKeyEvent>

namespace NameKeyFilter {

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
        return 13;
    case Qt::Key_Backspace:
        // Ctrl+Backspace types the delete character, which the box refuses; it never gets as
        // far as deleting a word.
        return event.modifiers() & Qt::ControlModifier ? 127 : 8;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & (Qt::AltModifier | Qt::MetaModifier))
        return NoCharacter;
    // Ctrl with a letter types that letter's control character (Ctrl+A is 1, Ctrl+V is 22).
    if ((mods & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event.text();
    if (text.isEmpty())
        return NoCharacter;
    return text.at(0).unicode();
}

int filter(int code) {
    if (code >= 'a' && code <= 'z')
        return code - 32;
    if (code >= 'A' && code <= 'Z')
        return code;
    if (code == 8 || code == 13 || code == 32)
        return code;
    return 0;
}

} // namespace NameKeyFilter
