#pragma once

#include <QList>
#include <QPalette>
#include <QString>
#include <functional>
#include <utility>

class QWidget;

// Every window of the application in each state a user can see: both offers of the main
// window, the chooser, a thumbnail with the focus mark, all twelve readings, the About window,
// the farewell window with each of its four support messages, and each drop-down menu as it
// opens. Shared by windowshots and the tests that look at every window.
namespace WindowStates {

// Starts the application, shows look() each window in each state under its name (such as
// "result-apple" or "main-mnuHelp"), and ends with the farewell window's Exit.
void visit(const std::function<void(QWidget &window, const QString &state)> &look);

// Palettes a desktop may give the application, each with a short name: a dark one, and high
// contrast black on white and white on black. The windows look the same under all of them.
QList<std::pair<QString, QPalette>> desktopPalettes();

} // namespace WindowStates
