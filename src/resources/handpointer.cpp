#include "resources/handpointer.h"

#include "resources/handhotspot.h"

#include <QEvent>
#include <QPixmap>
#include <QWidget>

namespace Pointers {

static QCursor loadHand(const char *path) {
    const QPixmap picture(QString::fromLatin1(path));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, kHandHotSpotX, kHandHotSpotY);
}

QCursor cursor(HandPointer kind) {
    switch (kind) {
    case HandPointer::TwoColour: {
        static const QCursor hand = loadHand(":/pictures/hand2.ico");
        return hand;
    }
    case HandPointer::SixteenColour: {
        static const QCursor hand = loadHand(":/pictures/hand16.ico");
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
            widget->setCursor(cursor(HandPointer(widget->property(kPendingPointer).toInt())));
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
