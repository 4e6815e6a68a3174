#pragma once

#include <QImage>
#include <QString>

// A contact sheet of the pictures under `directory`, read back from their files: each fruit's
// thumbnail beside its large picture under the fruit's key, then the icons on a checkerboard
// that shows their transparent pixels. Every picture is enlarged `zoom` times, pixel by pixel,
// and below it its twice as large drawing (the @2x file) is shown at the same size, at half
// that zoom: at an even zoom, pixel for pixel too.
QImage renderContactSheet(const QString &directory, int zoom);
