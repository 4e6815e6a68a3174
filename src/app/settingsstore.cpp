#include "app/settingsstore.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace SettingsStore {

QString applicationFor(const QString &executablePath) {
    const QString name = QFileInfo(executablePath).fileName();
    // A leading dot starts a hidden name, not an extension.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString thisApplication() {
    return applicationFor(QCoreApplication::applicationFilePath());
}

QString filePath(const QString &application) {
    return Platform::settingsPlace(application).path;
}

static QString address(const QString &section, const QString &key) {
    return section + QLatin1Char('/') + key;
}

QString read(const QString &application, const QString &section, const QString &key) {
    const Platform::SettingsPlace place = Platform::settingsPlace(application);
    const QSettings settings(place.path, place.format);
    // A file that holds garbage reads as far as it makes sense, usually as nothing: the caller
    // then treats the setting as missing and writes it anew.
    if (settings.status() == QSettings::AccessError)
        throw Error("the settings cannot be read");
    return settings.value(address(section, key)).toString();
}

void write(const QString &application, const QString &section, const QString &key,
           const QString &text) {
    const Platform::SettingsPlace place = Platform::settingsPlace(application);
    // The value is all the application keeps, and it is written anew: nothing else that a disk,
    // a sync tool or a hand left beside it is written back. QSettings, which keeps the first
    // problem it met, cannot then take a fault of an old file for a failed write.
    if (place.format == QSettings::IniFormat)
        QFile::remove(place.path);
    QSettings settings(place.path, place.format);
    settings.clear();
    settings.setValue(address(section, key), text);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Error("the settings were not kept");
}

} // namespace SettingsStore
