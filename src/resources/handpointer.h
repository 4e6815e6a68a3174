#pragma once

#include <QCursor>

// The two hand-shaped mouse pointers that link labels and thumbnails show.
enum class HandPointer { None = 0, TwoColour = 2, SixteenColour = 16 };

namespace Pointers {

// The pointer's cursor, decoded on first use; the arrow for HandPointer::None.
QCursor cursor(HandPointer kind);

} // namespace Pointers
