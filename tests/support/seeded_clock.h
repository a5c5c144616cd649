#pragma once

#include "control/random_source.h"

#include <cstdint>

namespace ricattura::testing {

// A clock whose readings follow from a seed, so a walk with the real generator can be replayed.
class SeededClock final : public Clock {
public:
    explicit SeededClock(std::uint64_t seed) : next_(seed) {}
    std::uint64_t ticks() override { return next_ += 0x9E3779B97F4A7C15ULL; }

private:
    std::uint64_t next_;
};

}  // namespace ricattura::testing
