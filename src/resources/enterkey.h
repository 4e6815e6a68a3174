#pragma once

class QPushButton;

namespace EnterKey {

// Enter and Return press the button while it has the focus, as Space does. Qt does that only
// for the auto-default buttons of dialogs; outside a dialog such a button would also take on
// the default button's look whenever it has the focus, so the windows keep their look this way.
void pressesButton(QPushButton *button);

} // namespace EnterKey
