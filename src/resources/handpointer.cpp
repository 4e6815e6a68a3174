#include "resources/handpointer.h"

#include "resources/handhotspot.h"

#include <QEvent>
#include <QPixmap>
#include <QWidget>

namespace Pointers {

// The hand drawn `scale` times larger, its hot spot on the same fingertip. The window system
// takes the picture and the hot spot pixel for pixel, so the hot spot is in the picture's own
// pixels too.
static QCursor loadHand(const char *path, int scale) {
    QPixmap picture(QString::fromLatin1(path));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    picture.setDevicePixelRatio(scale);
    return QCursor(picture, kHandHotSpotX * scale, kHandHotSpotY * scale);
}

QCursor cursor(HandPointer kind, qreal devicePixelRatio) {
    const bool twice = devicePixelRatio >= 2;
    switch (kind) {
    case HandPointer::TwoColour: {
        if (twice) {
            static const QCursor hand = loadHand(":/pictures/hand2@2x.ico", 2);
            return hand;
        }
        static const QCursor hand = loadHand(":/pictures/hand2.ico", 1);
        return hand;
    }
    case HandPointer::SixteenColour: {
        if (twice) {
            static const QCursor hand = loadHand(":/pictures/hand16@2x.ico", 2);
            return hand;
        }
        static const QCursor hand = loadHand(":/pictures/hand16.ico", 1);
        return hand;
    }
    case HandPointer::None:
        break;
    }
    return QCursor(Qt::ArrowCursor);
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
