#pragma once

class QKeyEvent;

// The first-name box takes capital letters, spaces, backspace and Enter only.
namespace NameKeyFilter {

// The character code a key press types, or NoCharacter for keys that type none (arrows,
// Home, End, Delete, Tab, Shift, keys held with Alt).
inline constexpr int NoCharacter = -1;
int typedCode(const QKeyEvent &event);

// What the box receives for a typed character code: a to z become A to Z; A to Z, space,
// backspace and Enter pass; anything else gives 0, a refused keystroke.
int filter(int code);

} // namespace NameKeyFilter
