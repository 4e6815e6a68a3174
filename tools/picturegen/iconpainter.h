#pragma once

#include "icowriter.h"

#include <QImage>

// The application icon: a white apple with stem and leaf on a blue tile, in 256 colours.
PaletteIcon applicationIcon();

// The same drawing in full colour and `size` pixels square, the 32-pixel drawing scaled up.
QImage paintApplicationIcon(int size);

// The hand pointer: a white hand with a black outline pointing its index finger up, the
// fingertip on the hand cursor's hot spot. Two colours at 1 bit per pixel; at 4 bits per pixel
// it gains grey shading from the 16 standard colours.
PaletteIcon handPointer(int bitsPerPixel);

// The icon and the hand pointer at `scale` times their size, for screens with as many device
// pixels to a pixel: the icon drawn afresh at that size, the hand with an outline as fine.
PaletteIcon applicationIcon(int scale);
PaletteIcon handPointer(int bitsPerPixel, int scale);
