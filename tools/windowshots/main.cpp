// windowshots: renders each window of the application as the user sees it, one PNG a state:
// both offers, the menus, the chooser, all twelve readings, the farewell window with each of
// its four messages, and the About window. The windows speak the user's language (LANGUAGE,
// LANG).
//
//   windowshots [--palette NAME] [--contrast] <output-dir>
//
// --palette gives the application one of the palettes a desktop may set (dark, black-on-white,
// white-on-black), under which every window must look as it does under Qt's own. --contrast
// prints, for every text of each state, its colour, the colour behind it that stands out least,
// and their contrast ratio (WCAG 2), with "LOW" where it falls short of 4.5 : 1 (3 : 1 for large
// text).
//
// It runs without a screen (QT_QPA_PLATFORM=offscreen is set unless a platform is given) and
// in a private runtime and configuration directory, so it never meets a running copy.

#include "contrast.h"
#include "windowstates.h"

#include "app/messagebox.h"
#include "app/shutdown.h"
#include "app/translations.h"
#include "resources/appearance.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QString out, paletteName;
    bool contrast = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--palette") && i + 1 < argc)
            paletteName = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--contrast"))
            contrast = true;
        else if (out.isEmpty() && !arg.startsWith(QLatin1Char('-')))
            out = arg;
        else {
            out.clear();
            break;
        }
    }
    if (out.isEmpty()) {
        QTextStream(stderr) << "usage: windowshots [--palette NAME] [--contrast] <output-dir>\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", (home.path() + QStringLiteral("/runtime")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());

    Translations translations;
    QApplication app(argc, argv);
    translations.install();
    app.setQuitOnLastWindowClosed(false);
    Appearance::apply(app, translations.language());
    if (!paletteName.isEmpty()) {
        bool known = false;
        for (const auto &[name, palette] : WindowStates::desktopPalettes()) {
            if (name == paletteName) {
                QApplication::setPalette(palette);
                known = true;
            }
        }
        if (!known) {
            QTextStream(stderr) << "windowshots: no palette named " << paletteName << "\n";
            return 2;
        }
    }
    modHelp::setProcessEnd([] {});
    // No question is asked here: every message box takes its default answer unseen.
    modHelp::setMsgBoxAnswerer([](QMessageBox &box) -> std::optional<QMessageBox::StandardButton> {
        return box.defaultButton() ? box.standardButton(box.defaultButton()) : QMessageBox::Ok;
    });

    if (!QDir().mkpath(out))
        return 1;
    bool ok = true;
    QTextStream printed(stdout);
    WindowStates::visit([&](QWidget &window, const QString &state) {
        const QString path = out + QLatin1Char('/') + state + QStringLiteral(".png");
        if (!window.grab().save(path, "PNG")) {
            QTextStream(stderr) << "windowshots: cannot write " << path << "\n";
            ok = false;
        }
        printed << path << "\n";
        for (const Contrast::Text &text :
             contrast ? Contrast::texts(window) : QList<Contrast::Text>())
            printed << "  " << (text.readable() ? "" : "LOW ") << text.describe() << "\n";
    });
    return ok ? 0 : 1;
}
