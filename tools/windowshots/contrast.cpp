#include "contrast.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <cmath>
#include <functional>

namespace Contrast {

namespace {

double luminance(const QColor &colour) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// A text of a widget, where it lies in the widget, and a way to put another in its place.
struct Caption {
    QString name;
    QString text;
    QRect place;
    std::function<void(const QString &)> set;
};

QList<Caption> captionsOf(QWidget *widget) {
    const QString name = widget->objectName();
    const QRect all = widget->rect();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return {{name, label->text(), all, [label](const QString &t) { label->setText(t); }}};
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return {{name, button->text(), all, [button](const QString &t) { button->setText(t); }}};
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return {{name, box->text(), all, [box](const QString &t) { box->setText(t); }}};
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
        return {{name, box->toPlainText(), all, [box](const QString &t) { box->setPlainText(t); }}};
    // A frame's title only: the blanks' title, a little wider, covers more of the frame's border.
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QStyleOptionGroupBox title;
        title.initFrom(frame);
        title.text = frame->title();
        title.subControls = QStyle::SC_GroupBoxLabel;
        const QRect place = frame->style()->subControlRect(QStyle::CC_GroupBox, &title,
                                                           QStyle::SC_GroupBoxLabel, frame);
        return {{name, frame->title(), place, [frame](const QString &t) { frame->setTitle(t); }}};
    }
    // A menu's items move as one of them changes width; each is looked at in its own place.
    const auto *bar = qobject_cast<QMenuBar *>(widget);
    const auto *menu = qobject_cast<QMenu *>(widget);
    QList<Caption> items;
    for (QAction *action : bar || menu ? widget->actions() : QList<QAction *>())
        items.append({action->menu() ? action->menu()->objectName() : action->objectName(),
                      action->text(),
                      bar ? bar->actionGeometry(action) : menu->actionGeometry(action),
                      [action](const QString &t) { action->setText(t); }});
    return items;
}

// Spaces at least as wide as the text, as the text is laid out.
QString blanksFor(const QString &text, const QFontMetrics &metrics) {
    const int width = metrics.horizontalAdvance(text);
    QString blanks(width / std::max(1, metrics.horizontalAdvance(QString(8, QLatin1Char(' '))) / 8),
                   QLatin1Char(' '));
    while (metrics.horizontalAdvance(blanks) < width)
        blanks += QLatin1Char(' ');
    return blanks;
}

QImage drawn(QWidget &window, const QRect &area) {
    return window.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

double ratio(const QColor &a, const QColor &b) {
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QString Text::describe() const {
    return QStringLiteral("%1 %2 on %3, %4 : 1%5")
        .arg(widget, ink.name(), behind.name())
        .arg(ratio, 0, 'f', 1)
        .arg(large ? QStringLiteral(" (large)") : QString());
}

// The letters are the pixels that change when the text gives way to blanks at least as wide,
// so that a frame's title keeps its background. Their colour is that of the pixel that stands
// out most from what was behind it: the others are its edges, blended into the background.
QList<Text> texts(QWidget &window) {
    QList<Text> found;
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    for (QWidget *widget : widgets) {
        if (widget != &window && (widget->isWindow() || !widget->isVisibleTo(&window)))
            continue;
        const QPoint origin = widget == &window ? QPoint() : widget->mapTo(&window, QPoint());
        const QFontMetrics metrics(widget->font());
        for (const Caption &caption : captionsOf(widget)) {
            const QRect area = caption.place.translated(origin).intersected(window.rect());
            if (caption.text.trimmed().isEmpty() || area.isEmpty())
                continue;
            const QImage before = drawn(window, area);
            caption.set(blanksFor(caption.text, metrics));
            const QImage after = drawn(window, area);
            caption.set(caption.text);
            Text text;
            double boldest = 0;
            for (int y = 0; y < before.height(); ++y) {
                for (int x = 0; x < before.width(); ++x) {
                    const QColor letter(before.pixel(x, y)), ground(after.pixel(x, y));
                    if (letter != ground && ratio(letter, ground) > boldest) {
                        boldest = ratio(letter, ground);
                        text.ink = letter;
                    }
                }
            }
            if (boldest == 0)
                continue;
            // Behind the letters is what is drawn where they are drawn in their colour.
            text.widget = caption.name;
            text.ratio = 22;
            for (int y = 0; y < before.height(); ++y) {
                for (int x = 0; x < before.width(); ++x) {
                    const QColor ground(after.pixel(x, y));
                    if (QColor(before.pixel(x, y)) == text.ink && ground != text.ink &&
                        ratio(text.ink, ground) < text.ratio) {
                        text.ratio = ratio(text.ink, ground);
                        text.behind = ground;
                    }
                }
            }
            const QFontInfo font(widget->font());
            text.large = font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14);
            found.append(text);
        }
    }
    return found;
}

} // namespace Contrast
