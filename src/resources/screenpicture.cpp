#include "resources/screenpicture.h"

#include <cmath>

namespace ScreenPicture {

Drawing forRatio(qreal devicePixelRatio) {
    if (devicePixelRatio <= 1)
        return Drawing::Plain;
    if (qFuzzyCompare(devicePixelRatio, std::round(devicePixelRatio)))
        return devicePixelRatio < 2 ? Drawing::Plain : Drawing::Twice;
    return Drawing::TwiceResampled;
}

QPixmap resampled(const QPixmap &twice, qreal devicePixelRatio) {
    const QSize size(qRound(twice.width() / 2.0 * devicePixelRatio),
                     qRound(twice.height() / 2.0 * devicePixelRatio));
    QPixmap fitted = twice.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(devicePixelRatio);
    return fitted;
}

} // namespace ScreenPicture
