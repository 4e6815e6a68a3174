#include "app/cobrand.h"

#include <cmath>

namespace CoBrand {

int draw(double r) {
    // nearbyint rounds to the nearest, halves to even, in the default rounding mode.
    return int(std::nearbyint(r * 6.0 + 1.0));
}

Front frontFor(int n) {
    switch (n) {
    case 1:
    case 3:
    case 5:
        return Front::CoBrand;
    case 2:
    case 4:
    case 6:
        return Front::FullBrand;
    default:
        return Front::Unchanged;
    }
}

} // namespace CoBrand
