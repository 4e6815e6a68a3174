#include "outreach/sitelinks.h"

#include "app/forms.h"
#include "outreach/webpage.h"
#include "resources/clicklabel.h"

#include <QAction>

void SiteLinks::Label61_Click() {
    modHelp::OpenWebPage(QStringLiteral("home-page"));
}
void SiteLinks::lblCobrand_Click() {
    modHelp::OpenWebPage(QStringLiteral("co-brand"));
}
void SiteLinks::lblFullBrand_Click() {
    modHelp::OpenWebPage(QStringLiteral("fully-branded"));
}
void SiteLinks::mnuOnline_Click() {
    modHelp::OpenWebPage(QStringLiteral("help-web-page"));
}
void SiteLinks::mnuVisit_Click() {
    modHelp::OpenWebPage(QStringLiteral("home-page"));
}
void SiteLinks::mnuUpdate_Click() {
    modHelp::OpenWebPage(QStringLiteral("download-web-page"));
}
void SiteLinks::mnuDonate_Click() {
    modHelp::OpenWebPage(QStringLiteral("donate"));
}
void SiteLinks::mnumakemoney_Click() {
    modHelp::OpenWebPage(QStringLiteral("fully-branded"));
}
void SiteLinks::mnuAbout_Click() {
    Forms::showAboutModal(m_window);
}

void SiteLinks::connectSiteLinks() {
    const auto label = [this](const char *name, void (SiteLinks::*handler)()) {
        if (auto *widget = m_window->findChild<ClickLabel *>(QLatin1String(name)))
            QObject::connect(widget, &ClickLabel::clicked, m_window,
                             [this, handler] { (this->*handler)(); });
    };
    const auto item = [this](const char *name, void (SiteLinks::*handler)()) {
        if (auto *action = m_window->findChild<QAction *>(QLatin1String(name)))
            QObject::connect(action, &QAction::triggered, m_window,
                             [this, handler] { (this->*handler)(); });
    };
    label("Label61", &SiteLinks::Label61_Click);
    label("lblCobrand", &SiteLinks::lblCobrand_Click);
    label("lblFullBrand", &SiteLinks::lblFullBrand_Click);
    item("mnuOnline", &SiteLinks::mnuOnline_Click);
    item("mnuVisit", &SiteLinks::mnuVisit_Click);
    item("mnuUpdate", &SiteLinks::mnuUpdate_Click);
    item("mnuDonate", &SiteLinks::mnuDonate_Click);
    item("mnumakemoney", &SiteLinks::mnumakemoney_Click);
    item("mnuAbout", &SiteLinks::mnuAbout_Click);
}
