// Catches click sequences no example plays: non-finite or badly written numbers, an emptied lake, a
// disabled button or a refused estimate that changes something.
#include "control/exercise_controller.h"
#include "core/clock_random_source.h"
#include "core/number_text.h"
#include "random_walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace ricattura {
namespace {

using enum Button;
using testing::FakeView;

// The first rule a click broke, or nothing.
std::string brokenRule(Button b, bool wasEnabled, const SimulationState& before, const SimulationState& after,
                       const FakeView& viewBefore, const FakeView& view, const ExerciseController& controller) {
    const bool refusedEstimate = b == Command6 && std::floor(before.ngiamarcati + 0.5) < 1;
    if ((!wasEnabled || refusedEstimate) && before != after) return "the record changed";
    if (!wasEnabled && (view.texts != viewBefore.texts || view.enabled != viewBefore.enabled)) return "the window changed";
    for (std::size_t i = 0; i < kButtonCount; ++i)
        if (controller.isEnabled(Button(i)) != view.enabled[i]) return "the controller and the window disagree";
    for (double q : {after.cale, after.ncatturati, after.nmarcati, after.nricatturati, after.ngiamarcati, after.k,
                     after.dimpop, after.stima})
        if (!std::isfinite(q)) return "a quantity is not finite";
    if (after.dimpop > 0 && after.dimpop - after.nricatturati < 1) return "the lake was emptied";
    for (std::size_t f = 1; f < kFieldCount; ++f) {
        std::string text = view.texts[f];
        if (f == indexOf(Field::Text3) && text == viewBefore.texts[f]) continue;  // may be the student's own text
        if (f == indexOf(Field::Text9) && !text.empty() && text.back() == '%') text.pop_back();
        if (!text.empty() && !testing::isPlainNumber(text)) return "Text" + std::to_string(f + 1) + " shows " + text;
    }
    return {};
}

TEST(RandomWalk, NoClickSequenceBreaksTheRules) {
    const char* scale = std::getenv("RICATTURA_WALK_SCALE");  // the soak target walks further
    const long wantClicks = 1'000'000L * (scale ? std::max(1L, std::strtol(scale, nullptr, 10)) : 1);
    std::mt19937_64 rng(20261207);
    long clicks = 0;
    long exercises = 0;
    long estimatesMade = 0;
    long refused = 0;
    long exhausted = 0;
    while (clicks < wantClicks) {
        FakeView view;
        LakeCodeClock clock(rng());
        ClockRandomSource random(clock);
        bool exited = false;
        ExerciseController controller(view, random, [&exited] { exited = true; });
        controller.start();
        const long length = testing::walkLength(rng);
        for (long i = 0; i < length && !exited; ++i, ++clicks) {
            const Button b = testing::pickButton(rng, view.enabled);
            if (b == Command3 || rng() % 20 == 0) view.type(testing::randomMarkText(rng));
            const bool wasEnabled = view.enabled[indexOf(b)];
            const SimulationState before = controller.state();
            view.switches.clear();
            const FakeView viewBefore = view;
            controller.click(b);
            const std::string broken = brokenRule(b, wasEnabled, before, controller.state(), viewBefore, view, controller);
            ASSERT_TRUE(broken.empty()) << broken << " (exercise " << exercises << ", click " << i << ", Command"
                                        << indexOf(b) + 1 << ")";
            if (!wasEnabled) continue;
            if (b == Command6) (std::floor(before.ngiamarcati + 0.5) < 1 ? refused : estimatesMade)++;
            if (b == Command5 && !view.enabled[indexOf(Command5)]) ++exhausted;
        }
        ++exercises;
    }
    std::printf("random walk: %ld exercises, %ld clicks, %ld estimates made, %ld refused, %ld lakes fished out\n",
                exercises, clicks, estimatesMade, refused, exhausted);
    // A walk that never reaches the late steps would prove nothing about them.
    EXPECT_GT(estimatesMade, 0);
    EXPECT_GT(refused, 0);
    EXPECT_GT(exhausted, 0);
}

}  // namespace
}  // namespace ricattura
