#include "picturewriter.h"

#include "fruitpainter.h"
#include "iconpainter.h"
#include "icowriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>
#include <utility>

namespace {

// Fruit drawings are rendered this many times larger and then reduced, which smooths fine
// detail such as husk fibres and peel pits.
constexpr int kSupersample = 4;

// JPEG byte sizes the pictures must land in, and the best quality tried.
struct JpegBudget {
    qint64 minBytes;
    qint64 maxBytes;
    int bestQuality;
};
constexpr JpegBudget kThumbnailBudget{1100, 1780, 95};
constexpr JpegBudget kLargeBudget{1800, 26000, 95};

// Screens with two device pixels to a pixel get every picture drawn afresh at twice its size,
// in a file beside it whose name carries "@2x". Those may be up to four times as large.
constexpr int kDoubleSize = 2;
constexpr JpegBudget kDoubleThumbnailBudget{1100, 4 * 1780, 95};
constexpr JpegBudget kDoubleLargeBudget{1800, 4 * 26000, 95};

QString doubleSizeName(const QString &name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

QTextStream &err() {
    static QTextStream stream(stderr);
    return stream;
}

QTextStream &out() {
    static QTextStream stream(stdout);
    return stream;
}

QImage renderFruit(const FruitPicture &fruit, QSize size, int scale) {
    size *= scale;
    QImage big(size * kSupersample, QImage::Format_RGB32);
    QPainter p(&big);
    paintFruitPicture(p, fruit, QRectF(QPointF(0, 0), QSizeF(big.size())));
    p.end();
    QImage image = big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // 96 dots per inch at scale 1, stated so it never depends on the screen.
    image.setDotsPerMeterX(3780 * scale);
    image.setDotsPerMeterY(3780 * scale);
    return image;
}

QByteArray encodeJpeg(const QImage &image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

// The best quality whose file fits the budget, and that quality.
std::pair<QByteArray, int> fitJpeg(const QImage &image, const JpegBudget &budget) {
    for (int quality = budget.bestQuality; quality >= 20; --quality) {
        QByteArray bytes = encodeJpeg(image, quality);
        if (bytes.size() <= budget.maxBytes)
            return {bytes, quality};
    }
    return {};
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        err() << "cannot write " << path << ": " << file.errorString() << Qt::endl;
        return false;
    }
    return true;
}

bool writeFruit(const QString &path, const FruitPicture &fruit, QSize size, int scale,
                const JpegBudget &budget) {
    const auto [bytes, quality] = fitJpeg(renderFruit(fruit, size, scale), budget);
    if (bytes.size() < budget.minBytes) {
        err() << path << ": " << bytes.size() << " bytes, outside " << budget.minBytes << ".."
              << budget.maxBytes << Qt::endl;
        return false;
    }
    out() << path << ": " << size.width() * scale << "x" << size.height() * scale << ", quality "
          << quality << ", " << bytes.size() << " bytes" << Qt::endl;
    return writeFile(path, bytes);
}

// Qt's own reader must see exactly the drawn pixels.
bool checkIcon(const QString &path, const PaletteIcon &icon) {
    const QImage decoded(path);
    if (decoded.size() != QSize(icon.size, icon.size)) {
        err() << path << ": does not decode to " << icon.size << "x" << icon.size << Qt::endl;
        return false;
    }
    for (int y = 0; y < icon.size; ++y) {
        for (int x = 0; x < icon.size; ++x) {
            const QRgb got = decoded.pixel(x, y);
            const int index = icon.at(x, y);
            const bool ok =
                index == PaletteIcon::transparent
                    ? qAlpha(got) == 0
                    : qAlpha(got) == 255 && (got & RGB_MASK) == (icon.palette[index] & RGB_MASK);
            if (!ok) {
                err() << path << ": pixel " << x << "," << y << " decodes wrongly" << Qt::endl;
                return false;
            }
        }
    }
    return true;
}

bool writeIcon(const QString &path, const PaletteIcon &icon) {
    const QByteArray bytes = encodeIco(icon);
    out() << path << ": " << icon.size << "x" << icon.size << ", " << icon.bitsPerPixel
          << "-bit palette, " << icon.palette.size() << " colours used, " << bytes.size()
          << " bytes" << Qt::endl;
    return writeFile(path, bytes) && checkIcon(path, icon);
}

// The icon's own pixels in full colour: palette colours, opaque, or fully transparent.
QImage toImage(const PaletteIcon &icon) {
    QImage image(icon.size, icon.size, QImage::Format_ARGB32);
    for (int y = 0; y < icon.size; ++y) {
        for (int x = 0; x < icon.size; ++x) {
            const int index = icon.at(x, y);
            image.setPixel(x, y,
                           index == PaletteIcon::transparent
                               ? qRgba(0, 0, 0, 0)
                               : (icon.palette[index] & RGB_MASK) | 0xff000000u);
        }
    }
    return image;
}

// Written as PNG, and read back to the same pixels.
bool writePng(const QString &path, const QImage &drawn) {
    QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        err() << path << ": cannot encode as PNG" << Qt::endl;
        return false;
    }
    out() << path << ": " << image.width() << "x" << image.height() << " PNG, " << bytes.size()
          << " bytes" << Qt::endl;
    if (!writeFile(path, bytes))
        return false;
    if (QImage(path).convertToFormat(QImage::Format_ARGB32) != image) {
        err() << path << ": does not decode as drawn" << Qt::endl;
        return false;
    }
    return true;
}

} // namespace

