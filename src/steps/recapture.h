#pragma once

#include "core/main_view.h"
#include "core/random_source.h"
#include "core/simulation_state.h"

namespace ricattura {

// Step 5: one recapture haul; counts the marked fish in it and stops before the lake runs dry.
void recaptureHaul(SimulationState& state, MainView& view, RandomSource& random);

}  // namespace ricattura
