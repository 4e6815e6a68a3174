#pragma once

#include "outreach/siteaddress.h"

#include <QString>
#include <QStringList>

namespace modHelp {

// The maker's web site; every address the application opens begins with it.
inline constexpr QLatin1StringView SiteBaseAddress(QUINTAVEL_SITE_BASE_ADDRESS);

// The product's folder on the site.
inline constexpr QLatin1StringView ProductFolderAddress(QUINTAVEL_SITE_BASE_ADDRESS "/quintavel/");

// The pages of the site the application opens, by page key. No other page is ever opened.
const QStringList &PageKeys();

// The address of one page of the site, named by its page key; empty for a key not in the table.
QString PageAddress(const QString &pageKey);

// Opens the page in the user's default browser and returns at once.
void OpenWebPage(const QString &pageKey);
// Hands a complete address to the desktop's browser; the outcome is not reported.
void OpenWebAddress(const QString &address);

} // namespace modHelp
