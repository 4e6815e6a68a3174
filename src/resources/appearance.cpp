#include "resources/appearance.h"

#include "platform/platform.h"
#include "resources/clicklabel.h"
#include "resources/fontstandins.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLayout>
#include <QPalette>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <utility>

namespace Appearance {

namespace {

// The faces of the language shown, and the one family the windows' texts are drawn in once it is
// chosen: empty where the windows keep the families they name.
struct LanguageFaces {
    FontStandIns::ScriptFaces wanted;
    std::optional<QString> family;
};
LanguageFaces &languageFaces() {
    static LanguageFaces faces;
    return faces;
}

// The application's own font (menus, message boxes) before a language took it over.
std::optional<QFont> &desktopFont() {
    static std::optional<QFont> font;
    return font;
}

// A face of the script alone draws every text of the windows. Faces that stand in for the
// characters a family lacks stand in for those of one family, which then draws every text, the
// menus' and message boxes' too: Qt looks for the faces a family falls back on for each script
// it meets, and each look is a search through all the installed fonts.
QString chooseWindowFamily(const FontStandIns::ScriptFaces &wanted) {
    if (wanted.scriptAlone) {
        for (const QString &face : wanted.faces)
            if (FontStandIns::installed(face))
                return face;
        return {};
    }
    if (wanted.faces.isEmpty())
        return {};
    QString family = FontStandIns::all().constFirst().family;
    for (const FontStandIns::Rename &rename : FontStandIns::here())
        if (rename.from == family)
            family = rename.to;
    QFont::insertSubstitutions(family, wanted.faces);
    desktopFont() = QApplication::font();
    QFont font = QApplication::font();
    font.setFamilies({family});
    QApplication::setFont(font);
    return family;
}

// Chosen when the first window is built, by when the font database is filled.
QString windowFamily() {
    LanguageFaces &faces = languageFaces();
    if (!faces.family)
        faces.family = chooseWindowFamily(faces.wanted);
    return *faces.family;
}

} // namespace

void apply(QApplication &app, const QString &language) {
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    // A font that still names a missing family finds its stand-ins through Qt.
    for (const FontStandIns::StandIns &entry : FontStandIns::all())
        QFont::insertSubstitutions(entry.family, entry.closest);
    if (desktopFont())
        QApplication::setFont(*std::exchange(desktopFont(), std::nullopt));
    languageFaces() = LanguageFaces{FontStandIns::facesFor(language), std::nullopt};
}

QPalette windowPalette() {
    struct Role {
        QPalette::ColorRole role;
        QRgb enabled; // active and inactive windows alike
        QRgb disabled;
    };
    static constexpr Role roles[] = {
        {QPalette::WindowText, 0xff000000, 0xffbebebe},
        {QPalette::Button, 0xffefefef, 0xffefefef},
        {QPalette::Light, 0xffffffff, 0xffffffff},
        {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text, 0xff000000, 0xffbebebe},
        {QPalette::BrightText, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},
        {QPalette::Base, 0xffffffff, 0xffefefef},
        {QPalette::Window, 0xffefefef, 0xffefefef},
        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff308cc6, 0xff919191},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::NoRole, 0xff000000, 0xff000000},
        {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    };
    // Every role is set, so that nothing of the desktop's palette shows through.
    QPalette palette;
    for (const Role &r : roles) {
        palette.setColor(QPalette::Active, r.role, QColor::fromRgba(r.enabled));
        palette.setColor(QPalette::Inactive, r.role, QColor::fromRgba(r.enabled));
        palette.setColor(QPalette::Disabled, r.role, QColor::fromRgba(r.disabled));
    }
    return palette;
}

namespace {

// Fusion, as everywhere else, but every widget it polishes takes the windows' palette before a
// window's style sheet lays its own colours over it. A widget under a style sheet does not take
// its parent's palette, only the application's, so a palette set on the window alone would not
// reach its widgets; the style reaches all of them, and each widget a window makes later.
class WindowPaletteStyle : public QProxyStyle {
public:
    WindowPaletteStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), m_palette(windowPalette()) {
    }
    using QProxyStyle::polish;
    void polish(QWidget *widget) override {
        QProxyStyle::polish(widget);
        widget->setPalette(m_palette);
    }

private:
    const QPalette m_palette;
};

} // namespace

// Made with the first window, so that a start that shows no window does no palette work.
void useWindowPalette(QWidget *window) {
    static QStyle *const style = [] {
        QStyle *made = new WindowPaletteStyle;
        made->setParent(qApp);
        return made;
    }();
    window->setStyle(style);
}

InstalledFamilies::InstalledFamilies(QWidget *window) : m_window(window) {
    window->installEventFilter(this);
}

bool InstalledFamilies::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_window && event->type() == QEvent::StyleChange) {
        const QString sheet = m_window->styleSheet();
        const QString family = windowFamily();
        const QString named = family.isEmpty() ? FontStandIns::renamed(sheet, FontStandIns::here())
                                               : FontStandIns::allFamiliesAs(sheet, family);
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

// A panel of a description: a plain container or a frame, whose widgets stand where the
// description puts them.
bool isPanel(const QWidget *widget) {
    return widget->metaObject() == &QWidget::staticMetaObject ||
           qobject_cast<const QGroupBox *>(widget);
}

void mirrorWithin(QWidget *container) {
    const bool placedByLayout = container->layout() != nullptr;
    for (QObject *child : container->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        if (!placedByLayout) {
            widget->setGeometry(
                QStyle::visualRect(Qt::RightToLeft, container->rect(), widget->geometry()));
            if (auto *label = qobject_cast<ClickLabel *>(widget))
                label->setKeepsRightEdge(true);
        }
        if (isPanel(widget))
            mirrorWithin(widget);
    }
}

} // namespace

void mirrorForReadingDirection(QWidget *window) {
    if (!window->isRightToLeft())
        return;
    // A main window's layout gives its central panel the window's width first.
    if (QLayout *layout = window->layout())
        layout->activate();
    mirrorWithin(window);
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
