#include "app/quietmessages.h"

namespace {

QtMessageHandler g_passOn = nullptr;

void dropAllButFatal(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtFatalMsg && g_passOn)
        g_passOn(type, context, text);
}

} // namespace

QuietMessages::QuietMessages() : m_previous(qInstallMessageHandler(dropAllButFatal)) {
    // Nested quiet scopes pass on to the handler that was there before the outermost.
    if (m_previous != dropAllButFatal)
        g_passOn = m_previous;
}

QuietMessages::~QuietMessages() {
    qInstallMessageHandler(m_previous);
}
