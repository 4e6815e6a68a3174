#include "outreach/frmfarewell.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "app/frmstartup.h"
#include "app/shutdown.h"
#include "resources/appearance.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmFarewell::FrmFarewell() {
    setObjectName(QStringLiteral("frmFarewell"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Thank you for using Quintavel."), this));
    m_close = new QPushButton(tr("E&xit"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    layout->addWidget(m_close);
    connect(m_close, &QPushButton::clicked, this, &FrmFarewell::cmdClose_Click);
    Appearance::makeFixedWindow(this);
    Appearance::centreOnScreen(this);
}

void FrmFarewell::Form_Load() {
    setWindowTitle(kVersionCaption);
    setWindowIcon(Forms::frmStartup().applicationIcon());
}

void FrmFarewell::cmdClose_Click() {
    modHelp::ExitApplication();
}

void FrmFarewell::closeEvent(QCloseEvent *event) {
    event->accept();
    Form_Unload();
}

void FrmFarewell::Form_Unload() {
    modHelp::ExitApplication();
}
