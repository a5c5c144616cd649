#pragma once

#include "core/main_view.h"
#include "core/random_source.h"
#include "core/simulation_state.h"

namespace ricattura {

// Step 5: one recapture haul; counts the marked fish in it and stops before the lake runs dry.
void recaptureHaul(SimulationState& state, MainView& view, RandomSource& random);

// The haul itself, without a word shown: its catch, then its marked share (two draws, in that
// order), and the marked fraction left in the lake. The step and the repeated experiment share it.
void drawRecaptureHaul(SimulationState& state, RandomSource& random);
// True once so few fish are left that the step switches its button off.
bool lakeNearlyEmpty(const SimulationState& state);

}  // namespace ricattura
