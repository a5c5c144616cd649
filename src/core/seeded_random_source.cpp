#include "core/seeded_random_source.h"

#include <chrono>

namespace ricattura {

namespace {

// The nanosecond count of the steady clock.
class ClockSeed final : public SeedSource {
public:
    std::uint64_t seed() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    }
};

}  // namespace

std::unique_ptr<SeedSource> makeSeedSource(std::optional<std::uint64_t> classCode) {
    if (classCode) return std::make_unique<FixedSeed>(*classCode);
    return std::make_unique<ClockSeed>();
}

SeededRandomSource::SeededRandomSource(SeedSource& seeds) : seeds_(seeds) { reseed(); }

void SeededRandomSource::reseed() {
    // Spread the seed over the whole engine state so nearby seeds give unrelated streams.
    const std::uint64_t t = seeds_.seed();
    std::seed_seq seq{static_cast<std::uint32_t>(t), static_cast<std::uint32_t>(t >> 32)};
    engine_.seed(seq);
}

double SeededRandomSource::draw() {
    constexpr int kMantissaBits = 53;
    constexpr double kScale = 1.0 / static_cast<double>(std::uint64_t{1} << kMantissaBits);
    return static_cast<double>(engine_() >> (64 - kMantissaBits)) * kScale;
}

}  // namespace ricattura
