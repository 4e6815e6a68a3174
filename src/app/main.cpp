#include "app/desktopid.h"
#include "app/displayplatform.h"
#include "app/forms.h"
#include "resources/appearance.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    DisplayPlatform::Arguments args(argc, argv);
    // On a platform that asks for it (native Wayland, when the user chooses it), the desktop
    // finds the desktop entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTAVEL_APP_ID));
    QApplication app(args.argc(), args.argv());
    // The application ends only through ExitApplication, never because a window closed.
    app.setQuitOnLastWindowClosed(false);
    Appearance::apply(app);
    Forms::frmStartup();
    return app.exec();
}
