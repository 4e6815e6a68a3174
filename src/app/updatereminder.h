#pragma once

namespace modHelp {

// Once 15 or more days have passed since the date it keeps, asks at start-up whether to look
// for an update.
void CheckForUpdateReminder();

} // namespace modHelp
