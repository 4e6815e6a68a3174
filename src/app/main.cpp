#include "app/desktopid.h"
#include "app/displayplatform.h"
#include "app/fontwarmup.h"
#include "app/forms.h"
#include "app/startupmessages.h"
#include "app/translations.h"
#include "resources/appearance.h"

#include <QApplication>
#include <malloc.h>
#include <optional>

int main(int argc, char *argv[]) {
    // Two heaps at the most. The font thread, which starts first, gets the second, so that the
    // GUI thread never waits for it at the heap lock while both start up; Qt's X event reader,
    // which allocates little, shares one of the two instead of keeping a heap of its own.
    mallopt(M_ARENA_MAX, 2);
    // The fonts are made ready on a thread while the display connection is made and the
    // windows are built.
    FontWarmUp fonts;
    // The user's language, also for the line that says no window can be shown.
    Translations translations;
    DisplayPlatform::Arguments args(argc, argv);
    // On a platform that asks for it (native Wayland, when the user chooses it), the desktop
    // finds the desktop entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTAVEL_APP_ID));
    std::optional<StartupMessages> messages(std::in_place, args);
    QApplication app(args.argc(), args.argv());
    messages.reset();
    translations.install();
    fonts.applicationReady();
    // The application ends only through ExitApplication, never because a window closed.
    app.setQuitOnLastWindowClosed(false);
    Appearance::apply(app, translations.language());
    fonts.configurationRead();
    Forms::frmStartup();
    const int status = app.exec();
    fonts.finish();
    return status;
}
