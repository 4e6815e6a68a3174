#pragma once

#include "ui_frmmain.h"

#include "sitelinks.h"

#include <QMainWindow>

// The main window: takes the user's first name and hands over to the chooser window.
class FrmMain : public QMainWindow, public SiteLinks {
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

    bool ValidateFirstName();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();
};
