#include "outreach/frmabout.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "app/frmstartup.h"
#include "outreach/webpage.h"
#include "resources/appearance.h"
#include "resources/texts.h"

#include <QWindow>

// The dialog belongs to its opener's window, above which the desktop keeps it, without
// being a child widget of it: a child would take on the opener's style sheet.
FrmAbout::FrmAbout(QWidget *owner) {
    Appearance::buildFixedWindow(this, ui);
    setWindowTitle(kVersionCaption);
    ui.Label2->setCaption(kVersionCaption);
    ui.Label1->setText(Texts::get(QStringLiteral("about-description")));
    ui.Picture1->setPicture(Forms::frmStartup().IMGIcon().picture(1, devicePixelRatio()));
    Appearance::centreOnScreen(this);
    ui.cmdOK->setFocus();
    if (owner) {
        winId();
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    }

    connect(ui.cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(ui.lblHomePage, &ClickLabel::clicked, this, &FrmAbout::lblHomePage_Click);
    connect(ui.lblCobrand, &ClickLabel::clicked, this, &FrmAbout::lblCobrand_Click);
}

void FrmAbout::cmdOK_Click() {
    close();
}

void FrmAbout::lblHomePage_Click() {
    modHelp::OpenWebPage(QStringLiteral("home-page"));
}

// Unlike the co-branding labels of the main and chooser windows, this one is about the
// home-business offer.
void FrmAbout::lblCobrand_Click() {
    modHelp::OpenWebPage(QStringLiteral("fully-branded"));
}
