#include "steps/estimate.h"

#include "steps/guidance.h"

#include <cmath>

namespace ricattura {

namespace {

double roundHalfUp(double x) { return std::floor(x + 0.5); }

static_assert(guidance::kVerdicts.size() == kVerdictCount);

}  // namespace

bool estimatePopulation(SimulationState& state, MainView& view) {
    using namespace guidance;
    // With no marked fish among the recaptured the estimator has no value: say so, keep
    // everything as it was, and let a further haul bring the step back.
    if (!applyEstimate(state)) {
        view.setText(Field::Instructions, lines({kNoMarkedYet, kNoEstimateNext}));
        view.setEnabled(Button::EstimatePopulation, false);
        return false;
    }
    view.setText(Field::Instructions, lines({kEstimatedAs, "", kFormula, "", kFormulaTerms, kEstimateThenCompare}));
    view.setText(Field::Estimate, decimalText(state.estimate));
    view.setEnabled(Button::Compare, true);
    view.setEnabled(Button::EstimatePopulation, false);
    return true;
}

bool applyEstimate(SimulationState& state) {
    if (roundHalfUp(state.markedRecaptured) <= 0) return false;
    state.markedRecaptured = roundHalfUp(state.markedRecaptured);
    state.estimate = roundHalfUp(state.recaptured * state.marked / state.markedRecaptured);
    return true;
}

double percentError(double estimate, double trueSize) {
    constexpr double kPercent = 100;
    return std::fabs(estimate - trueSize) / trueSize * kPercent;
}

Verdict verdictFor(double error) {
    std::size_t v = 0;
    while (v < kVerdictErrorBelow.size() && !(error < kVerdictErrorBelow[v])) ++v;
    return static_cast<Verdict>(v);
}

void compareWithReal(const SimulationState& state, MainView& view) {
    constexpr double kHundredths = 100;
    view.setText(Field::TrueSize, decimalText(state.trueSize));
    view.setText(Field::Error, decimalText(state.estimate - state.trueSize));
    const double error = percentError(state.estimate, state.trueSize);
    view.setText(Field::PercentError, decimalText(roundHalfUp(error * kHundredths) / kHundredths) + "%");
    view.setText(Field::Instructions, std::string(guidance::kVerdicts[static_cast<std::size_t>(verdictFor(error))]));
}

}  // namespace ricattura
