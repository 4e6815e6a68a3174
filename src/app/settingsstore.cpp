#include "app/settingsstore.h"

#include "platform/platform.h"

#include <QCoreApplication>
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
    QSettings settings(place.path, place.format);
    settings.setValue(address(section, key), text);
    settings.sync();
    // QSettings keeps the first problem it met: after a format error in the old file a failed
    // write would look the same, so a write counts as kept only when no problem was met at
    // all. A file of garbage is rewritten whole all the same, and the next start finds it sound.
    if (settings.status() != QSettings::NoError)
        throw Error("the settings were not kept");
}

} // namespace SettingsStore
