#include "resources/clicklabelaccessible.h"

#include "resources/clicklabel.h"

ClickLabelAccessible::ClickLabelAccessible(ClickLabel *label) : QAccessibleWidget(label) {}

QAccessibleInterface *ClickLabelAccessible::factory(const QString &className, QObject *object) {
    if (className == QLatin1String("ClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    return nullptr;
}

ClickLabel *ClickLabelAccessible::label() const {
    return static_cast<ClickLabel *>(widget());
}

bool ClickLabelAccessible::showsPicture() const {
    return !label()->pixmap().isNull();
}

bool ClickLabelAccessible::reactsToClicks() const {
    return label()->reactsToClicks();
}

QAccessible::Role ClickLabelAccessible::role() const {
    const bool link = label()->handPointer() != HandPointer::None && reactsToClicks();
    if (showsPicture())
        return link ? QAccessible::Button : QAccessible::Graphic;
    return link ? QAccessible::Link : QAccessible::StaticText;
}

QString ClickLabelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && label()->accessibleName().isEmpty() && !label()->text().isEmpty())
        return label()->text();
    return QAccessibleWidget::text(t);
}

void *ClickLabelAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ImageInterface && showsPicture())
        return static_cast<QAccessibleImageInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QStringList ClickLabelAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (reactsToClicks())
        names.prepend(pressAction());
    return names;
}

// The click comes after the screen reader's request has been answered: what it starts may
// wait for the user (a message box, a modal window), and the reader must not wait with it.
void ClickLabelAccessible::doAction(const QString &actionName) {
    if (actionName == pressAction() && reactsToClicks())
        QMetaObject::invokeMethod(label(), &ClickLabel::click, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(actionName);
}

QString ClickLabelAccessible::imageDescription() const {
    return text(QAccessible::Name);
}

QSize ClickLabelAccessible::imageSize() const {
    return label()->pixmap().deviceIndependentSize().toSize();
}

QPoint ClickLabelAccessible::imagePosition() const {
    return rect().topLeft();
}
