#pragma once

#include "ui_frmabout.h"

#include <QDialog>

// The About window: the product, the home-business offer and two links to the maker's site.
// It is a dialog of the window that opened it and modal over it; OK, Enter or Escape close it.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *owner);

    Ui::frmAbout ui;

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();
};
