#pragma once

#include <QObject>
#include <Qt>

class QApplication;
class QPalette;
class QWidget;

namespace Appearance {

// One look on every desktop: the Fusion style, and the Windows font families the windows
// name mapped to close families when they are not installed. In a language with faces of its
// own script ("ja"; empty for English), the first of them installed draws its letters in the
// windows, and in the menus and message boxes too where it stands in for a family's.
void apply(QApplication &app, const QString &language = {});

// The colours every window is drawn with where its description fixes none (button faces, text
// boxes, frames, the menu bar and its menus, focus marks): the light ones Qt gives where the
// desktop sets no palette. The windows were laid out with them, and a dark or high-contrast
// palette of the desktop would recolour half of each window and leave the other half as it was.
QPalette windowPalette();

// Gives a window, before its widgets are made, the style that draws it and every widget in it,
// its menus and message boxes included, with those colours whatever the desktop's palette is.
void useWindowPalette(QWidget *window);

// While a window is built from its description, the style sheet the description gives it names
// the installed stand-ins of the families that are missing. The description sets the sheet on
// the window before it creates any widget, and the sheet is renamed right then, while no widget
// has read it yet.
class InstalledFamilies : public QObject {
public:
    explicit InstalledFamilies(QWidget *window);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

// Builds a window from its description as a fixed-size window: the user cannot resize it, and
// it has no minimise or maximise box. Extra flags (staying on top) are set in the same step.
// The flags are set before the description is applied, so that its style sheet is applied to
// the widgets once, not once more by a change of flags.
template <class Window, class Ui>
void buildFixedWindow(Window *window, Ui &ui, Qt::WindowFlags extra = {});

void setFixedWindowFlags(QWidget *window, Qt::WindowFlags extra);
void fixSize(QWidget *window);

// In a language read from right to left the window is its description's mirror image: every
// widget the description places stands as far from its container's right edge as it stood from
// the left one. Texts follow the reading side on their own; pictures are not mirrored.
void mirrorForReadingDirection(QWidget *window);

// Places a window in the middle of its screen before it is first shown; as it first shows, the
// frame its window manager gives it is counted in.
void centreOnScreen(QWidget *window);

template <class Window, class Ui>
void buildFixedWindow(Window *window, Ui &ui, Qt::WindowFlags extra) {
    setFixedWindowFlags(window, extra);
    useWindowPalette(window);
    {
        InstalledFamilies families(window);
        ui.setupUi(window);
    }
    fixSize(window);
    mirrorForReadingDirection(window);
}

} // namespace Appearance
