#pragma once

#include "app/version.h"

#include <QLatin1StringView>

// The application title every message box carries unless it is given one of its own, and the
// version caption of the application's windows.
inline constexpr QLatin1StringView kAppTitle("Quintavel");
inline constexpr QLatin1StringView kVersionCaption(QUINTAVEL_VERSION_CAPTION);
