#pragma once

#include <QImage>
#include <QString>

// A contact sheet of the pictures under `directory`, read back from their files: each fruit's
// thumbnail beside its large picture under the fruit's key, then the icons on a checkerboard
// that shows their transparent pixels. Every picture is enlarged `zoom` times, pixel by pixel.
QImage renderContactSheet(const QString &directory, int zoom);
