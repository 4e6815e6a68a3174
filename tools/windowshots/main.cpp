// windowshots: renders each window of the application as the user sees it, one PNG a state:
// both offers, the chooser, all twelve readings, the farewell window with each of its four
// messages, and the About window. The windows speak the user's language (LANGUAGE, LANG).
//
//   windowshots <output-dir>
//
// It runs without a screen (QT_QPA_PLATFORM=offscreen is set unless a platform is given) and
// in a private runtime and configuration directory, so it never meets a running copy.

#include "app/forms.h"
#include "app/frmstartup.h"
#include "app/messagebox.h"
#include "app/random.h"
#include "app/shutdown.h"
#include "app/translations.h"
#include "outreach/frmabout.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "reading/fruitcatalogue.h"
#include "resources/appearance.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

bool save(QWidget &window, const QString &dir, const QString &name) {
    QCoreApplication::processEvents();
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!window.grab().save(path, "PNG")) {
        QTextStream(stderr) << "windowshots: cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << path << "\n";
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        QTextStream(stderr) << "usage: windowshots <output-dir>\n";
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
    modHelp::setProcessEnd([] {});
    // Every draw lands in the same place: the offer and the support message are the same in
    // every run.
    Random::setSource([] { return 0.3; });
    // No question is asked here: every message box takes its default answer unseen.
    modHelp::setMsgBoxAnswerer([](QMessageBox &box) -> std::optional<QMessageBox::StandardButton> {
        return box.defaultButton() ? box.standardButton(box.defaultButton()) : QMessageBox::Ok;
    });

    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(out))
        return 1;
    bool ok = true;

    Forms::frmStartup();
    FrmMain &main = Forms::frmMain();
    Forms::frmStartup().CoBrand_Randomize(0.0);
    ok &= save(main, out, QStringLiteral("main-cobrand"));
    Forms::frmStartup().CoBrand_Randomize(0.5);
    ok &= save(main, out, QStringLiteral("main-fullbrand"));

    main.ui.txtFirstName->setText(QStringLiteral("ANN"));
    main.cmdNext_Click();
    FrmDisplay &display = Forms::frmDisplay();
    ok &= save(display, out, QStringLiteral("chooser"));
    // Thumbnail 8 reached with the keyboard shows its focus mark.
    display.picSmallFruit(8)->setFocus(Qt::TabFocusReason);
    ok &= save(display, out, QStringLiteral("chooser-focus"));
    for (int fruit = 0; fruit < FruitCatalogue::count; ++fruit) {
        display.picSmallFruit_Click(fruit);
        QString key = FruitCatalogue::at(fruit)->pictureKey;
        key.chop(4); // ".jpg"
        ok &= save(display, out, QStringLiteral("result-") + key);
    }

    auto *about = new FrmAbout(&display);
    about->setWindowIcon(Forms::frmStartup().applicationIcon());
    about->show();
    ok &= save(*about, out, QStringLiteral("about"));
    delete about;

    // Each of the four support messages, in a window of its own; leaving it ends the rest. The
    // hand-over made the farewell window with a message drawn then.
    Forms::frmFarewell().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int message = 0; message < 4; ++message) {
        Random::setSource([message] { return (message + 0.5) / 4; });
        FrmFarewell &farewell = Forms::frmFarewell();
        farewell.show();
        ok &= save(farewell, out, QStringLiteral("farewell-%1").arg(message));
        farewell.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    return ok ? 0 : 1;
}
