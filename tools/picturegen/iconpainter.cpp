#include "iconpainter.h"

#include "paintkit.h"
#include "resources/handhotspot.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <map>
#include <stdexcept>
#include <string_view>

namespace {

constexpr int kIconSize = 32;

// Reduces an antialiased drawing to at most 256 colours and a transparency mask. Pixels less
// than half covered become transparent. Colours lose low bits, all alike, until they fit.
PaletteIcon toPaletteIcon256(const QImage &drawing) {
    const QImage argb = drawing.convertToFormat(QImage::Format_ARGB32);
    const int n = argb.width();
    for (int dropBits = 0; dropBits < 8; ++dropBits) {
        const int keep = 0xff & ~((1 << dropBits) - 1);
        std::map<QRgb, int> indexOf;
        std::vector<QRgb> colourAt(size_t(n) * size_t(n), 0);
        std::vector<bool> opaque(size_t(n) * size_t(n), false);
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                const QRgb c = argb.pixel(x, y);
                const size_t i = size_t(y * n + x);
                if (qAlpha(c) < 128)
                    continue;
                opaque[i] = true;
                colourAt[i] = qRgb(qRed(c) & keep, qGreen(c) & keep, qBlue(c) & keep);
                indexOf.emplace(colourAt[i], 0);
            }
        }
        if (indexOf.size() > 256)
            continue;
        PaletteIcon icon;
        icon.size = n;
        icon.bitsPerPixel = 8;
        for (auto &[colour, index] : indexOf) {
            index = int(icon.palette.size());
            icon.palette.append(colour);
        }
        icon.pixels.resize(size_t(n) * size_t(n), PaletteIcon::transparent);
        for (size_t i = 0; i < icon.pixels.size(); ++i)
            if (opaque[i])
                icon.pixels[i] = indexOf[colourAt[i]];
        return icon;
    }
    throw std::logic_error("icon drawing does not reduce to 256 colours");
}

// The hand, one text row per pixel row: '#' outline, '.' white, '-' shading (white in two
// colours), space transparent. The fingertip is the middle of the top row's outline.
constexpr std::array<std::string_view, 22> kHandArt = {
    "      ###            ", //
    "     #..-#           ", //
    "     #..-#           ", //
    "     #..-#           ", //
    "     #..-#           ", //
    "     #..-#           ", //
    "     #..-####        ", //
    "     #..-#..-####    ", //
    "     #..-#..-#..-#   ", //
    "     #..-#..-#..-### ", //
    " #####..-#..-#..-#.-#", //
    "#........#..-#..-#.-#", //
    "#..................-#", //
    " #.................-#", //
    "  #................-#", //
    "   #..............-# ", //
    "    #.............-# ", //
    "    #.............-# ", //
    "     #...........-#  ", //
    "     #...........-#  ", //
    "     #------------#  ", //
    "     ##############  ", //
};

constexpr int handArtTipX() {
    const std::string_view top = kHandArt[0];
    const size_t first = top.find('#');
    return int(first + (top.find_last_of('#') - first) / 2);
}

constexpr int kHandLeft = kHandHotSpotX - handArtTipX();
constexpr int kHandTop = kHandHotSpotY;
static_assert(kHandLeft >= 0 && kHandLeft + int(kHandArt[0].size()) <= kIconSize && kHandTop >= 0 &&
                  kHandTop + int(kHandArt.size()) <= kIconSize,
              "the hand must lie inside the icon with its fingertip on the hot spot");

// The sixteen standard colours, in their usual order.
const QList<QRgb> kSixteenColours = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

// The hand art at a cell, a space outside it.
char handArtAt(int col, int row) {
    if (row < 0 || row >= int(kHandArt.size()) || col < 0 || col >= int(kHandArt[0].size()))
        return ' ';
    return kHandArt[size_t(row)][size_t(col)];
}

// How far out from the middle of the hand what lies beside an outline is: the surround, then
// the shading along the fingers' right edges, then the white.
int outwardness(char art) {
    return art == ' ' ? 3 : art == '-' ? 2 : art == '.' ? 1 : 0;
}

