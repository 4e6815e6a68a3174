#pragma once

#include "ui_frmmain.h"

#include "outreach/sitelinks.h"
#include "reading/namekeyfilter.h"

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

    // The two offer labels of the bottom strip share one place; only the one in front shows.
    enum class Offer { CoBrand, FullBrand };
    void bringOfferToFront(Offer offer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();
    // The character before the name box's caret, or before its selection; 0 at its start.
    char32_t characterBeforeCaret() const;
    // Text that reaches the box whole through the key filter's rule: the text the box receives,
    // or nothing, once the user has been told why.
    std::optional<QString> passText(const QString &text);
    bool filterComposedText(QInputMethodEvent *event);
    void refuseKey();

    const NameKeyFilter::Letters m_letters;
};
