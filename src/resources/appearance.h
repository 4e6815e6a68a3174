#pragma once

#include <Qt>

class QApplication;
class QWidget;

namespace Appearance {

// One look on every desktop: the Fusion style, and the Windows font families the windows
// name mapped to close families when they are not installed.
void apply(QApplication &app);

// A fixed-size window: the user cannot resize it, and it has no minimise or maximise box.
// Extra flags (staying on top) are set in the same step.
void makeFixedWindow(QWidget *window, Qt::WindowFlags extra = {});

// Places a window in the middle of its screen before it is first shown.
void centreOnScreen(QWidget *window);

} // namespace Appearance
