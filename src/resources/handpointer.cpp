#include "resources/handpointer.h"

#include "resources/handhotspot.h"

#include <QPixmap>

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

} // namespace Pointers
