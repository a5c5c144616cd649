#pragma once

#include "core/main_view.h"
#include "core/random_source.h"
#include "core/simulation_state.h"

namespace ricattura {

// Step 2: one capture haul; proposes to mark every fish caught so far.
void captureHaul(SimulationState& state, MainView& view, RandomSource& random);
// Step 3: marks the number the student chose, kept between 10 and the catch.
void markFish(SimulationState& state, MainView& view);
// Step 4: releases the marked fish; only the guidance moves on.
void releaseMarked(MainView& view);

}  // namespace ricattura
