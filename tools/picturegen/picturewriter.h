#pragma once

#include <QString>

// Draws every picture and writes it under `directory`: the fruit thumbnails in small/, the large
// fruit pictures in big/, and the application icon and hand pointers as .ico files. Each file is
// checked after writing (size in bytes, and that the icons decode as drawn). Returns false,
// having said why on stderr, if anything went wrong.
bool writeAllPictures(const QString &directory);
