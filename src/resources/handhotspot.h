#pragma once

// The pixel of the hand pointer pictures (hand2.ico, hand16.ico) at the tip of the index finger:
// the hot spot of the hand cursor.
inline constexpr int kHandHotSpotX = 8, kHandHotSpotY = 1;
