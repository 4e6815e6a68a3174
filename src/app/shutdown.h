#pragma once

#include <functional>

namespace modHelp {

// Unloads every loaded window once (each runs its own close handling), then ends the process.
// Safe to enter again from inside a close handler: the inner call finishes the work.
void ExitApplication();

// True while ExitApplication runs.
bool ApplicationEnding();

// Tests replace the end of the process with a function that returns.
void setProcessEnd(std::function<void()> end);

} // namespace modHelp
