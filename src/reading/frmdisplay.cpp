#include "reading/frmdisplay.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "app/guarded.h"
#include "app/shutdown.h"
#include "outreach/frmfarewell.h"
#include "reading/frmmain.h"
#include "reading/fruitcatalogue.h"
#include "resources/appearance.h"
#include "resources/enterkey.h"
#include "resources/texts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>

FrmDisplay::FrmDisplay() : SiteLinks(this) {
    Appearance::buildFixedWindow(this, ui);
    setWindowTitle(kVersionCaption);
    m_thumbnails = {ui.picSmallFruit_0, ui.picSmallFruit_1,  ui.picSmallFruit_2,
                    ui.picSmallFruit_3, ui.picSmallFruit_4,  ui.picSmallFruit_5,
                    ui.picSmallFruit_6, ui.picSmallFruit_7,  ui.picSmallFruit_8,
                    ui.picSmallFruit_9, ui.picSmallFruit_10, ui.picSmallFruit_11};
    ui.lblFullBrand->setCaption(Texts::get(QStringLiteral("offer-fullbrand")));
    ui.lblCobrand->setCaption(Texts::get(QStringLiteral("offer-cobrand")));

    // As laid out, every thumbnail shows the apple and the result panel holds the apple's
    // reading, as if the apple had been chosen; the hand-over puts the other fruits on thumbnails 1
    // to 11.
    for (int i = 0; i < int(m_thumbnails.size()); ++i)
        showOnThumbnail(i, 0);
    picSmallFruit_Click(0);

    Appearance::centreOnScreen(this);
    ui.cmdBack->setFocus();
    EnterKey::pressesButton(ui.cmdBack);

    for (int i = 0; i < int(m_thumbnails.size()); ++i)
        connect(m_thumbnails[size_t(i)], &ClickLabel::clicked, this,
                [this, i] { picSmallFruit_Click(i); });
    connect(ui.cmdBack, &QPushButton::clicked, this, &FrmDisplay::cmdBack_Click);
    connect(ui.mnuBack, &QAction::triggered, this, &FrmDisplay::mnuBack_Click);
    connect(ui.mnuExit, &QAction::triggered, this, &FrmDisplay::mnuExit_Click);
    connectSiteLinks();
}

ClickLabel *FrmDisplay::picSmallFruit(int index) const {
    return index >= 0 && index < int(m_thumbnails.size()) ? m_thumbnails[size_t(index)] : nullptr;
}

void FrmDisplay::loadThumbnails() {
    for (int i = 1; i <= 11; ++i)
        showOnThumbnail(i, i);
}

// A picture is named after the fruit it shows, which is what a screen reader says of it. A
// picture that does not decode leaves the one shown before in its place, with its name.
void FrmDisplay::showOnThumbnail(int index, int fruitIndex) {
    const QPixmap picture = IMGSmallImages.picture(fruitIndex + 1, devicePixelRatio());
    if (picture.isNull())
        return;
    picSmallFruit(index)->setPicture(picture);
    picSmallFruit(index)->setAccessibleName(FruitCatalogue::displayName(fruitIndex));
}

void FrmDisplay::showChooserPanel() {
    bringToFront(ui.fraChoose, ui.fraResult);
}

// The panel in front covers the other one whole, and the covered one is hidden as well: what
// cannot be seen is neither reached with Tab nor reported to a screen reader. A widget of the
// panel in front that is to have the focus takes it before the covered panel could lose it.
void FrmDisplay::bringToFront(QWidget *panel, QWidget *covered, QWidget *focus) {
    panel->show();
    panel->raise();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    covered->hide();
}

int FrmDisplay::thumbnailBeside(int index, int key) {
    constexpr int columns = 6, count = 12;
    const int column = index % columns;
    switch (key) {
    case Qt::Key_Left:
        return column > 0 ? index - 1 : index;
    case Qt::Key_Right:
        return column < columns - 1 ? index + 1 : index;
    case Qt::Key_Up:
        return index >= columns ? index - columns : index;
    case Qt::Key_Down:
        return index + columns < count ? index + columns : index;
    default:
        return -1;
    }
}

// The arrow keys a focused thumbnail leaves alone move the focus within the grid, the way they
// point on the screen: in a window mirrored for a language read from right to left, the grid
// runs from the right.
void FrmDisplay::keyPressEvent(QKeyEvent *event) {
    int key = event->key();
    if (isRightToLeft() && (key == Qt::Key_Left || key == Qt::Key_Right))
        key = key == Qt::Key_Left ? Qt::Key_Right : Qt::Key_Left;
    const auto focused = std::find(m_thumbnails.begin(), m_thumbnails.end(), focusWidget());
    const int beside = focused == m_thumbnails.end() || (event->modifiers() & ~Qt::KeypadModifier)
                           ? -1
                           : thumbnailBeside(int(focused - m_thumbnails.begin()), key);
    if (beside < 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    picSmallFruit(beside)->setFocus(Qt::OtherFocusReason);
    event->accept();
}

void FrmDisplay::picSmallFruit_Click(int index) {
    const std::optional<Fruit> fruit = FruitCatalogue::at(index);
    guarded([&] {
        const QPixmap picture =
            IMGBigImages.picture(fruit.value().pictureEntry(), devicePixelRatio());
        if (picture.isNull())
            return;
        ui.picBigFruit->setPicture(picture);
        ui.picBigFruit->setAccessibleName(fruit.value().displayName);
    });
    guarded([&] {
        ui.lblFruitName->setCaption(fruit.value().displayName);
        ui.lblFruitDesc->setCaption(fruit.value().description);
    });
    // The reading takes the focus, so that a screen reader reads it out at once; nothing shows
    // of that focus.
    guarded([&] { bringToFront(ui.fraResult, ui.fraChoose, ui.lblFruitDesc); });
}

// Back to the main window; this window is destroyed and the farewell window stays hidden.
void FrmDisplay::cmdBack_Click() {
    guarded([] { Forms::frmMain().show(); });
    // The close handling shows the farewell window and the next step hides it again: held
    // off the screen in between, it never blinks.
    FarewellScreenHold hold;
    guarded([&] { close(); });
    guarded([] { Forms::frmFarewell().hide(); });
}

void FrmDisplay::mnuBack_Click() {
    cmdBack_Click();
}
void FrmDisplay::mnuExit_Click() {
    close();
}

void FrmDisplay::closeEvent(QCloseEvent *event) {
    event->accept();
    Form_Unload();
}

void FrmDisplay::Form_Unload() {
    // While the application ends, the farewell window is not shown again, nor made anew: it
    // would only close with the process.
    if (!modHelp::ApplicationEnding())
        guarded([] { Forms::frmFarewell().show(); });
}
