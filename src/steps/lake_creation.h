#pragma once

#include "core/main_view.h"
#include "core/random_source.h"
#include "core/simulation_state.h"

namespace ricattura {

// A lake as step 1 invents it: three whole parameters and the population they hide.
struct Lake {
    double surface = 0;       // hectares
    double productivity = 0;  // kg of the species per hectare
    double size = 0;          // grams per fish
    double trueSize = 0;      // fish in the lake
};

// Reseeds the source, then draws surface, productivity, size and the population's deviation, in that order.
Lake drawLake(RandomSource& random);

// Step 1: invents a lake, hides its population in trueSize and describes the lake; returns the lake.
Lake createLake(SimulationState& state, MainView& view, RandomSource& random);

}  // namespace ricattura
