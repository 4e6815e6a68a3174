#include "resources/focusannouncement.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace FocusAnnouncement {

namespace {

class FocusFirst : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::FocusIn && !m_delivering && QAccessible::isActive()) {
            m_waiting = static_cast<QWidget *>(watched);
            m_reason = static_cast<QFocusEvent *>(event)->reason();
            QMetaObject::invokeMethod(this, &FocusFirst::deliver, Qt::QueuedConnection);
            return true;
        }
        if (watched == m_waiting && comesAfterFocus(event->type()))
            deliver();
        return false;
    }

private:
    static bool comesAfterFocus(QEvent::Type type) {
        switch (type) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::FocusOut:
            return true;
        default:
            return false;
        }
    }

    void deliver() {
        const QPointer<QWidget> box = std::exchange(m_waiting, nullptr);
        if (!box)
            return;
        m_delivering = true;
        QFocusEvent in(QEvent::FocusIn, m_reason);
        QCoreApplication::sendEvent(box, &in);
        m_delivering = false;
    }

    QPointer<QWidget> m_waiting;
    Qt::FocusReason m_reason = Qt::OtherFocusReason;
    bool m_delivering = false;
};

} // namespace

void comesFirst(QWidget *box) {
    static FocusFirst filter;
    box->installEventFilter(&filter);
}

} // namespace FocusAnnouncement
