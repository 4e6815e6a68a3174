// picturegen: draws Quintavel's pictures.
//
//   picturegen <output-dir>                           write every picture into <output-dir>
//   picturegen --theme-icons <output-dir>             write the icon theme's application icons
//   picturegen --sheet <pictures-dir> <out.png> [zoom] render a contact sheet of the pictures
//
// Drawing needs no screen: run it with QT_QPA_PLATFORM=offscreen.

#include "contactsheet.h"
#include "picturewriter.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <exception>

namespace {

int usage() {
    QTextStream(stderr) << "usage: picturegen <output-dir>\n"
                           "       picturegen --theme-icons <output-dir>\n"
                           "       picturegen --sheet <pictures-dir> <out.png> [zoom]\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (args.size() == 1 && !args[0].startsWith(QLatin1Char('-'))) {
        try {
            return writeAllPictures(args[0]) ? 0 : 1;
        } catch (const std::exception &e) {
            QTextStream(stderr) << "picturegen: " << e.what() << "\n";
            return 1;
        }
    }

    if (args.size() == 2 && args[0] == QLatin1String("--theme-icons"))
        return writeThemeIcons(args[1]) ? 0 : 1;

    if ((args.size() == 3 || args.size() == 4) && args[0] == QLatin1String("--sheet")) {
        bool zoomOk = true;
        const int zoom = args.size() == 4 ? args[3].toInt(&zoomOk) : 2;
        if (!zoomOk || zoom < 1 || zoom > 16)
            return usage();
        if (!renderContactSheet(args[1], zoom).save(args[2], "PNG")) {
            QTextStream(stderr) << "cannot write " << args[2] << "\n";
            return 1;
        }
        return 0;
    }
    return usage();
}
