#pragma once

#include <QString>

// The long texts the windows show: the introduction, the offers, the readings and the farewell
// and About windows' texts, each in the user's language.
namespace Texts {

// The text of this name ("main-intro", "fruits/apple"); empty when there is no such text.
QString get(const QString &name);

} // namespace Texts
