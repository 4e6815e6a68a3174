#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QWidget;

// How well each text of a window stands out from what is drawn behind it, measured on the
// window as it is drawn: the contrast ratio of WCAG 2.
namespace Contrast {

// From 1 (the same colour) to 21 (black and white).
double ratio(const QColor &a, const QColor &b);

// One text of a window: the colour its letters are drawn in, and the colour behind them that
// stands out least.
struct Text {
    QString widget;
    QColor ink;
    QColor behind;
    double ratio = 1;
    bool large = false; // 18 pt, or 14 pt bold
    // At least 4.5 : 1, or 3 : 1 for large text.
    bool readable() const { return ratio >= (large ? 3.0 : 4.5); }
    QString describe() const;
};

// Every text that shows in a shown window or menu: those of its labels, buttons, text boxes,
// frame titles and menus. A text covered by another widget, or outside its window, shows
// nowhere and is left out.
QList<Text> texts(QWidget &window);

} // namespace Contrast
