// What the tests need of Windows: the settings' registry key read past Qt, through the
// registry's own functions.

#include "testsupport.h"

#include <string>
#include <windows.h>

namespace TestSupport {

// Windows' files are guarded otherwise; no test needs them to refuse the tests' user.
ObeyFilePermissions::ObeyFilePermissions() = default;
ObeyFilePermissions::~ObeyFilePermissions() = default;

bool onLinux() {
    return false;
}

static std::wstring keyOf(const QString &application) {
    return (QStringLiteral("Software\\VB and VBA Program Settings\\") + application).toStdWString();
}

static QString textOf(const wchar_t *chars, DWORD count) {
    while (count > 0 && chars[count - 1] == 0)
        --count;
    return QString::fromWCharArray(chars, int(count));
}

// Each section is a key of its own under the application's, and each setting a string value
// of it; they are written out as the settings file holds them, a value of another type marked.
QByteArray keptSettings(const QString &application) {
    HKEY app = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyOf(application).c_str(), 0, KEY_READ, &app) !=
        ERROR_SUCCESS)
        return {};
    QByteArray text;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = 256;
        HKEY section = nullptr;
        if (RegEnumKeyExW(app, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS ||
            RegOpenKeyExW(app, name, 0, KEY_READ, &section) != ERROR_SUCCESS)
            break;
        text += '[' + textOf(name, nameSize).toUtf8() + "]\n";
        for (DWORD j = 0;; ++j) {
            wchar_t value[256];
            wchar_t data[1024];
            DWORD valueSize = 256, dataSize = sizeof data, type = 0;
            if (RegEnumValueW(section, j, value, &valueSize, nullptr, &type,
                              reinterpret_cast<BYTE *>(data), &dataSize) != ERROR_SUCCESS)
                break;
            text += textOf(value, valueSize).toUtf8() + '=';
            text += type == REG_SZ ? textOf(data, dataSize / sizeof(wchar_t)).toUtf8()
                                   : "(registry type " + QByteArray::number(uint(type)) + ')';
            text += '\n';
        }
        RegCloseKey(section);
    }
    RegCloseKey(app);
    return text;
}

void forgetSettings(const QString &application) {
    RegDeleteTreeW(HKEY_CURRENT_USER, keyOf(application).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, keyOf(application).c_str());
}

} // namespace TestSupport
