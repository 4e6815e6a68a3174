#include "contactsheet.h"

#include "fruitpainter.h"

#include <QDir>
#include <QPainter>

namespace {

constexpr int kColumns = 3;
constexpr int kMargin = 12;
constexpr int kGap = 10;
constexpr int kLabelHeight = 20;

const QColor kSheetBackground(0x3a, 0x3a, 0x3a);
const QColor kLabelColour(0xf0, 0xf0, 0xf0);
const QColor kMissingColour(0xe0, 0x30, 0x30);

// Draws `image` `zoom` times larger at `at`, or a marked box of `expected` size if it is missing.
void drawPicture(QPainter &p, QPoint at, const QImage &image, QSize expected, int zoom) {
    if (image.isNull()) {
        p.setPen(QPen(kMissingColour, 2));
        p.setBrush(Qt::NoBrush);
        const QRect box(at, expected * zoom);
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("missing"));
        return;
    }
    p.drawImage(QRect(at, image.size() * zoom), image);
}

void drawCheckerboard(QPainter &p, const QRect &area, int square) {
    for (int y = area.top(); y <= area.bottom(); y += square)
        for (int x = area.left(); x <= area.right(); x += square)
            p.fillRect(QRect(x, y, square, square).intersected(area),
                       ((x - area.left()) / square + (y - area.top()) / square) % 2 != 0
                           ? QColor(0xcc, 0xcc, 0xcc)
                           : QColor(0xff, 0xff, 0xff));
}

} // namespace

QImage renderContactSheet(const QString &directory, int zoom) {
    const QDir dir(directory);
    const auto &fruits = fruitPictures();

    QSize widestThumbnail(0, 0);
    for (const FruitPicture &fruit : fruits)
        widestThumbnail = widestThumbnail.expandedTo(fruit.thumbnailSize);
    const QSize cell(kGap + (widestThumbnail.width() + kLargePictureSize.width()) * zoom,
                     kLabelHeight + kLargePictureSize.height() * zoom);
    const int fruitRows = (int(fruits.size()) + kColumns - 1) / kColumns;

    const QStringList icons = {QStringLiteral("icon.ico"), QStringLiteral("hand2.ico"),
                               QStringLiteral("hand16.ico")};
    const int iconZoom = zoom * 4;
    const int iconBox = 32 * iconZoom;
    const int iconsTop = kMargin + fruitRows * (cell.height() + kGap);

    QImage sheet(2 * kMargin + kColumns * cell.width() + (kColumns - 1) * kGap,
                 iconsTop + kLabelHeight + iconBox + kMargin, QImage::Format_RGB32);
    sheet.fill(kSheetBackground);
    QPainter p(&sheet);

    for (int i = 0; i < int(fruits.size()); ++i) {
        const FruitPicture &fruit = fruits[size_t(i)];
        const QString key = QString::fromLatin1(fruit.key);
        const QPoint origin(kMargin + (i % kColumns) * (cell.width() + kGap),
                            kMargin + (i / kColumns) * (cell.height() + kGap));
        p.setPen(kLabelColour);
        p.drawText(QRect(origin, QSize(cell.width(), kLabelHeight)),
                   Qt::AlignLeft | Qt::AlignVCenter, key);
        const QPoint picturesAt = origin + QPoint(0, kLabelHeight);
        drawPicture(p, picturesAt, QImage(dir.filePath(QStringLiteral("small/") + key)),
                    fruit.thumbnailSize, zoom);
        drawPicture(p, picturesAt + QPoint(widestThumbnail.width() * zoom + kGap, 0),
                    QImage(dir.filePath(QStringLiteral("big/") + key)), kLargePictureSize, zoom);
    }

    for (int i = 0; i < int(icons.size()); ++i) {
        const QPoint origin(kMargin + i * (iconBox + 3 * kGap), iconsTop);
        p.setPen(kLabelColour);
        p.drawText(QRect(origin, QSize(iconBox, kLabelHeight)), Qt::AlignLeft | Qt::AlignVCenter,
                   icons[i]);
        const QRect box(origin + QPoint(0, kLabelHeight), QSize(iconBox, iconBox));
        drawCheckerboard(p, box, iconZoom * 2);
        drawPicture(p, box.topLeft(), QImage(dir.filePath(icons[i])), QSize(32, 32), iconZoom);
    }
    p.end();
    return sheet;
}
