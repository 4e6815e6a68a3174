#include "app/desktopid.h"
#include "app/fontwarmup.h"
#include "app/forms.h"
#include "app/translations.h"
#include "platform/platform.h"
#include "resources/appearance.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    Platform::prepareProcess();
    // The fonts are made ready on a thread while the display connection is made and the
    // windows are built.
    FontWarmUp fonts;
    // The user's language, also for the line that says no window can be shown.
    Translations translations;
    Platform::ApplicationStart start(argc, argv, Translations::text);
    // On a platform that asks for it (native Wayland, when the user chooses it), the desktop
    // finds the desktop entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTAVEL_APP_ID));
    QApplication app(start.argc(), start.argv());
    start.applicationMade();
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
