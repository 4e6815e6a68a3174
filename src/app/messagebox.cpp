#include "app/messagebox.h"

#include <QApplication>

namespace modHelp {

static MsgBoxAnswerer &answerer() {
    static MsgBoxAnswerer current;
    return current;
}

void setMsgBoxAnswerer(MsgBoxAnswerer a) {
    answerer() = std::move(a);
}

QMessageBox::StandardButton MsgBox(const QString &text, QMessageBox::Icon icon,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton,
                                   const QString &title) {
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (answerer()) {
        if (const auto answer = answerer()(box))
            return *answer;
    }
    return QMessageBox::StandardButton(box.exec());
}

} // namespace modHelp
