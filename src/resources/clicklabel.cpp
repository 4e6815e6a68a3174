#include "resources/clicklabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {}

void ClickLabel::setAutoSize(bool on) {
    m_autoSize = on;
    fitToContent();
}

void ClickLabel::setHandPointer(HandPointer kind) {
    m_hand = kind;
    m_cursorApplied = false;
    if (kind == HandPointer::None)
        unsetCursor();
}

QString ClickLabel::displayedCaption(const QString &caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                shown += caption[++i];
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

void ClickLabel::setCaption(const QString &caption) {
    setText(displayedCaption(caption));
    fitToContent();
}

void ClickLabel::setPicture(const QPixmap &picture) {
    setPixmap(picture);
    fitToContent();
}

void ClickLabel::fitToContent() {
    if (!m_autoSize)
        return;
    const QPixmap shown = pixmap();
    if (!shown.isNull())
        resize(shown.deviceIndependentSize().toSize());
    else if (!text().isEmpty())
        resize(sizeHint());
}

// The font a window's style sheet gives the label is known once the label is polished, just
// before it is first shown; a label that sizes itself fits its text again then.
bool ClickLabel::event(QEvent *event) {
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Polish || event->type() == QEvent::FontChange)
        fitToContent();
    return handled;
}

void ClickLabel::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

// The pointer is decoded the first time the mouse comes over the label, not when the
// window is built.
void ClickLabel::enterEvent(QEnterEvent *event) {
    if (m_hand != HandPointer::None && !m_cursorApplied) {
        setCursor(Pointers::cursor(m_hand));
        m_cursorApplied = true;
    }
    QLabel::enterEvent(event);
}
