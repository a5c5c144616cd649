#pragma once

#include "core/random_source.h"

#include <memory>
#include <optional>
#include <random>

namespace ricattura {

// The same seed at every reseed, so every stream starts again: a class code's lakes, a repeated experiment.
class FixedSeed final : public SeedSource {
public:
    explicit FixedSeed(std::uint64_t seed) : seed_(seed) {}
    std::uint64_t seed() override { return seed_; }

private:
    std::uint64_t seed_;
};

// What every lake of a launch is seeded from: the class code when there is one, else the clock, so two lakes
// made in the same second still differ.
std::unique_ptr<SeedSource> makeSeedSource(std::optional<std::uint64_t> classCode);

// A 64-bit Mersenne Twister reseeded from its seed source at every reseed.
class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(SeedSource& seeds);
    void reseed() override;
    double draw() override;

private:
    SeedSource& seeds_;
    std::mt19937_64 engine_;
};

}  // namespace ricattura
