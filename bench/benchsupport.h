#pragma once

#include "resources/appearance.h"

#include <QApplication>
#include <QTemporaryDir>

// A benchmark runs in runtime and configuration directories of its own, so that it never meets
// a running copy or the user's settings, and with the application's look.
class PrivateDirectories {
public:
    PrivateDirectories() {
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    }

private:
    QTemporaryDir m_dir;
};

inline void prepareApplication(QApplication &app) {
    // The application ends only through ExitApplication, never because a window closed.
    app.setQuitOnLastWindowClosed(false);
    Appearance::apply(app);
}
