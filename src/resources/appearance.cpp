#include "resources/appearance.h"

#include <QApplication>
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

void centreOnScreen(QWidget *window) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

} // namespace Appearance
