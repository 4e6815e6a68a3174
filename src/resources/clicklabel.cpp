#include "resources/clicklabel.h"

#include "resources/clicklabelaccessible.h"

#include <QMetaMethod>
#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {
    static const bool accessible =
        (QAccessible::installFactory(ClickLabelAccessible::factory), true);
    Q_UNUSED(accessible);
}

void ClickLabel::click() {
    emit clicked();
}

bool ClickLabel::reactsToClicks() const {
    static const QMetaMethod clickedSignal = QMetaMethod::fromSignal(&ClickLabel::clicked);
    return isSignalConnected(clickedSignal);
}

void ClickLabel::setAutoSize(bool on) {
    m_autoSize = on;
    fitToContent();
}

void ClickLabel::setHandPointer(HandPointer kind) {
    m_hand = kind;
    Pointers::showOnHover(this, kind);
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
    if (!shown.isNull()) {
        resize(shown.deviceIndependentSize().toSize());
    } else if (!text().isEmpty()) {
        resize(sizeHint());
        keepInsideParent();
    }
}

// The layouts were drawn for fonts that the stand-in families may run a little wider than.
// A label that sizes itself and would then reach past the edge of its container draws its
// letters a little closer, just enough to keep its whole caption in view.
void ClickLabel::keepInsideParent() {
    const QWidget *container = parentWidget();
    if (!container || m_fitting)
        return;
    const int room = container->contentsRect().right() + 1 - x();
    const int natural = width();
    if (natural <= room || room <= 0)
        return;
    m_fitting = true;
    QFont tighter = font();
    for (qreal spacing = 99; spacing >= 90 && sizeHint().width() > room; spacing -= 1) {
        tighter.setLetterSpacing(QFont::PercentageSpacing, spacing);
        setFont(tighter);
    }
    resize(sizeHint());
    m_fitting = false;
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
    const bool clickedHere = m_pressed && event->button() == Qt::LeftButton &&
                             rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (clickedHere)
        click();
}
