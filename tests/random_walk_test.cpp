#include "control/clock_random_source.h"
#include "control/exercise_controller.h"
#include "control/number_text.h"
#include "fakes.h"
#include "support/hostile_inputs.h"
#include "support/number_shape.h"
#include "support/seeded_clock.h"
#include "support/walk_choice.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>

namespace ricattura {
namespace {

using testing::FakeView;
using Flags = std::array<bool, kButtonCount>;

// The button table, kept apart from the code under test: what each action switches.
class EnableModel {
public:
    void apply(Button b, const SimulationState& before, const SimulationState& after) {
        switch (b) {
            case Button::Command1: set({{Button::Command2, true}, {Button::Command9, true}, {Button::Command1, false}}); break;
            case Button::Command2: set({{Button::Command3, true}}); break;
            case Button::Command3: set({{Button::Command2, false}, {Button::Command4, true}, {Button::Command3, false}}); break;
            case Button::Command4: set({{Button::Command5, true}, {Button::Command4, false}}); break;
            case Button::Command5:
                if (after.nricatturati > after.dimpop - 110) set({{Button::Command5, false}});
                if (after.ngiamarcati > 0) set({{Button::Command6, true}});
                break;
            case Button::Command6:
                if (std::floor(before.ngiamarcati + 0.5) >= 1) set({{Button::Command7, true}});
                set({{Button::Command6, false}});
                break;
            case Button::Command7:
            case Button::Command8: break;
            case Button::Command9: flags = kEnabledAtStart; break;
        }
    }
    Flags flags = kEnabledAtStart;

private:
    void set(std::initializer_list<std::pair<Button, bool>> changes) {
        for (auto [button, on] : changes) flags[indexOf(button)] = on;
    }
};

bool isWhole(double x) { return std::floor(x) == x; }

// Plays random exercises and reports the first broken rule with everything needed to replay it.
class Walk {
public:
    explicit Walk(std::uint64_t seed) : seed_(seed), rng_(seed) {}

    std::string playExercise(long& clicks) {
        FakeView view;
        testing::SeededClock clock(rng_());
        ClockRandomSource random(clock);
        bool exited = false;
        ExerciseController controller(view, random, [&exited] { exited = true; });
        controller.start();
        EnableModel model;
        marked_ = false;
        typed_.clear();
        // Mostly short exercises, some long enough to fish a lake down to the exhaustion guard.
        const int kind = std::uniform_int_distribution<int>(0, 99)(rng_);
        const long length = kind == 0  ? std::uniform_int_distribution<long>(2000, 6000)(rng_)
                            : kind < 10 ? std::uniform_int_distribution<long>(200, 1200)(rng_)
                                        : std::uniform_int_distribution<long>(1, 90)(rng_);
        for (long i = 0; i < length && !exited; ++i, ++clicks) {
            const Button b = testing::pickWalkButton(rng_, model.flags);
            if (b == Button::Command3 || std::uniform_int_distribution<int>(0, 19)(rng_) == 0) {
                typed_ = testing::randomMarkText(rng_);
                view.type(typed_);
            }
            const SimulationState before = controller.state();
            const auto textsBefore = view.texts;
            const Flags flagsBefore = view.enabled;
            controller.click(b);
            const SimulationState& after = controller.state();
            auto where = [&] {
                std::ostringstream context;
                context << "seed " << seed_ << ", exercise " << exercise_ << ", click " << i << ", Command"
                        << indexOf(b) + 1 << ": ";
                return context.str();
            };
            if (!flagsBefore[indexOf(b)]) {
                if (before != after || view.texts != textsBefore || view.enabled != flagsBefore)
                    return where() + "a disabled button changed something";
                continue;
            }
            model.apply(b, before, after);
            ++reached[indexOf(b)];
            if (b == Button::Command5 && !view.enabled[indexOf(Button::Command5)]) ++exhausted;
            if (b == Button::Command6 && std::floor(before.ngiamarcati + 0.5) < 1) ++refusedEstimates;
            if (b == Button::Command3) marked_ = true;
            if (b == Button::Command9) marked_ = false;
            if (std::string broken = check(b, before, after, view, controller, model); !broken.empty())
                return where() + broken;
        }
        ++exercise_;
        return {};
    }

