#pragma once

#include <QMargins>

class QWidget;

namespace WindowFrame {

// The frame (title bar and borders) the window manager is going to put around the window, in
// the window's pixels, asked for before the window is first shown. None when no window manager
// answers such a question: without one, on another window system, or without a screen.
QMargins expected(QWidget *window);

} // namespace WindowFrame
