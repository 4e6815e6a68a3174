#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class FrmStartup;
class FrmMain;
class FrmDisplay;
class FrmFarewell;

// The one owner of the application's windows. A window is created, and its load step run, on
// its first reference; it stays loaded, shown or hidden, until it is closed, and a closed window
// is destroyed, so that the next reference creates a fresh one from its layout. Windows reach
// each other only through here.
class Forms {
public:
    static FrmStartup &frmStartup();
    static FrmMain &frmMain();
    static FrmDisplay &frmDisplay();
    static FrmFarewell &frmFarewell();

    static bool frmMainLoaded();
    static bool frmDisplayLoaded();
    static bool frmFarewellLoaded();

    // Shows a fresh About window over the owner and waits until the user closes it.
    static void showAboutModal(QWidget *owner);

    // Every window loaded now, in the order they were created.
    static QList<QPointer<QWidget>> loadedWindows();
    static bool isLoaded(const QWidget *window);
};
