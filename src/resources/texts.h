#pragma once

#include <QString>

// The long texts the windows show are data, kept as UTF-8 files under texts/ and compiled in.
// Each file holds exactly the text shown: no trailing newline, spaces kept as they stand.
namespace Texts {

// The text stored as texts/<name>.txt; empty when there is no such text.
QString get(const QString &name);

} // namespace Texts