    std::array<long, kButtonCount> reached{};  // clicks that ran each action
    long exhausted = 0;                          // recapture hauls stopped by the guard
    long refusedEstimates = 0;

private:
    // The rules every click must keep, whatever came before it.
    std::string check(Button b, const SimulationState& before, const SimulationState& after, const FakeView& view,
                      const ExerciseController& controller, const EnableModel& model) const {
        if (view.enabled != model.flags) return "Enabled flags differ from the button table";
        for (std::size_t i = 0; i < kButtonCount; ++i)
            if (controller.isEnabled(static_cast<Button>(i)) != view.enabled[i]) return "controller and view disagree";
        if (view.text(Field::Text1).empty()) return "no guidance text";
        for (std::size_t f = 1; f < kFieldCount; ++f) {
            std::string text = view.texts[f];
            if (f == indexOf(Field::Text3) && text == typed_) continue;  // the student's own text
            if (f == indexOf(Field::Text9) && !text.empty()) {
                if (text.back() != '%') return "percentage without %";
                text.pop_back();
            }
            if (!text.empty() && !testing::isPlainNumber(text))
                return "Text" + std::to_string(f + 1) + " shows \"" + text + "\"";
        }
        for (double q : {after.cale, after.ncatturati, after.nmarcati, after.nricatturati, after.ngiamarcati, after.k,
                         after.dimpop, after.stima})
            if (!std::isfinite(q)) return "a quantity is not finite";
        if (after.dimpop != 0 && (after.dimpop < 918 || after.dimpop > 588060 || !isWhole(after.dimpop)))
            return "dimpop out of range: " + decimalText(after.dimpop);
        if (after.dimpop != 0 && after.nricatturati > after.dimpop - 1) return "the lake was emptied";
        if (marked_ && (after.nmarcati < 10 || after.nmarcati > after.ncatturati)) return "nmarcati outside [10, catch]";
        if (b == Button::Command2 || b == Button::Command5) {
            const double haul = b == Button::Command2 ? after.ncatturati - before.ncatturati
                                                      : after.nricatturati - before.nricatturati;
            if (haul < 10 || haul > 109 || !isWhole(haul)) return "a haul of " + decimalText(haul);
            if (after.cale != before.cale + 1) return "hauls miscounted";
        }
        if (b == Button::Command6) {
            if (std::floor(before.ngiamarcati + 0.5) < 1) {
                if (before != after) return "a refused estimate changed the record";
            } else {
                if (!isWhole(after.ngiamarcati) || after.ngiamarcati < 1) return "estimate made with m < 1";
                if (after.stima != std::floor(after.nricatturati * after.nmarcati / after.ngiamarcati + 0.5))
                    return "estimate is not n x M / m";
                if (view.text(Field::Text6) != fieldText(after.stima)) return "Text6 does not show the estimate";
            }
        } else if (after.stima != before.stima && b != Button::Command9) {
            return "the estimate changed outside step 6";
        }
        return {};
    }

    std::uint64_t seed_;
    std::mt19937_64 rng_;
    long exercise_ = 0;
    std::string typed_;    // what the student last typed into the mark box
    bool marked_ = false;  // step 3 has run in this exercise
};

long scaled(long count) {
    const char* scale = std::getenv("RICATTURA_WALK_SCALE");
    const long factor = scale ? std::strtol(scale, nullptr, 10) : 1;
    return count * (factor > 0 ? factor : 1);
}

TEST(RandomWalk, NoClickSequenceBreaksTheRules) {
    const long wantExercises = scaled(10'000);
    const long wantClicks = scaled(1'000'000);
    constexpr std::uint64_t kSeeds[] = {20261207, 4242, 777};
    long clicks = 0;
    long exercises = 0;
    std::array<long, kButtonCount> reached{};
    long exhausted = 0;
    long refused = 0;
    for (std::size_t s = 0; exercises < wantExercises || clicks < wantClicks; ++s) {
        Walk walk(kSeeds[s % std::size(kSeeds)] + s / std::size(kSeeds) * 1000003);
        for (int i = 0; i < 1000 && (exercises < wantExercises || clicks < wantClicks); ++i, ++exercises) {
            const std::string broken = walk.playExercise(clicks);
            ASSERT_TRUE(broken.empty()) << broken;
        }
        for (std::size_t b = 0; b < kButtonCount; ++b) reached[b] += walk.reached[b];
        exhausted += walk.exhausted;
        refused += walk.refusedEstimates;
    }
    std::printf("random walk: %ld exercises, %ld clicks; actions run:", exercises, clicks);
    for (std::size_t b = 0; b < kButtonCount; ++b) std::printf(" %zu:%ld", b + 1, reached[b]);
    std::printf("; lakes exhausted %ld, estimates refused %ld\n", exhausted, refused);
    // A walk that never reaches the late steps would prove nothing about them.
    EXPECT_GT(reached[indexOf(Button::Command7)], 0);
    EXPECT_GT(exhausted, 0);
    EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace ricattura
