#pragma once

#include "ui_frmfarewell.h"

#include <QWidget>

// The window the user sees when the application closes: an appeal to support the maker's
// forum, two links and the refer-a-friend form. It stays on top while it exists; leaving it
// ends the application.
class FrmFarewell : public QWidget {
    Q_OBJECT

public:
    FrmFarewell();

    Ui::frmFarewell ui;

    void Form_Load();

    // The support message a draw r (0 <= r < 1) picks: the integer part of r * 4, in single
    // precision.
    static int supportMessageIndex(double r);

    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();
    void cmdClose_Click();

    void txtName_GotFocus();
    void txtEmail_GotFocus();
    void txtMessage_GotFocus();
    void txtFriendName_GotFocus();
    void txtFriendEmail_GotFocus();
    void txtName_LostFocus();
    void txtEmail_LostFocus();
    void txtMessage_LostFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_LostFocus();
    void txtEmail_KeyPress(int &KeyAscii);
    void txtFriendEmail_KeyPress(int &KeyAscii);

    // The text of a form box as the form reads it; the message box keeps each line break as a
    // carriage return and a line feed.
    QString boxText(const QWidget *box) const;
    void setBoxText(QWidget *box, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();
    void hintOnEntry(QWidget *box);
    void hintOnLeaving(QWidget *box);
    QString hintOf(const QWidget *box) const;
    void refuseSpace(QWidget *box, int &KeyAscii);
};

// While a hold lives, showing the farewell window changes its state but not the screen, so
// a handler that shows it and hides it again before returning never makes it blink. When the
// last hold ends, a farewell window that is still meant to show appears.
class FarewellScreenHold {
public:
    FarewellScreenHold();
    ~FarewellScreenHold();
    FarewellScreenHold(const FarewellScreenHold &) = delete;
    FarewellScreenHold &operator=(const FarewellScreenHold &) = delete;
};
