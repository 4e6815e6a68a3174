#pragma once

class QWidget;

namespace TypedOnly {

// The box takes typed keys only: it tells the desktop's input method that it takes no text
// from it, so that every character comes as a key press. Turning the widget's input-method
// attribute off is not enough: a line edit still says yes when asked.
void refuseInputMethods(QWidget *box);

} // namespace TypedOnly
