#pragma once

#include <QPixmap>

// Which drawing of a picture a screen gets, by its device pixels to a pixel. Every picture is
// drawn at its own size and at twice that size (its @2x file). At a whole ratio a drawing is
// shown as it is: the picture itself at 1 (and below), the @2x drawing from 2 on. Any other
// ratio, such as 1.25 or 1.5, gets the @2x drawing resampled to exactly the screen's pixels:
// stretched, the picture itself would look soft, and the @2x drawing would be thinned out
// unevenly.
namespace ScreenPicture {

enum class Drawing { Plain, Twice, TwiceResampled };

Drawing forRatio(qreal devicePixelRatio);

// The @2x drawing resampled smoothly for the ratio. It shows at the size of the picture
// itself: its pixel size is that size times the ratio, rounded.
QPixmap resampled(const QPixmap &twice, qreal devicePixelRatio);

} // namespace ScreenPicture
