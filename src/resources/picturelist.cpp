#include "resources/picturelist.h"

#include "resources/fruitkeys.h"

#include <QFileInfo>

PictureList::PictureList(QStringList resourcePaths)
    : m_paths(std::move(resourcePaths)), m_decoded(m_paths.size()) {}

QPixmap PictureList::picture(int entry) const {
    if (!contains(entry))
        return {};
    QPixmap &slot = m_decoded[size_t(entry - 1)];
    if (slot.isNull())
        slot.load(m_paths[entry - 1]);
    return slot;
}

QString PictureList::key(int entry) const {
    return contains(entry) ? QFileInfo(m_paths[entry - 1]).fileName() : QString();
}

static PictureList fruitList(const QString &folder) {
    QStringList paths;
    for (const char *key : FruitKeys::pictureKeys)
        paths << QStringLiteral(":/pictures/") + folder + QLatin1Char('/') + QLatin1String(key);
    return PictureList(paths);
}

PictureList PictureList::smallFruitImages() {
    return fruitList(QStringLiteral("small"));
}

PictureList PictureList::bigFruitImages() {
    return fruitList(QStringLiteral("big"));
}

PictureList PictureList::applicationIcon() {
    return PictureList({QStringLiteral(":/pictures/icon.ico")});
}
