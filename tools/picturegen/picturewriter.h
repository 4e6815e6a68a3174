#pragma once

#include <QString>

// Draws every picture and writes it under `directory`: the fruit thumbnails in small/, the large
// fruit pictures in big/, and the application icon and hand pointers as .ico files. Each file is
// checked after writing (size in bytes, and that the icons decode as drawn). Returns false,
// having said why on stderr, if anything went wrong.
bool writeAllPictures(const QString &directory);

// Writes the application icon for the desktop's icon theme under `directory`, one PNG a size,
// named like the theme's folders (32x32.png ... 256x256.png): the 32-pixel icon itself, and
// the same drawing rendered afresh at each larger size. Each file is read back and checked.
bool writeThemeIcons(const QString &directory);
