#pragma once

// The application's pseudo-random generator.
namespace Random {

void seedFromClock();
// A uniform number r with 0 <= r < 1.
double next();

} // namespace Random
