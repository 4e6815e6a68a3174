#include "outreach/webpage.h"

#include <QDesktopServices>
#include <QUrl>

namespace modHelp {

QString PageAddress(const QString &pageKey) {
    return SiteBaseAddress + QStringLiteral("/quintavel/ssd.php?page=") + pageKey;
}

void OpenWebPage(const QString &pageKey) {
    OpenWebAddress(PageAddress(pageKey));
}

void OpenWebAddress(const QString &address) {
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace modHelp
