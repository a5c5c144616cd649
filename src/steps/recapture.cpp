#include "steps/recapture.h"

#include "steps/guidance.h"
#include "steps/haul.h"
#include "steps/hypergeometric.h"

#include <algorithm>
#include <cmath>

namespace ricattura {

namespace {

// One more than the largest haul: a haul allowed by this margin can never take the last fish.
constexpr double kExhaustionMargin = 110;

}  // namespace

void drawRecaptureHaul(SimulationState& state, RandomSource& random, RecaptureRule rule) {
    state.hauls = state.hauls + 1;
    const double haulCatch = drawHaulCatch(random);
    const double fishLeft = state.trueSize - state.recaptured;
    state.recaptured = state.recaptured + haulCatch;
    if (rule == RecaptureRule::MarkedShare) {
        // The haul's marked share is the current fraction perturbed uniformly between 0 and twice it.
        const double markedShare = state.markedShare + ((random.draw() - 0.5) * 2) * state.markedShare;
        state.markedRecaptured = state.markedRecaptured + haulCatch * markedShare;
    } else {
        // Whole marked fish still in the lake: a fraction typed at step 3 marks no half fish, and no more fish can
        // carry a mark than the lake holds.
        const double markedLeft = std::clamp(std::floor(state.marked - state.markedRecaptured), 0.0, fishLeft);
        state.markedRecaptured += hypergeometricDraw(random.draw(), fishLeft, markedLeft, haulCatch);
    }
    state.markedShare = (state.marked - state.markedRecaptured) / (state.trueSize - state.recaptured);
}

bool lakeNearlyEmpty(const SimulationState& state) { return state.recaptured > state.trueSize - kExhaustionMargin; }

void recaptureHaul(SimulationState& state, MainView& view, RandomSource& random, RecaptureRule rule) {
    view.setText(Field::Instructions, guidance::lines({guidance::kRecaptureMore, guidance::kRecaptureHow,
                                                       guidance::kRecaptureThenEstimate}));
    drawRecaptureHaul(state, random, rule);
    view.setText(Field::Recaptured, decimalText(state.recaptured));
    view.setText(Field::MarkedRecaptured, decimalText(std::floor(state.markedRecaptured + 0.5)));
    view.setText(Field::Hauls, decimalText(state.hauls));
    if (lakeNearlyEmpty(state)) view.setEnabled(Button::RecaptureHaul, false);
    if (state.markedRecaptured > 0) view.setEnabled(Button::EstimatePopulation, true);
}

}  // namespace ricattura
