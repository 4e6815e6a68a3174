#pragma once

#include <QString>

// The user's runtime directory when it can be used as one: XDG_RUNTIME_DIR names a directory
// that belongs to the user, that only the user may enter, and that the user can write to.
// Otherwise the empty text.
QString usableRuntimeDir();
