#include "steps/recapture.h"

#include "steps/guidance.h"
#include "steps/haul.h"

#include <cmath>

namespace ricattura {

namespace {

// One more than the largest haul: a haul allowed by this margin can never take the last fish.
constexpr double kExhaustionMargin = 110;

}  // namespace

void drawRecaptureHaul(SimulationState& state, RandomSource& random) {
    state.hauls = state.hauls + 1;
    const double haulCatch = drawHaulCatch(random);
    state.recaptured = state.recaptured + haulCatch;
    // The haul's marked share is the current fraction perturbed uniformly between 0 and twice it.
    const double markedShare = state.markedShare + ((random.draw() - 0.5) * 2) * state.markedShare;
    state.markedRecaptured = state.markedRecaptured + haulCatch * markedShare;
    state.markedShare = (state.marked - state.markedRecaptured) / (state.trueSize - state.recaptured);
}

bool lakeNearlyEmpty(const SimulationState& state) { return state.recaptured > state.trueSize - kExhaustionMargin; }

void recaptureHaul(SimulationState& state, MainView& view, RandomSource& random) {
    view.setText(Field::Instructions, guidance::lines({guidance::kRecaptureMore, guidance::kRecaptureHow,
                                                       guidance::kRecaptureThenEstimate}));
    drawRecaptureHaul(state, random);
    view.setText(Field::Recaptured, decimalText(state.recaptured));
    view.setText(Field::MarkedRecaptured, decimalText(std::floor(state.markedRecaptured + 0.5)));
    view.setText(Field::Hauls, decimalText(state.hauls));
    if (lakeNearlyEmpty(state)) view.setEnabled(Button::RecaptureHaul, false);
    if (state.markedRecaptured > 0) view.setEnabled(Button::EstimatePopulation, true);
}

}  // namespace ricattura
