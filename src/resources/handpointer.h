#pragma once

#include <QCursor>

class QWidget;

// The two hand-shaped mouse pointers that link labels and thumbnails show.
enum class HandPointer { None = 0, TwoColour = 2, SixteenColour = 16 };

namespace Pointers {

// The pointer's cursor, decoded on first use; the arrow for HandPointer::None. On a screen with
// more than one device pixel to a pixel, the hand comes from its drawing at twice the size (its
// @2x file), as ScreenPicture says.
QCursor cursor(HandPointer kind, qreal devicePixelRatio = 1);

// The widget shows the pointer while the mouse is over it. The picture is decoded the first
// time the mouse comes over the widget, not when its window is built.
void showOnHover(QWidget *widget, HandPointer kind);

} // namespace Pointers
