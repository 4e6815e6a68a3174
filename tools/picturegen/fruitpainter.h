#pragma once

#include <QColor>
#include <QSize>
#include <array>

class QPainter;
class QRectF;

// One fruit picture: its file name, the exact size of its thumbnail, the ground it lies on and
// the drawing of the fruit itself.
struct FruitPicture {
    const char *key;
    QSize thumbnailSize;
    QColor ground;
    // Draws the fruit in drawing units: the origin is the middle of the picture, y runs from -50
    // at the top to 50 at the bottom, and everything stays within 56 units left and right.
    void (*paintFruit)(QPainter &p);
};

// Every large picture has this size; it shows the same drawing as the thumbnail.
inline constexpr QSize kLargePictureSize(137, 103);

// The twelve fruits in catalogue order.
const std::array<FruitPicture, 12> &fruitPictures();

// Fills `area` with the fruit's ground and draws the fruit centred on it, 100 units tall.
void paintFruitPicture(QPainter &p, const FruitPicture &fruit, const QRectF &area);
