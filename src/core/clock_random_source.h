#pragma once

#include "core/random_source.h"

#include <memory>
#include <optional>
#include <random>

namespace ricattura {

// The nanosecond count of the steady clock: two lakes made in the same second still differ.
class SteadyClock final : public Clock {
public:
    std::uint64_t ticks() override;
};

// A class lake code standing in for the clock: every reseed starts the same stream again.
class LakeCodeClock final : public Clock {
public:
    explicit LakeCodeClock(std::uint64_t code) : code_(code) {}
    std::uint64_t ticks() override { return code_; }

private:
    std::uint64_t code_;
};

// What every lake of a launch is seeded from: the class lake code when there is one, else the clock.
std::unique_ptr<Clock> makeSeedClock(std::optional<std::uint64_t> lakeCode);

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
