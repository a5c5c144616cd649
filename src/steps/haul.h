#pragma once

#include "core/random_source.h"

#include <cmath>

namespace ricattura {

// The fish one haul brings up, capture or recapture alike: a whole number from 10 to 109.
inline double drawHaulCatch(RandomSource& random) {
    constexpr double kSpan = 100;
    constexpr double kSmallestCatch = 10;
    return std::floor(random.draw() * kSpan) + kSmallestCatch;
}

}  // namespace ricattura
