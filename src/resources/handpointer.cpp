#include "resources/handpointer.h"

#include "resources/handhotspot.h"
#include "resources/screenpicture.h"

#include <QEvent>
#include <QPixmap>
#include <QWidget>
#include <map>

namespace Pointers {

// The hand for a screen of this ratio, its hot spot on the same fingertip. The window system
// takes the picture and the hot spot pixel for pixel, so the hot spot is in the picture's own
// pixels too.
static QCursor loadHand(const QString &path, qreal ratio) {
    QPixmap picture;
    qreal scale = 1;
    const ScreenPicture::Drawing drawing = ScreenPicture::forRatio(ratio);
    if (drawing != ScreenPicture::Drawing::Plain &&
        picture.load(path + QStringLiteral("@2x.ico"))) {
        scale = drawing == ScreenPicture::Drawing::Twice ? 2 : ratio;
        if (drawing == ScreenPicture::Drawing::TwiceResampled)
            picture = ScreenPicture::resampled(picture, ratio);
    }
    if (picture.isNull() && !picture.load(path + QStringLiteral(".ico")))
        return QCursor(Qt::PointingHandCursor);
    picture.setDevicePixelRatio(scale);
    return QCursor(picture, qRound(kHandHotSpotX * scale), qRound(kHandHotSpotY * scale));
}

QCursor cursor(HandPointer kind, qreal devicePixelRatio) {
    if (kind == HandPointer::None)
        return QCursor(Qt::ArrowCursor);
    // One hand of each kind for each drawing a screen gets; a program meets one or two.
    using ScreenPicture::Drawing;
    const Drawing drawing = ScreenPicture::forRatio(devicePixelRatio);
    const qreal ratio = drawing == Drawing::Plain   ? 1
                        : drawing == Drawing::Twice ? 2
                                                    : devicePixelRatio;
    static std::map<std::pair<HandPointer, qreal>, QCursor> made;
    auto found = made.find({kind, ratio});
    if (found == made.end()) {
        const QString path = kind == HandPointer::TwoColour ? QStringLiteral(":/pictures/hand2")
                                                            : QStringLiteral(":/pictures/hand16");
        found = made.emplace(std::make_pair(kind, ratio), loadHand(path, ratio)).first;
    }
    return found->second;
}

namespace {

const char *const kPendingPointer = "quintavelHandPointer";

class HoverWatch : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Enter) {
            auto *widget = static_cast<QWidget *>(watched);
            widget->removeEventFilter(this);
            widget->setCursor(cursor(HandPointer(widget->property(kPendingPointer).toInt()),
                                     widget->devicePixelRatio()));
        }
        return false;
    }
};

} // namespace

void showOnHover(QWidget *widget, HandPointer kind) {
    static HoverWatch watch;
    widget->removeEventFilter(&watch);
    if (kind == HandPointer::None) {
        widget->unsetCursor();
        return;
    }
    widget->setProperty(kPendingPointer, int(kind));
    widget->installEventFilter(&watch);
}

} // namespace Pointers
