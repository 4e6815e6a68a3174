#pragma once

#include "app/apptitle.h"

#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>

namespace modHelp {

// A modal message box over the active window. Returns the button the user pressed.
QMessageBox::StandardButton
MsgBox(const QString &text, QMessageBox::Icon icon = QMessageBox::Information,
       QMessageBox::StandardButtons buttons = QMessageBox::Ok,
       QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
       const QString &title = kAppTitle);

// Lets a test see every box before it is shown and answer it in the user's place: an answer
// closes the box without showing it; no answer shows it as usual.
using MsgBoxAnswerer = std::function<std::optional<QMessageBox::StandardButton>(QMessageBox &)>;
void setMsgBoxAnswerer(MsgBoxAnswerer answerer);

} // namespace modHelp
