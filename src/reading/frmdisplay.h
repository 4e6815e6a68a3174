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

private:
    void Form_Unload();
    void showOnThumbnail(int index, int fruitIndex);

    std::array<ClickLabel *, 12> m_thumbnails{};
};
