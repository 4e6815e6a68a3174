#pragma once

#include "ui_frmmain.h"

#include <QMainWindow>

// The main window: takes the user's first name and hands over to the chooser window.
class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    FrmMain();

    Ui::frmMain ui;

    void cmdNext_Click();
    void mnuNext_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void txtFirstName_KeyPress(int &KeyAscii);
    void Label2_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnumakemoney_Click();
    void mnuAbout_Click();

    bool ValidateFirstName();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();
};
