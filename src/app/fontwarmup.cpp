#include "app/fontwarmup.h"

#include "platform/platform.h"
#include "resources/fontstandins.h"

#include <system_error>

FontWarmUp::FontWarmUp() {
    if (!Platform::warmsUpFonts())
        return;
    std::promise<void> configured;
    m_configured = configured.get_future();
    try {
        m_thread = std::thread(
            [ready = m_ready.get_future(), configured = std::move(configured)]() mutable {
                Platform::readFontConfiguration();
                configured.set_value();
                if (ready.get())
                    FontStandIns::here();
            });
    } catch (const std::system_error &) {
        // Without a thread Qt reads the fonts itself when a window first needs one.
        m_configured = {};
    }
}

FontWarmUp::~FontWarmUp() {
    finish();
}

void FontWarmUp::applicationReady() {
    try {
        m_ready.set_value(true);
    } catch (const std::future_error &) {
        // Said before.
    }
}

void FontWarmUp::configurationRead() {
    if (m_configured.valid())
        m_configured.get();
}

void FontWarmUp::finish() {
    try {
        m_ready.set_value(false);
    } catch (const std::future_error &) {
        // The thread was told already.
    }
    if (m_thread.joinable())
        m_thread.join();
}
