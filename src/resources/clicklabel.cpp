#include "resources/clicklabel.h"

#include "resources/clicklabelaccessible.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

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
        resizeFromEdge(shown.deviceIndependentSize().toSize());
    } else if (!text().isEmpty()) {
        setAlignment((alignment() & ~Qt::AlignVertical_Mask) | Qt::AlignTop);
        resizeFromEdge(textSize());
        keepInsideParent();
    }
}

// The size of the label's text on its one line, drawn from its top. Some scripts' letters, and
// a link's underline beneath them, may reach below the line the font declares; the label holds
// them too.
QSize ClickLabel::textSize() const {
    const QFontMetrics metrics(font());
    int below = metrics.tightBoundingRect(text()).bottom() + 1;
    if (font().underline())
        below = std::max(below, metrics.underlinePos() + metrics.lineWidth());
    const QSize hint = sizeHint();
    return {hint.width(), std::max(hint.height(), metrics.ascent() + below)};
}

void ClickLabel::resizeFromEdge(QSize size) {
    if (m_keepsRightEdge)
        setGeometry(QRect(QPoint(geometry().right() + 1 - size.width(), y()), size));
    else
        resize(size);
}

// The layouts were drawn for fonts that the stand-in families may run a little wider than.
// A label that sizes itself and would then reach past the edge of its container draws its
// letters a little closer, just enough to keep its whole caption in view.
void ClickLabel::keepInsideParent() {
    const QWidget *container = parentWidget();
    if (!container || m_fitting)
        return;
    const int room = m_keepsRightEdge ? geometry().right() + 1 - container->contentsRect().left()
                                      : container->contentsRect().right() + 1 - x();
    const int natural = width();
    if (natural <= room || room <= 0)
        return;
    m_fitting = true;
    QFont tighter = font();
    for (qreal spacing = 99; spacing >= 90 && sizeHint().width() > room; spacing -= 1) {
        tighter.setLetterSpacing(QFont::PercentageSpacing, spacing);
        setFont(tighter);
    }
    resizeFromEdge(textSize());
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

// The focus mark lies on the label's own edge, over its picture or text: a white ring with a
// black one inside it, which shows on a dark window and on a light picture alike.
void ClickLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus() || !reactsToClicks())
        return;
    QPainter painter(this);
    const QRectF edge = rect();
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(edge.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(edge.adjusted(3, 3, -3, -3));
}

// Space and Enter click a label that has the focus, once for a held key.
void ClickLabel::keyPressEvent(QKeyEvent *event) {
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                          event->key() == Qt::Key_Enter;
    if (!pressKey || (event->modifiers() & ~Qt::KeypadModifier) || !reactsToClicks()) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        click();
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
