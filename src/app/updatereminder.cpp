#include "app/updatereminder.h"

namespace modHelp {

void CheckForUpdateReminder() {
    // The reminder date is not kept yet, so there is nothing to remind of.
}

} // namespace modHelp
