#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <algorithm>

// Watches the whole application for the next paint of the window with the given name, and
// runs the event loop until it has happened.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QString windowName) : m_name(std::move(windowName)) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintWatch() override { QCoreApplication::instance()->removeEventFilter(this); }

    void wait() {
        QElapsedTimer guard;
        guard.start();
        while (!m_painted && guard.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    bool painted() const { return m_painted; }

    bool eventFilter(QObject *receiver, QEvent *event) override {
        if (event->type() == QEvent::Paint && receiver->objectName() == m_name)
            m_painted = true;
        return false;
    }

private:
    QString m_name;
    bool m_painted = false;
};

inline double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}
