#pragma once

#include <QLabel>

#include "resources/handpointer.h"

// A label or picture box that reacts to a click, as the windows' link labels, offer labels
// and fruit thumbnails do. It can size itself to its text (on one line) or to its picture,
// and show a hand pointer while the mouse is over it. One that takes the keyboard focus (its
// focus policy) shows a focus mark while it has it, and Space or Enter click it.
class ClickLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(int handPointer READ handPointerValue WRITE setHandPointerValue)

public:
    explicit ClickLabel(QWidget *parent = nullptr);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    HandPointer handPointer() const { return m_hand; }
    void setHandPointer(HandPointer kind);

    // Sets a caption where "&&" shows one "&" and a single "&" marks an access key.
    void setCaption(const QString &caption);
    // Sets the picture; a label that sizes itself takes the picture's own size.
    void setPicture(const QPixmap &picture);

    // In a window mirrored for a language read from right to left, a label that sizes itself
    // keeps its right edge in place, as it keeps its left one otherwise.
    void setKeepsRightEdge(bool on) { m_keepsRightEdge = on; }

    static QString displayedCaption(const QString &caption);
    // Whether anything acts on the label's clicks.
    bool reactsToClicks() const;

public slots:
    // Reacts as to a click of the mouse: for a screen reader's press, and for code that drives
    // the label.
    void click();

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int handPointerValue() const { return int(m_hand); }
    void setHandPointerValue(int value) { setHandPointer(HandPointer(value)); }
    void fitToContent();
    void keepInsideParent();
    QSize textSize() const;
    void resizeFromEdge(QSize size);

    bool m_autoSize = false;
    bool m_pressed = false;
    bool m_fitting = false;
    bool m_keepsRightEdge = false;
    HandPointer m_hand = HandPointer::None;
};
