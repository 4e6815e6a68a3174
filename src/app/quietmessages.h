#pragma once

#include <QtGlobal>

// While one of these lives, Qt's warnings and notes are not passed on: the application reports
// nothing of what it copes with (no browser to open a page in). A fatal message still comes
// through.
class QuietMessages {
public:
    QuietMessages();
    ~QuietMessages();
    QuietMessages(const QuietMessages &) = delete;
    QuietMessages &operator=(const QuietMessages &) = delete;

private:
    QtMessageHandler m_previous;
};
