#include "control/clock_random_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace ricattura {
namespace {

class StepClock final : public Clock {
public:
    std::uint64_t ticks() override { return now; }
    std::uint64_t now = 1'000'000'000;
};

std::vector<double> firstDraws(RandomSource& random, int count) {
    std::vector<double> draws;
    for (int i = 0; i < count; ++i) draws.push_back(random.draw());
    return draws;
}

TEST(ClockRandomSource, ReseedingRestartsTheStreamFromTheClock) {
    StepClock clock;
    ClockRandomSource random(clock);
    const auto first = firstDraws(random, 8);
    random.reseed();
    EXPECT_EQ(firstDraws(random, 8), first);  // same reading, same stream
    clock.now += 1;                            // one nanosecond later: an unrelated stream
    random.reseed();
    const auto later = firstDraws(random, 8);
    for (std::size_t i = 0; i < later.size(); ++i) EXPECT_NE(later[i], first[i]);
}

TEST(ClockRandomSource, DrawsAreUniformOnTheHalfOpenUnitInterval) {
    StepClock clock;
    ClockRandomSource random(clock);
    constexpr int kDraws = 200'000;
    constexpr int kBins = 10;
    std::vector<int> bins(kBins);
    for (int i = 0; i < kDraws; ++i) {
        const double r = random.draw();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++bins[static_cast<std::size_t>(r * kBins)];
    }
    for (int count : bins) EXPECT_NEAR(count, kDraws / kBins, kDraws / kBins / 20);  // within 5 %
}

}  // namespace
}  // namespace ricattura
