#pragma once

#include "core/launch_options.h"
#include "core/main_view.h"
#include "core/random_source.h"
#include "core/simulation_state.h"

namespace ricattura {

// How a recapture haul decides its marked fish: by the program's own rule, a share of the catch drawn between 0 and
// twice the marked fraction k, or fish by fish, as a net takes them from a real lake, where a trick may have changed
// the lake since the marking.
struct RecaptureRule {
    bool fishByFish = false;
    Trick trick = Trick::None;  // only fish by fish
    bool operator==(const RecaptureRule&) const = default;
};
inline constexpr RecaptureRule kMarkedShare{};
inline constexpr RecaptureRule kFishByFish{true};
// The rule the teacher chose.
inline RecaptureRule recaptureRule(const ExerciseSettings& settings) {
    return {settings.fishByFish || settings.trick != Trick::None, settings.trick};
}

// The lake the recapture fishes, fish by fish: its fish and marked fish as the recapture begins (whole fish; a trick
// may have added, removed or unmarked some since the marking) and how much more likely a marked fish is to come up.
struct RecaptureLake {
    double fish = 0;
    double marked = 0;
    double markedOdds = 1;
};
RecaptureLake recaptureLake(const SimulationState& state, Trick trick);

// Step 5: one recapture haul; counts the marked fish in it and stops before the lake runs dry.
void recaptureHaul(SimulationState& state, MainView& view, RandomSource& random, RecaptureRule rule);

// The haul itself, without a word shown: its catch, then its marked fish (two draws, in that order, by either
// rule), and the marked fraction left in the lake. The step and the repeated experiment share it.
void drawRecaptureHaul(SimulationState& state, RandomSource& random, RecaptureRule rule);
// True once so few fish are left that the step switches its button off.
bool lakeNearlyEmpty(const SimulationState& state, RecaptureRule rule);

}  // namespace ricattura
