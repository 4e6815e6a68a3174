#pragma once

#include "platform/platform.h"
#include "resources/picturelist.h"

#include <QWidget>

// The hidden start-up window: created first, never shown, loaded until the process ends.
// Its load step is the start-up sequence; it keeps the application icon for other windows.
class FrmStartup : public QWidget {
    Q_OBJECT

public:
    FrmStartup();

    void Form_Load();
    void CoBrand_Randomize();
    void CoBrand_Randomize(double r);

    const PictureList &IMGIcon() const { return m_icon; }
    // The application icon, entry 1 of IMGIcon.
    QIcon applicationIcon() const;

    qint16 intCoBrandRandomNumber = 0;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();

    PictureList m_icon = PictureList::applicationIcon();
    Platform::SingleInstance m_instance;
};
