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

// Draws `image` filling `box`, or marks the box if the picture is missing.
void drawPicture(QPainter &p, const QRect &box, const QImage &image) {
    if (image.isNull()) {
        p.setPen(QPen(kMissingColour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("missing"));
        return;
    }
    p.drawImage(box, image);
}

// The picture of that file name drawn at twice its size, in its own file beside it.
QString doubleSize(const QString &name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
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
                     kLabelHeight + 2 * kLargePictureSize.height() * zoom + kGap);
    const int fruitRows = (int(fruits.size()) + kColumns - 1) / kColumns;

    const QStringList icons = {QStringLiteral("icon.ico"), QStringLiteral("hand2.ico"),
                               QStringLiteral("hand16.ico")};
    const int iconZoom = zoom * 4;
    const int iconBox = 32 * iconZoom;
    const int iconsTop = kMargin + fruitRows * (cell.height() + kGap);
    const int iconRow = kLabelHeight + iconBox + kGap;

    QImage sheet(2 * kMargin + kColumns * cell.width() + (kColumns - 1) * kGap,
                 iconsTop + 2 * iconRow + kMargin, QImage::Format_RGB32);
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
        for (int twice = 0; twice <= 1; ++twice) {
            const QString name = twice ? doubleSize(key) : key;
            const QPoint at =
                origin +
                QPoint(0, kLabelHeight + twice * (kLargePictureSize.height() * zoom + kGap));
            drawPicture(p, QRect(at, fruit.thumbnailSize * zoom),
                        QImage(dir.filePath(QStringLiteral("small/") + name)));
            drawPicture(p,
                        QRect(at + QPoint(widestThumbnail.width() * zoom + kGap, 0),
                              kLargePictureSize * zoom),
                        QImage(dir.filePath(QStringLiteral("big/") + name)));
        }
    }

    for (int twice = 0; twice <= 1; ++twice) {
        for (int i = 0; i < int(icons.size()); ++i) {
            const QString name = twice ? doubleSize(icons[i]) : icons[i];
            const QPoint origin(kMargin + i * (iconBox + 3 * kGap), iconsTop + twice * iconRow);
            p.setPen(kLabelColour);
            p.drawText(QRect(origin, QSize(iconBox, kLabelHeight)),
                       Qt::AlignLeft | Qt::AlignVCenter, name);
            const QRect box(origin + QPoint(0, kLabelHeight), QSize(iconBox, iconBox));
            drawCheckerboard(p, box, iconZoom * 2);
            drawPicture(p, box, QImage(dir.filePath(name)));
        }
    }
    p.end();
    return sheet;
}
