#pragma once

#include <QPixmap>
#include <QStringList>
#include <vector>

// An ordered list of pictures whose entries count from 1. Pictures are decoded on first use
// and kept; asking for an entry outside the list gives a null pixmap.
class PictureList {
public:
    explicit PictureList(QStringList resourcePaths);

    int count() const { return int(m_paths.size()); }
    bool contains(int entry) const { return entry >= 1 && entry <= count(); }
    QPixmap picture(int entry) const;
    QString key(int entry) const;

    // The lists of the application.
    static PictureList smallFruitImages();
    static PictureList bigFruitImages();
    static PictureList applicationIcon();

private:
    QStringList m_paths;
    mutable std::vector<QPixmap> m_decoded;
};
