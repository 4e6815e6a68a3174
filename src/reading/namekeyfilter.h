#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class QKeyEvent;

// The first-name box takes letters, spaces, backspace and Enter only. In English, and where the
// locale is C or POSIX, the letters are A to Z, typed a to z becoming capitals. In a translation
// they are the letters of every script, each its capital where its script has one, with the marks
// that belong to the letter before them (vowel signs, viramas, harakat, accents).
namespace NameKeyFilter {

enum class Letters { AToZ, EveryScript };

// The letters the box takes when the windows speak this language ("de", "ja"; empty for
// English).
Letters lettersFor(const QString &language);

// The character a key press types, as a Unicode code point, or NoCharacter for keys that type
// none (arrows, Home, End, Delete, Tab, Shift, keys held with Alt). Ctrl with a letter types a
// control character.
inline constexpr int NoCharacter = -1;
int typedCode(const QKeyEvent &event);

// What the box receives for a typed character that follows `before` (the character before the
// caret, 0 at the start of the box): the character or its capital, backspace and Enter as they
// are, or 0 for a refused keystroke.
int filter(int code, char32_t before = 0, Letters letters = Letters::AToZ);

// Text that reaches the box whole, as an input method composes it: the text the box receives
// (each letter its capital), or nothing when any of it is refused.
std::optional<QString> filterText(QStringView text, char32_t before, Letters letters);

} // namespace NameKeyFilter
