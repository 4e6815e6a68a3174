#pragma once

#include <QString>

// The application title every message box carries unless it is given one of its own, and the
// version caption of the application's windows.
inline const QString kAppTitle = QStringLiteral("Quintavel");
inline const QString kVersionCaption = QStringLiteral("Quintavel v1.20");
