#pragma once

#include <QAccessibleWidget>

class ClickLabel;

// What a screen reader is told of a ClickLabel. A picture with a hand pointer (a thumbnail) is
// a push button and a caption with one a link; other pictures are images and other captions
// text. A label that reacts to clicks is pressed through the accessible press action, which a
// screen reader uses to activate it. The name is the one the window gave the label (the fruit
// a picture shows), otherwise its caption.
class ClickLabelAccessible : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit ClickLabelAccessible(ClickLabel *label);

    // Gives every ClickLabel this interface; installed once, with the first label.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    QString imageDescription() const override;
    QSize imageSize() const override;
    QPoint imagePosition() const override;

private:
    ClickLabel *label() const;
    bool showsPicture() const;
    bool reactsToClicks() const;
};
