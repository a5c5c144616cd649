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

// Where each reseed takes its seed from: a fast-moving clock, or a fixed number.
class SeedSource {
public:
    virtual ~SeedSource() = default;
    virtual std::uint64_t seed() = 0;
};

}  // namespace ricattura
