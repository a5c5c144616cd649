#pragma once

#include "control/main_view.h"
#include "control/random_source.h"
#include "control/simulation_state.h"

namespace ricattura {

// Step 5: one recapture haul; counts the marked fish in it and stops before the lake runs dry.
void recaptureHaul(SimulationState& state, MainView& view, RandomSource& random);

}  // namespace ricattura
