#include "resources/typedonly.h"

#include <QInputMethodQueryEvent>
#include <QWidget>

namespace TypedOnly {

namespace {

class NoInputMethod : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::InputMethodQuery)
            return false;
        auto *query = static_cast<QInputMethodQueryEvent *>(event);
        if (!(query->queries() & Qt::ImEnabled))
            return false;
        // Answered here whole, as the box would answer it, but for whether it takes any.
        const auto *box = static_cast<QWidget *>(watched);
        for (int bit = 0; bit < 32; ++bit)
            if (const auto asked = Qt::InputMethodQuery(1u << bit); query->queries() & asked)
                query->setValue(asked, asked == Qt::ImEnabled ? QVariant(false)
                                                              : box->inputMethodQuery(asked));
        query->accept();
        return true;
    }
};

} // namespace

void refuseInputMethods(QWidget *box) {
    static NoInputMethod filter;
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(&filter);
}

} // namespace TypedOnly
