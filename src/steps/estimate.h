#pragma once

#include "core/main_view.h"
#include "core/simulation_state.h"

namespace ricattura {

// Step 6: the Lincoln-Petersen estimate n x M / m, when at least one marked fish was recaptured.
void estimatePopulation(SimulationState& state, MainView& view);
// Step 7: reveals the true size, the error and a verdict on the estimate.
void compareWithReal(const SimulationState& state, MainView& view);

}  // namespace ricattura
