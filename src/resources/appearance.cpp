#include "resources/appearance.h"

#include "platform/platform.h"
#include "resources/fontstandins.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>

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

namespace {

// Where the window goes for it and its frame to lie in the middle of the screen's free area.
// A window larger than that area keeps its top-left corner, frame and all, inside it, so that
// its title bar and first controls can be reached.
QPoint centred(const QWidget *window, const QMargins &frame) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return window->pos();
    const QRect area = screen->availableGeometry();
    const QSize outer = window->size().grownBy(frame);
    return area.topLeft() + QPoint(std::max(0, (area.width() - outer.width()) / 2) + frame.left(),
                                   std::max(0, (area.height() - outer.height()) / 2) + frame.top());
}

// Just before a window first reaches the screen, the window manager is asked for the frame it
// is going to put around it, and the window moves for it and that frame to lie in the middle.
// A window shown while it is held off the screen waits for the time it really shows.
class CentreWithFrame : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && !window->testAttribute(Qt::WA_DontShowOnScreen)) {
            window->removeEventFilter(this);
            const QMargins frame = Platform::expectedFrame(window);
            if (!frame.isNull())
                window->setGeometry(QRect(centred(window, frame), window->size()));
        }
        return false;
    }
};

} // namespace

// Until then the window itself lies in the middle, which is where it stays when no window
// manager says what frame it gives.
void centreOnScreen(QWidget *window) {
    window->setGeometry(QRect(centred(window, QMargins()), window->size()));
    static CentreWithFrame withFrame;
    window->installEventFilter(&withFrame);
}

} // namespace Appearance
