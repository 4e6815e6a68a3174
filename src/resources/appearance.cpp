#include "resources/appearance.h"

#include "resources/windowframe.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace Appearance {

void apply(QApplication &app) {
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    // Verdana and MS Sans Serif are used where installed; otherwise these stand in.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"),
                                                           QStringLiteral("Bitstream Vera Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

void setFixedWindowFlags(QWidget *window, Qt::WindowFlags extra) {
    // A dialog stays a dialog; anything else becomes an ordinary window.
    Qt::WindowFlags type = window->windowFlags() & Qt::WindowType_Mask;
    if (type == Qt::Widget)
        type = Qt::Window;
    window->setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | extra);
}

void fixSize(QWidget *window) {
    // A window laid out by a layout takes the size the layout asks for; one whose widgets
    // stand at fixed places keeps the size it was given.
    if (window->layout()) {
        window->adjustSize();
        window->setFixedSize(window->sizeHint());
    } else {
        window->setFixedSize(window->size());
    }
}

namespace {

// The window is centred with the frame the window manager puts around it: the one it says it
// will give the window, or else the one the toolkit knows of already.
void centre(QWidget *window) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QMargins frame = WindowFrame::expected(window);
    if (frame.isNull()) {
        const QRect inner = window->geometry(), outer = window->frameGeometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QRect area = screen->availableGeometry();
    const QSize outer = window->size().grownBy(frame);
    const QPoint corner = area.topLeft() + QPoint((area.width() - outer.width()) / 2,
                                                  (area.height() - outer.height()) / 2);
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window->size()));
}

// Centres a window as it first reaches the screen, just before it appears there. A window that
// is shown while it is held off the screen waits for the time it really shows.
class CentreOnFirstShow : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && !window->testAttribute(Qt::WA_DontShowOnScreen)) {
            window->removeEventFilter(this);
            centre(window);
        }
        return false;
    }
};

} // namespace

void centreOnScreen(QWidget *window) {
    static CentreOnFirstShow centring;
    window->installEventFilter(&centring);
}

} // namespace Appearance
