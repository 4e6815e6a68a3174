#include "app/forms.h"
#include "app/quietmessages.h"
#include "resources/appearance.h"

#include <QApplication>
#include <optional>

int main(int argc, char *argv[]) {
    // Qt complains while it starts when the runtime directory is missing or not the user's
    // own; the application does without one, so nothing is said.
    std::optional<QuietMessages> quiet(std::in_place);
    QApplication app(argc, argv);
    quiet.reset();
    // The application ends only through ExitApplication, never because a window closed.
    app.setQuitOnLastWindowClosed(false);
    Appearance::apply(app);
    Forms::frmStartup();
    return app.exec();
}
