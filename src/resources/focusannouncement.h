#pragma once

class QWidget;

namespace FocusAnnouncement {

// A text box reacts to the focus as it gets it: it selects its text when it is reached with
// Tab, or a window empties it. Qt tells screen readers of that caret, selection or text before
// it tells them of the focus, and Orca then takes the box for one the user was already in and
// says nothing of it, not even its name. While a screen reader listens, a box given this
// reacts to the focus just after Qt has told of it, and before any key or click reaches it.
void comesFirst(QWidget *box);

} // namespace FocusAnnouncement
