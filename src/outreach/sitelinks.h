#pragma once

class QWidget;

// The links the main and chooser windows share: the forum banner, the two offer labels, the
// Help menu, the menu-bar commands and the About window. Each opens its page of the maker's
// web site, or the About window over the window that holds them.
class SiteLinks {
public:
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnumakemoney_Click();
    void mnuAbout_Click();

protected:
    explicit SiteLinks(QWidget *window) : m_window(window) {}
    // Connects the window's widgets of those names to the handlers above.
    void connectSiteLinks();

private:
    QWidget *m_window;
};
