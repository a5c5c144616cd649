#pragma once

#include "core/launch_options.h"
#include "core/main_view.h"
#include "core/random_source.h"
#include "core/simulation_state.h"

namespace ricattura {

// How a recapture haul decides its marked fish: by the program's own rule, a share of the catch drawn between 0 and
// twice the marked fraction k, or fish by fish, as a net takes them from a real lake.
enum class RecaptureRule { MarkedShare, FishByFish };
// The rule the teacher chose.
inline RecaptureRule recaptureRule(const ExerciseSettings& settings) {
    return settings.fishByFish ? RecaptureRule::FishByFish : RecaptureRule::MarkedShare;
}

// Step 5: one recapture haul; counts the marked fish in it and stops before the lake runs dry.
void recaptureHaul(SimulationState& state, MainView& view, RandomSource& random, RecaptureRule rule);

// The haul itself, without a word shown: its catch, then its marked fish (two draws, in that order, by either
// rule), and the marked fraction left in the lake. The step and the repeated experiment share it.
void drawRecaptureHaul(SimulationState& state, RandomSource& random, RecaptureRule rule);
// True once so few fish are left that the step switches its button off.
bool lakeNearlyEmpty(const SimulationState& state);

}  // namespace ricattura
