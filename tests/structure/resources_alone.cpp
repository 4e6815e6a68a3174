// The resources are the ground floor: this program links every object of the resources
// library and nothing else of ours, so a resource that reached into start-up, the reading or
// the outreach would fail to link here.

#include "resources/picturelist.h"
#include "resources/texts.h"

#include <QGuiApplication>

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    const bool ok = !Texts::get(QStringLiteral("main-intro")).isEmpty() &&
                    !PictureList::applicationIcon().picture(1).isNull();
    return ok ? 0 : 1;
}
