#include "platform/linux/startupmessages.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const DisplayPlatform::Arguments *g_args = nullptr;
QtMessageHandler g_passOn = nullptr;

bool aboutTheRuntimeDirectory(QtMsgType type, const QMessageLogContext &context,
                              const QString &text) {
    return type == QtWarningMsg && context.category &&
           std::strcmp(context.category, "default") == 0 &&
           text.startsWith(QLatin1StringView("QStandardPaths: ")) &&
           (text.contains(QLatin1StringView("runtime directory")) ||
            text.contains(QLatin1StringView("XDG_RUNTIME_DIR")));
}

void filter(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (aboutTheRuntimeDirectory(type, context, text))
        return;
    // Qt names a platform once one has started.
    if (type == QtFatalMsg && QGuiApplication::platformName().isEmpty() && g_args) {
        std::fputs(g_args->noWindowLine().constData(), stderr);
        std::_Exit(1);
    }
    if (g_passOn)
        g_passOn(type, context, text);
}

} // namespace

StartupMessages::StartupMessages(const DisplayPlatform::Arguments &args) {
    g_args = &args;
    g_passOn = qInstallMessageHandler(filter);
}

StartupMessages::~StartupMessages() {
    qInstallMessageHandler(g_passOn);
    g_args = nullptr;
}
