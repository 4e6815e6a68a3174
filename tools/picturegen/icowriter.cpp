#include "icowriter.h"

#include <QDataStream>
#include <QIODevice>
#include <stdexcept>

namespace {

// Bytes in one bitmap row of `width` pixels at `bits` per pixel, padded to whole 32-bit words.
int rowBytes(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

// Packs pixel values of `bits` bits each into a row, most significant bits first.
void putBits(QByteArray &row, int x, int bits, unsigned value) {
    const int bitPos = x * bits;
    const int shift = 8 - bits - bitPos % 8;
    row[bitPos / 8] = char(uchar(row[bitPos / 8]) | (value << shift));
}

} // namespace

QByteArray encodeIco(const PaletteIcon &icon) {
    const int n = icon.size;
    const int bits = icon.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8)
        throw std::invalid_argument("icon colour depth must be 1, 4 or 8 bits per pixel");
    const int colours = 1 << bits;
    if (icon.palette.size() > colours || n < 1 || n > 256 ||
        icon.pixels.size() != size_t(n) * size_t(n))
        throw std::invalid_argument("icon palette or pixel count does not fit its size and depth");

    const int xorRow = rowBytes(n, bits);
    const int andRow = rowBytes(n, 1);
    const int headerSize = 40;
    const int imageBytes = headerSize + colours * 4 + (xorRow + andRow) * n;

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);

    // ICONDIR: reserved, type 1 (icon), one image.
    s << quint16(0) << quint16(1) << quint16(1);
    // ICONDIRENTRY: a size or colour count of 256 is written as 0.
    s << quint8(n % 256) << quint8(n % 256) << quint8(colours % 256) << quint8(0);
    s << quint16(1) << quint16(bits) << quint32(imageBytes) << quint32(6 + 16);

    // BITMAPINFOHEADER; the height counts the colour bits and the mask together.
    s << quint32(headerSize) << qint32(n) << qint32(2 * n) << quint16(1) << quint16(bits);
    s << quint32(0) << quint32((xorRow + andRow) * n) << qint32(0) << qint32(0);
    s << quint32(colours) << quint32(0);

    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < icon.palette.size() ? icon.palette[i] : qRgb(0, 0, 0);
        s << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }

    // Colour bits, bottom row first. Transparent pixels keep index 0 under a set mask bit.
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(xorRow, '\0');
        for (int x = 0; x < n; ++x) {
            const int index = icon.at(x, y);
            if (index < PaletteIcon::transparent || index >= int(icon.palette.size()))
                throw std::invalid_argument("icon pixel is neither transparent nor in its palette");
            if (index != PaletteIcon::transparent)
                putBits(row, x, bits, unsigned(index));
        }
        s.writeRawData(row.constData(), int(row.size()));
    }

    // AND mask, bottom row first: 1 where the screen shows through.
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(andRow, '\0');
        for (int x = 0; x < n; ++x)
            if (icon.at(x, y) == PaletteIcon::transparent)
                putBits(row, x, 1, 1);
        s.writeRawData(row.constData(), int(row.size()));
    }
    return out;
}
