#pragma once

#include "control/main_view.h"
#include "control/random_source.h"
#include "control/simulation_state.h"

namespace ricattura {

// Step 1: invents a lake, hides its population in dimpop and describes the lake.
void createLake(SimulationState& state, MainView& view, RandomSource& random);

}  // namespace ricattura
