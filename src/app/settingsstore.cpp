#include "app/settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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
    // $XDG_CONFIG_HOME, else ~/.config.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + application + QStringLiteral(".ini");
}

static QString address(const QString &section, const QString &key) {
    return section + QLatin1Char('/') + key;
}

QString read(const QString &application, const QString &section, const QString &key) {
    const QSettings settings(filePath(application), QSettings::IniFormat);
    // A file that holds garbage reads as far as it makes sense, usually as nothing: the caller
    // then treats the setting as missing and writes it anew.
    if (settings.status() == QSettings::AccessError)
        throw Error("the settings cannot be read");
    return settings.value(address(section, key)).toString();
}

void write(const QString &application, const QString &section, const QString &key,
           const QString &text) {
    const QString path = filePath(application);
    // The value is all the application keeps, and the file is written anew: nothing else that
    // a disk, a sync tool or a hand left in it is written back. QSettings, which keeps the
    // first problem it met, cannot then take a fault of the old file for a failed write.
    QFile::remove(path);
    QSettings settings(path, QSettings::IniFormat);
    settings.clear();
    settings.setValue(address(section, key), text);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Error("the settings were not kept");
}

} // namespace SettingsStore
