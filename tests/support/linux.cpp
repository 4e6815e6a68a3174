// What the tests need of Linux: root obeying file permissions, and the settings file read
// past Qt.

#include "testsupport.h"

#include <QFile>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace TestSupport {

// Root passes permission checks through two capabilities; taking them out of the thread's
// effective set (they stay permitted, so they can come back) makes it obey the mode bits.
static bool setFileOverride(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const quint32 override = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    if (on)
        data[0].effective |= data[0].permitted & override;
    else if (data[0].effective & override)
        data[0].effective &= ~override;
    else
        return false;
    return syscall(SYS_capset, &header, data) == 0;
}

ObeyFilePermissions::ObeyFilePermissions() : m_dropped(setFileOverride(false)) {}

ObeyFilePermissions::~ObeyFilePermissions() {
    if (m_dropped)
        setFileOverride(true);
}

bool onLinux() {
    return true;
}

// The INI file in the configuration directory, looked for there rather than where the store
// says it is.
static QString settingsFile(const QString &application) {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QLatin1Char('/') + application +
           QStringLiteral(".ini");
}

QByteArray keptSettings(const QString &application) {
    QFile file(settingsFile(application));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void forgetSettings(const QString &application) {
    QFile::remove(settingsFile(application));
}

} // namespace TestSupport
