#pragma once

#include <cstdint>

namespace ricattura {

// Uniform draws on [0, 1); lake creation reseeds it so each exercise gets a fresh stream.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double draw() = 0;
};

// A reading of a fast-moving clock, used only to seed the random source.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t ticks() = 0;
};

}  // namespace ricattura
