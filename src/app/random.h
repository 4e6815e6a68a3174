#pragma once

#include <functional>

// The application's pseudo-random generator.
namespace Random {

void seedFromClock();
// A uniform number r with 0 <= r < 1.
double next();

// Tests draw their own numbers: every later next() returns what source gives. An empty
// source gives the generator back.
void setSource(std::function<double()> source);

} // namespace Random
