#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <vector>

// A square icon image with a palette. Every pixel is an index into the palette, or transparent.
struct PaletteIcon {
    static constexpr int transparent = -1;

    int size = 32;
    int bitsPerPixel = 8;    // 1, 4 or 8
    QList<QRgb> palette;     // at most 1 << bitsPerPixel colours; the alpha is ignored
    std::vector<int> pixels; // size * size entries, row by row from the top

    int &at(int x, int y) { return pixels[size_t(y * size + x)]; }
    int at(int x, int y) const { return pixels[size_t(y * size + x)]; }
};

// Encodes one icon as a Windows .ico file holding a single palette image: the colour bits with
// their palette, and an AND mask that marks the transparent pixels.
QByteArray encodeIco(const PaletteIcon &icon);
