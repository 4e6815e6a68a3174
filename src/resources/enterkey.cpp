#include "resources/enterkey.h"

#include <QKeyEvent>
#include <QPushButton>

namespace EnterKey {

namespace {

class EnterPresses : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // A held key presses once.
        if (!key->isAutoRepeat())
            static_cast<QPushButton *>(watched)->click();
        return true;
    }
};

} // namespace

void pressesButton(QPushButton *button) {
    static EnterPresses filter;
    button->installEventFilter(&filter);
}

} // namespace EnterKey
