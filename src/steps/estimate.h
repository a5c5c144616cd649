#pragma once

#include "core/main_view.h"
#include "core/simulation_state.h"

#include <array>
#include <cstddef>
#include <vector>

namespace ricattura {

// The exercise as it stood at an estimate: the record right after step 6, the recapture hauls behind it, and those
// behind each earlier estimate of the same lake (each rounded m for good, so the next estimate depends on them).
struct EstimateMade {
    SimulationState state;
    int recaptureHauls = 0;
    std::vector<int> earlierEstimates;
    int captureHauls() const { return static_cast<int>(state.hauls) - recaptureHauls; }
    bool operator==(const EstimateMade&) const = default;
};

// Step 6: the Lincoln-Petersen estimate n x M / m, when at least one marked fish was recaptured; true when it
// made one.
bool estimatePopulation(SimulationState& state, MainView& view);
// Step 7: reveals the true size, the error and a verdict on the estimate.
void compareWithReal(const SimulationState& state, MainView& view);

// Step 6's rule alone: m rounded, then the estimate, both into the record; false, the record untouched,
// when m rounds to no fish at all.
bool applyEstimate(SimulationState& state);

// Step 7's verdicts, from the best down.
enum class Verdict { VeryAccurate, Accurate, FairlyAccurate, NotVeryAccurate, Poor };
inline constexpr std::size_t kVerdictCount = 5;
// Each verdict but the last is given while the percentage error stays strictly under its bound.
inline constexpr std::array<double, kVerdictCount - 1> kVerdictErrorBelow = {5, 10, 25, 50};

// |estimate - true size| as a percentage of the true size.
double percentError(double estimate, double trueSize);
Verdict verdictFor(double error);

}  // namespace ricattura
