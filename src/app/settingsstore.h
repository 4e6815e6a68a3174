#pragma once

#include <QString>
#include <stdexcept>

// The per-user settings store: one INI file per application in the user's configuration
// directory, or one registry key per application on Windows, holding texts addressed by section
// and key. Names and texts are kept as given; scrambling them is the caller's business.
namespace SettingsStore {

// A setting that could not be read or kept.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The application a program's settings belong to: its file name without the extension, so a
// copy of the program under another name keeps settings of its own.
QString applicationFor(const QString &executablePath);
// The application of the running program.
QString thisApplication();

// The file, or the registry key, that holds the application's settings.
QString filePath(const QString &application);

// The text under the key; the empty text when the key is absent. Throws Error when the store
// cannot be read.
QString read(const QString &application, const QString &section, const QString &key);
// Writes the text as the application's one setting, in a file of its own that holds nothing
// else, and flushes it at once, so that it survives the process being killed right after.
// Throws Error when the file could not be written.
void write(const QString &application, const QString &section, const QString &key,
           const QString &text);

} // namespace SettingsStore