// The art at pixel (x, y) of the icon when the hand is drawn `scale` times larger. Each cell
// becomes a square of pixels, and the outline keeps the width of one pixel: of an outline
// square only the side towards the surround stays black, or, where the outline parts two
// fingers, the side towards the shading (towards the left or the top between two whites). The
// rest of the square takes the colour of the hand beside it. At scale 1 this is the art itself.
char scaledHandArt(int x, int y, int scale) {
    const auto artAt = [scale](int px, int py) {
        return px < 0 || py < 0 ? ' ' : handArtAt(px / scale - kHandLeft, py / scale - kHandTop);
    };
    const char art = artAt(x, y);
    if (art != '#')
        return art;
    constexpr int sides[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto &side : sides)
        if (artAt(x + side[0], y + side[1]) == ' ')
            return art;
    for (const auto &side : sides) {
        const int dx = side[0], dy = side[1];
        const char beside = artAt(x + dx, y + dy);
        // Only a pixel with more of its outline square behind it gives way.
        const bool squareBehind = (x - dx) / scale == x / scale && (y - dy) / scale == y / scale &&
                                  x - dx >= 0 && y - dy >= 0;
        if (beside == '#' || !squareBehind)
            continue;
        const char across = handArtAt(x / scale - dx - kHandLeft, y / scale - dy - kHandTop);
        const bool forward = dx > 0 || dy > 0;
        if (outwardness(across) > outwardness(beside) ||
            (outwardness(across) == outwardness(beside) && forward))
            return beside;
    }
    return art;
}

} // namespace

QImage paintApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The drawing is made for 32 pixels; larger renderings scale the same strokes.
    if (size != kIconSize)
        p.scale(qreal(size) / kIconSize, qreal(size) / kIconSize);

    const QRectF tile(0.5, 0.5, kIconSize - 1.0, kIconSize - 1.0);
    QLinearGradient blue(0, 0, 0, kIconSize);
    blue.setColorAt(0, QColor(0x5b, 0x9c, 0xec));
    blue.setColorAt(1, QColor(0x17, 0x47, 0x96));
    p.setPen(QPen(QColor(0x10, 0x33, 0x6e), 1));
    p.setBrush(blue);
    p.drawRoundedRect(tile, 6, 6);

    // The apple outline is 72 units wide and 69 tall around its centre; fit it to 19 pixels.
    p.save();
    p.translate(15.6, 18.6);
    p.scale(0.27, 0.27);
    QRadialGradient white(QPointF(-10, -8), 48);
    white.setColorAt(0, Qt::white);
    white.setColorAt(0.6, Qt::white);
    white.setColorAt(1, QColor(0xc8, 0xd8, 0xee));
    p.setPen(Qt::NoPen);
    p.fillPath(PaintKit::appleOutline(), white);
    // Stem and leaf rise from the hollow at the top.
    QPainterPath stem;
    stem.moveTo(0, -26);
    stem.quadTo(-1, -38, -6, -46);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.save();
    p.translate(5, -33);
    p.rotate(-40);
    p.drawPath(PaintKit::leafOutline(34, 16));
    p.restore();
    p.restore();
    p.end();
    return image;
}

PaletteIcon applicationIcon() {
    return toPaletteIcon256(paintApplicationIcon(kIconSize));
}

PaletteIcon handPointer(int bitsPerPixel) {
    return handPointer(bitsPerPixel, 1);
}

PaletteIcon handPointer(int bitsPerPixel, int scale) {
    PaletteIcon icon;
    icon.size = kIconSize * scale;
    icon.bitsPerPixel = bitsPerPixel;
    int black = 0, white = 1, shade = 1;
    if (bitsPerPixel == 1) {
        icon.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    } else if (bitsPerPixel == 4) {
        icon.palette = kSixteenColours;
        white = 15;
        shade = 7;
    } else {
        throw std::invalid_argument("the hand pointer comes in 1 or 4 bits per pixel");
    }
    icon.pixels.assign(size_t(icon.size) * size_t(icon.size), PaletteIcon::transparent);
    for (int y = 0; y < icon.size; ++y) {
        for (int x = 0; x < icon.size; ++x) {
            int &pixel = icon.at(x, y);
            switch (scaledHandArt(x, y, scale)) {
            case '#':
                pixel = black;
                break;
            case '.':
                pixel = white;
                break;
            case '-':
                pixel = shade;
                break;
            default:
                break;
            }
        }
    }
    return icon;
}

PaletteIcon applicationIcon(int scale) {
    return toPaletteIcon256(paintApplicationIcon(kIconSize * scale));
}
