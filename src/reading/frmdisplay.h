#pragma once

#include "resources/picturelist.h"
#include "ui_frmdisplay.h"

#include "outreach/sitelinks.h"

#include <QMainWindow>
#include <array>

// The chooser and result window: twelve fruit thumbnails, and the reading of the chosen one.
class FrmDisplay : public QMainWindow, public SiteLinks {
    Q_OBJECT

public:
    FrmDisplay();

    Ui::frmDisplay ui;
    PictureList IMGSmallImages = PictureList::smallFruitImages();
    PictureList IMGBigImages = PictureList::bigFruitImages();

    // The thumbnail with this index, 0 to 11.
    ClickLabel *picSmallFruit(int index) const;

    // The hand-over puts fruits 1 to 11 on their thumbnails; thumbnail 0 keeps the apple the
    // layout gives it.
    void loadThumbnails();
    // Brings the twelve thumbnails in front of the result panel.
    void showChooserPanel();

    void picSmallFruit_Click(int index);
    void cmdBack_Click();
    void mnuBack_Click();
    void mnuExit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Unload();
    void bringToFront(QWidget *panel, QWidget *covered, QWidget *focus = nullptr);
    // The thumbnail the arrow key moves the focus to from thumbnail `index` in the grid of six
    // columns and two rows: Left and Right along the row, Up and Down to the other row. At an
    // edge it stays where it is; -1 for other keys.
    static int thumbnailBeside(int index, int key);
    void showOnThumbnail(int index, int fruitIndex);

    std::array<ClickLabel *, 12> m_thumbnails{};
};
