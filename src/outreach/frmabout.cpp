#include "outreach/frmabout.h"

#include "app/apptitle.h"
#include "resources/appearance.h"
#include "resources/texts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmAbout::FrmAbout(QWidget *owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kVersionCaption);
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(Texts::get(QStringLiteral("about-description")), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    Appearance::makeFixedWindow(this);
}

void FrmAbout::cmdOK_Click() {
    close();
}