bool writeThemeIcons(const QString &directory) {
    if (!QDir().mkpath(directory)) {
        err() << "cannot create " << directory << Qt::endl;
        return false;
    }
    const QDir dir(directory);
    const auto name = [](int size) { return QStringLiteral("%1x%1.png").arg(size); };
    // At 32 pixels the theme shows exactly the icon the windows carry.
    bool ok = writePng(dir.filePath(name(32)), toImage(applicationIcon()));
    for (int size : {48, 64, 128, 256})
        ok &= writePng(dir.filePath(name(size)), paintApplicationIcon(size));
    return ok;
}

bool writeAllPictures(const QString &directory) {
    const QDir dir(directory);
    if (!dir.mkpath(QStringLiteral("small")) || !dir.mkpath(QStringLiteral("big"))) {
        err() << "cannot create folders under " << directory << Qt::endl;
        return false;
    }
    bool ok = true;
    for (const FruitPicture &fruit : fruitPictures()) {
        const QString key = QString::fromLatin1(fruit.key);
        ok &= writeFruit(dir.filePath(QStringLiteral("small/") + key), fruit, fruit.thumbnailSize,
                         1, kThumbnailBudget);
        ok &= writeFruit(dir.filePath(QStringLiteral("big/") + key), fruit, kLargePictureSize, 1,
                         kLargeBudget);
        ok &= writeFruit(dir.filePath(QStringLiteral("small/") + doubleSizeName(key)), fruit,
                         fruit.thumbnailSize, kDoubleSize, kDoubleThumbnailBudget);
        ok &= writeFruit(dir.filePath(QStringLiteral("big/") + doubleSizeName(key)), fruit,
                         kLargePictureSize, kDoubleSize, kDoubleLargeBudget);
    }
    ok &= writeIcon(dir.filePath(QStringLiteral("icon.ico")), applicationIcon());
    ok &= writeIcon(dir.filePath(QStringLiteral("hand2.ico")), handPointer(1));
    ok &= writeIcon(dir.filePath(QStringLiteral("hand16.ico")), handPointer(4));
    ok &= writeIcon(dir.filePath(QStringLiteral("icon@2x.ico")), applicationIcon(kDoubleSize));
    ok &= writeIcon(dir.filePath(QStringLiteral("hand2@2x.ico")), handPointer(1, kDoubleSize));
    ok &= writeIcon(dir.filePath(QStringLiteral("hand16@2x.ico")), handPointer(4, kDoubleSize));
    return ok;
}
