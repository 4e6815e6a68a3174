#include "platform/platform.h"

#include "platform/linux/displayplatform.h"
#include "platform/linux/startupmessages.h"

#include <optional>

namespace Platform {

// In a Wayland session the display is chosen among Qt's platforms, and a display that cannot
// be reached is said in one line of the user's language.
struct ApplicationStart::State {
    State(int argc, char **argv) : args(argc, argv), messages(std::in_place, args) {}
    DisplayPlatform::Arguments args;
    std::optional<StartupMessages> messages;
};

ApplicationStart::ApplicationStart(int argc, char **argv, Translate translate) {
    DisplayPlatform::setTranslate(translate);
    m_state = std::make_unique<State>(argc, argv);
}

ApplicationStart::~ApplicationStart() = default;

int &ApplicationStart::argc() {
    return m_state->args.argc();
}

char **ApplicationStart::argv() {
    return m_state->args.argv();
}

void ApplicationStart::applicationMade() {
    m_state->messages.reset();
}

} // namespace Platform
