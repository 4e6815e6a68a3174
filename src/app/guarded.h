#pragma once

#include <utility>

// Runs one step of a sequence whose steps are independent: a step that fails is skipped
// silently and the sequence goes on with the next one.
template <class Step> void guarded(Step &&step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}
