#include "core/clock_random_source.h"

#include <chrono>

namespace ricattura {

std::uint64_t SteadyClock::ticks() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

std::unique_ptr<Clock> makeSeedClock(std::optional<std::uint64_t> lakeCode) {
    if (lakeCode) return std::make_unique<LakeCodeClock>(*lakeCode);
    return std::make_unique<SteadyClock>();
}

ClockRandomSource::ClockRandomSource(Clock& clock) : clock_(clock) { reseed(); }

void ClockRandomSource::reseed() {
    // Spread the clock reading over the whole engine state so nearby readings give unrelated streams.
    const std::uint64_t t = clock_.ticks();
    std::seed_seq seq{static_cast<std::uint32_t>(t), static_cast<std::uint32_t>(t >> 32)};
    engine_.seed(seq);
}

double ClockRandomSource::draw() {
    constexpr int kMantissaBits = 53;
    constexpr double kScale = 1.0 / static_cast<double>(std::uint64_t{1} << kMantissaBits);
    return static_cast<double>(engine_() >> (64 - kMantissaBits)) * kScale;
}

}  // namespace ricattura
