// Catches click sequences no example plays: non-finite or badly written numbers, an emptied lake, a
// disabled button or a refused estimate that changes something.
#include "core/clock_random_source.h"
#include "random_walk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace ricattura {
namespace {

class CoreWindow final : public testing::WalkedWindow {
public:
    explicit CoreWindow(RandomSource& random) : controller(view, random, [] {}) { controller.start(); }
    std::array<std::string, kFieldCount> texts() const override { return view.texts; }
    std::array<bool, kButtonCount> enabled() const override { return view.enabled; }
    void type(const std::string& text) override { view.type(text); }
    void click(Button b) override { controller.click(b); }

    testing::FakeView view;
    ExerciseController controller;
};

TEST(RandomWalk, NoClickSequenceBreaksTheRules) {
    const char* scale = std::getenv("RICATTURA_WALK_SCALE");  // the soak target walks further
    const long clicks = 1'000'000L * (scale ? std::max(1L, std::strtol(scale, nullptr, 10)) : 1);
    std::mt19937_64 rng(20261207);
    testing::TickingClock clock;
    ClockRandomSource random(clock);
    CoreWindow window(random);
    testing::WalkFigures figures;
    const std::string broken = testing::walk(rng, clicks, window, window.controller, figures);
    ASSERT_EQ(broken, "");
    std::printf("random walk: %ld clicks, %ld estimates made, %ld refused, %ld lakes fished out\n", clicks,
                figures.estimates, figures.refused, figures.exhausted);
    // A walk that never reaches the late steps would prove nothing about them.
    EXPECT_GT(figures.estimates, 0);
    EXPECT_GT(figures.refused, 0);
    EXPECT_GT(figures.exhausted, 0);
}

}  // namespace
}  // namespace ricattura
