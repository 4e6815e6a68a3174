#include "resources/appearance.h"

#include "resources/fontstandins.h"

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
    // A font that still names a missing family finds its stand-ins through Qt.
    for (const FontStandIns::StandIns &entry : FontStandIns::all())
        QFont::insertSubstitutions(entry.family, entry.closest);
}

InstalledFamilies::InstalledFamilies(QWidget *window) : m_window(window) {
    window->installEventFilter(this);
}

bool InstalledFamilies::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_window && event->type() == QEvent::StyleChange) {
        const QString sheet = m_window->styleSheet();
        const QString named = FontStandIns::renamed(sheet, FontStandIns::here());
        if (named != sheet)
            m_window->setStyleSheet(named);
    }
    return false;
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
