#pragma once

#include <QDialog>

// The About window, shown modally over the window that opened it.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *owner);

    void cmdOK_Click();
};
