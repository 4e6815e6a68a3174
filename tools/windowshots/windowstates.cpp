#include "windowstates.h"

#include "app/forms.h"
#include "app/frmstartup.h"
#include "app/random.h"
#include "outreach/frmabout.h"
#include "outreach/frmfarewell.h"
#include "reading/frmdisplay.h"
#include "reading/frmmain.h"
#include "reading/fruitcatalogue.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace WindowStates {

namespace {

using Look = std::function<void(QWidget &, const QString &)>;

void shown(const Look &look, QWidget &window, const QString &state) {
    QCoreApplication::processEvents();
    look(window, state);
}

// Each menu of the menu bar, drawn as it drops down.
void dropDowns(const Look &look, QMainWindow &window, const QString &prefix) {
    for (QAction *action : window.menuBar()->actions()) {
        if (QMenu *menu = action->menu()) {
            menu->adjustSize();
            shown(look, *menu, prefix + QLatin1Char('-') + menu->objectName());
        }
    }
}

} // namespace

void visit(const Look &look) {
    // Every draw lands in the same place: the offer and the support message are the same in
    // every run.
    Random::setSource([] { return 0.3; });
    Forms::frmStartup();
    FrmMain &main = Forms::frmMain();
    Forms::frmStartup().CoBrand_Randomize(0.0);
    shown(look, main, QStringLiteral("main-cobrand"));
    Forms::frmStartup().CoBrand_Randomize(0.5);
    shown(look, main, QStringLiteral("main-fullbrand"));
    dropDowns(look, main, QStringLiteral("main"));

    main.ui.txtFirstName->setText(QStringLiteral("ANN"));
    main.cmdNext_Click();
    FrmDisplay &display = Forms::frmDisplay();
    shown(look, display, QStringLiteral("chooser"));
    // Thumbnail 8 reached with the keyboard shows its focus mark.
    display.picSmallFruit(8)->setFocus(Qt::TabFocusReason);
    shown(look, display, QStringLiteral("chooser-focus"));
    for (int fruit = 0; fruit < FruitCatalogue::count; ++fruit) {
        display.picSmallFruit_Click(fruit);
        QString key = FruitCatalogue::at(fruit)->pictureKey;
        key.chop(4); // ".jpg"
        shown(look, display, QStringLiteral("result-") + key);
    }
    dropDowns(look, display, QStringLiteral("chooser"));

    auto *about = new FrmAbout(&display);
    about->setWindowIcon(Forms::frmStartup().applicationIcon());
    about->show();
    shown(look, *about, QStringLiteral("about"));
    delete about;

    // Each of the four support messages, in a window of its own; leaving it ends the rest. The
    // hand-over made the farewell window with a message drawn then.
    Forms::frmFarewell().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int message = 0; message < 4; ++message) {
        Random::setSource([message] { return (message + 0.5) / 4; });
        FrmFarewell &farewell = Forms::frmFarewell();
        farewell.show();
        shown(look, farewell, QStringLiteral("farewell-%1").arg(message));
        farewell.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Random::setSource({});
}

QList<std::pair<QString, QPalette>> desktopPalettes() {
    // Every colour of the palette is one of the two: text, frames and marks in the first,
    // faces and backgrounds in the second.
    const auto twoColours = [](const QColor &ink, const QColor &paper) {
        QPalette palette(ink, paper, ink, ink, ink, ink, ink, paper, paper);
        palette.setColor(QPalette::Highlight, ink);
        palette.setColor(QPalette::HighlightedText, paper);
        palette.setColor(QPalette::ToolTipBase, paper);
        palette.setColor(QPalette::ToolTipText, ink);
        return palette;
    };
    return {{QStringLiteral("dark"), QPalette(QColor(50, 50, 50))},
            {QStringLiteral("black-on-white"), twoColours(Qt::black, Qt::white)},
            {QStringLiteral("white-on-black"), twoColours(Qt::white, Qt::black)}};
}

} // namespace WindowStates
