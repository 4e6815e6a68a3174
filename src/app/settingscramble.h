#pragma once

#include <QString>

namespace modHelp {

// Every key name and value of the settings store is kept shifted by this many codes. With 1,
// "Duration" becomes "Evsbujpo", letters only, so the store never reads part of the key as a
// group ('/') or escapes it; a date (digits and '-') becomes digits, '.' and ':', none of which
// the settings file quotes. It also leaves the widest range of texts that survive the round
// trip: every code from 0 to 254.
inline constexpr int kSettingShift = 1;

// Each character is taken as its code in Latin-1 (a character outside it as '?', which is
// what the conversion to a single-byte code page makes of it). Encoding adds the shift and
// leaves out a character that would pass 255; decoding takes the shift away and leaves out
// one that would fall below 0. Neither ever fails, and both keep the order of the characters.
QString EncodeSetting(const QString &text);
QString DecodeSetting(const QString &text);

} // namespace modHelp
