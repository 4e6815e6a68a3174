#include "outreach/webpage.h"

#include "app/quietmessages.h"

#include <QDesktopServices>
#include <QUrl>

namespace modHelp {

const QStringList &PageKeys() {
    static const QStringList keys = {
        QStringLiteral("home-page"),         QStringLiteral("help-web-page"),
        QStringLiteral("download-web-page"), QStringLiteral("donate"),
        QStringLiteral("fully-branded"),     QStringLiteral("co-brand"),
        QStringLiteral("vellumsoftwares"),   QStringLiteral("twvs-refer-a-friend"),
    };
    return keys;
}

QString PageAddress(const QString &pageKey) {
    if (!PageKeys().contains(pageKey))
        return {};
    return SiteBaseAddress + QStringLiteral("/quintavel/ssd.php?page=") + pageKey;
}

void OpenWebPage(const QString &pageKey) {
    const QString address = PageAddress(pageKey);
    if (!address.isEmpty())
        OpenWebAddress(address);
}

// The browser runs as a program of its own: the address is handed over and the caller goes on
// at once, whether or not a browser was found.
void OpenWebAddress(const QString &address) {
    // Without a browser Qt would report the address, with what the user typed in it.
    QuietMessages quiet;
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace modHelp
