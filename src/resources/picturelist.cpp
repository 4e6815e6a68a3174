#include "resources/picturelist.h"

#include "resources/fruitkeys.h"
#include "resources/screenpicture.h"

#include <QFileInfo>

PictureList::PictureList(QStringList resourcePaths)
    : m_paths(std::move(resourcePaths)), m_decoded(m_paths.size()),
      m_decodedDoubleSize(m_paths.size()), m_resampled(m_paths.size()) {}

static QString doubleSizePath(const QString &path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QPixmap PictureList::picture(int entry, qreal devicePixelRatio) const {
    if (!contains(entry))
        return {};
    const size_t index = size_t(entry - 1);
    const ScreenPicture::Drawing drawing = ScreenPicture::forRatio(devicePixelRatio);
    if (drawing != ScreenPicture::Drawing::Plain) {
        QPixmap &twice = m_decodedDoubleSize[index];
        if (twice.isNull() && twice.load(doubleSizePath(m_paths[entry - 1])))
            twice.setDevicePixelRatio(2);
        if (!twice.isNull()) {
            if (drawing == ScreenPicture::Drawing::Twice)
                return twice;
            QPixmap &resampled = m_resampled[index];
            if (resampled.isNull() || resampled.devicePixelRatio() != devicePixelRatio)
                resampled = ScreenPicture::resampled(twice, devicePixelRatio);
            return resampled;
        }
    }
    QPixmap &slot = m_decoded[index];
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
