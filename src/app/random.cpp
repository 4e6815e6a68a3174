#include "app/random.h"

#include <chrono>
#include <random>

namespace Random {

static std::mt19937_64 &generator() {
    static std::mt19937_64 engine;
    return engine;
}

static std::function<double()> &source() {
    static std::function<double()> current;
    return current;
}

void setSource(std::function<double()> s) {
    source() = std::move(s);
}

void seedFromClock() {
    generator().seed(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
}

double next() {
    if (source())
        return source()();
    // 53 random bits give every double in [0, 1) on an even grid.
    return double(generator()() >> 11) * 0x1.0p-53;
}

} // namespace Random
