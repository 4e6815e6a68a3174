#pragma once

#include <QPixmap>
#include <QStringList>
#include <vector>

// An ordered list of pictures whose entries count from 1. Pictures are decoded on first use
// and kept; asking for an entry outside the list gives a null pixmap. Each picture also comes
// drawn at twice its size, in a file beside it named with "@2x", for screens with more than
// one device pixel to a pixel.
class PictureList {
public:
    explicit PictureList(QStringList resourcePaths);

    int count() const { return int(m_paths.size()); }
    bool contains(int entry) const { return entry >= 1 && entry <= count(); }
    // The picture for a screen with this many device pixels to a pixel, which shows at the
    // size of the picture itself: the drawing ScreenPicture picks for the ratio.
    QPixmap picture(int entry, qreal devicePixelRatio = 1) const;
    QString key(int entry) const;

    // The lists of the application.
    static PictureList smallFruitImages();
    static PictureList bigFruitImages();
    static PictureList applicationIcon();

private:
    QStringList m_paths;
    mutable std::vector<QPixmap> m_decoded;
    mutable std::vector<QPixmap> m_decodedDoubleSize;
    mutable std::vector<QPixmap> m_resampled;
};
