#pragma once

#include "random_source.h"

#include <random>

namespace ricattura {

// The nanosecond count of the steady clock: two lakes made in the same second still differ.
class SteadyClock final : public Clock {
public:
    std::uint64_t ticks() override;
};

// A 64-bit Mersenne Twister reseeded from a clock reading at every reseed.
class ClockRandomSource final : public RandomSource {
public:
    explicit ClockRandomSource(Clock& clock);
    void reseed() override;
    double draw() override;

private:
    Clock& clock_;
    std::mt19937_64 engine_;
};

}  // namespace ricattura
