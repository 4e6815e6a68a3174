#pragma once

#include <QWidget>

class QPushButton;

// The window the user sees when the application closes; leaving it ends the application.
class FrmFarewell : public QWidget {
    Q_OBJECT

public:
    FrmFarewell();

    void Form_Load();
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();

    QPushButton *m_close = nullptr;
};
