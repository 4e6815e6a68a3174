#pragma once

namespace modHelp {

// Once 15 or more days lie between today and the date it keeps, asks at start-up whether to
// look for an update, and keeps today's date instead. The date lives in the settings store,
// under "Duration" in the section "Settings"; the first start only writes it.
void CheckForUpdateReminder();

} // namespace modHelp
