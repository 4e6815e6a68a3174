#pragma once

#include "platform/linux/displayplatform.h"

// While the application object is made. Qt complains when the runtime directory is missing or
// not the user's own; the application does without one, so that is not passed on. Every other
// message is, such as the display that could not be reached. When no platform starts at all,
// Qt's last word (reinstall the application) gives way to one line that says what could not
// be reached, and the process ends with status 1 instead of aborting.
class StartupMessages {
public:
    explicit StartupMessages(const DisplayPlatform::Arguments &args);
    ~StartupMessages();
    StartupMessages(const StartupMessages &) = delete;
    StartupMessages &operator=(const StartupMessages &) = delete;
};
