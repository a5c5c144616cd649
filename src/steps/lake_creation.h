#pragma once

#include "core/main_view.h"
#include "core/random_source.h"
#include "core/simulation_state.h"

namespace ricattura {

// Step 1: invents a lake, hides its population in trueSize and describes the lake.
void createLake(SimulationState& state, MainView& view, RandomSource& random);

}  // namespace ricattura
