#include "app/forms.h"
#include "resources/appearance.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // The application ends only through ExitApplication, never because a window closed.
    app.setQuitOnLastWindowClosed(false);
    Appearance::apply(app);
    Forms::frmStartup();
    return app.exec();
}
