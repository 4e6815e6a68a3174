#include "app/desktopid.h"
#include "app/displayplatform.h"
#include "app/forms.h"
#include "app/quietmessages.h"
#include "resources/appearance.h"

#include <QApplication>
#include <optional>

int main(int argc, char *argv[]) {
    DisplayPlatform::Arguments args(argc, argv);
    // On a platform that asks for it (native Wayland, when the user chooses it), the desktop
    // finds the desktop entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTAVEL_APP_ID));
    // Qt complains while it starts when the runtime directory is missing or not the user's
    // own; the application does without one, so nothing is said.
    std::optional<QuietMessages> quiet(std::in_place);
    QApplication app(args.argc(), args.argv());
    quiet.reset();
    // The application ends only through ExitApplication, never because a window closed.
    app.setQuitOnLastWindowClosed(false);
    Appearance::apply(app);
    Forms::frmStartup();
    return app.exec();
}
