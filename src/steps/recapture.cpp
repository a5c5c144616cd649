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

// How strong each trick is: clear in the repeated experiment, yet a single exercise can land near the truth by luck.
constexpr double kMarksLost = 1.0 / 3;    // marche-perse: a third of the marks fall off
constexpr double kShyOdds = 2.0 / 3;      // pesci-timidi: a marked fish comes up two times for an unmarked one's three
constexpr double kCuriousOdds = 3.0 / 2;  // pesci-curiosi: three times for two
constexpr double kNewcomers = 1.0 / 2;    // nuovi-arrivi: half as many fish again, none marked
constexpr double kDeaths = 1.0 / 3;       // morti-per-tutti: a third of the fish, marked and unmarked alike

double share(double fish, double part) { return std::floor(fish * part + 0.5); }

}  // namespace

RecaptureLake recaptureLake(const SimulationState& state, Trick trick) {
    // Whole marked fish: a fraction typed at step 3 marks no half fish, and no more fish carry a mark than the lake
    // holds.
    RecaptureLake lake{state.trueSize, std::min(std::floor(state.marked), state.trueSize)};
    switch (trick) {
        case Trick::None: break;
        case Trick::LostMarks: lake.marked -= share(lake.marked, kMarksLost); break;
        case Trick::ShyMarked: lake.markedOdds = kShyOdds; break;
        case Trick::CuriousMarked: lake.markedOdds = kCuriousOdds; break;
        case Trick::Newcomers: lake.fish += share(lake.fish, kNewcomers); break;
        case Trick::DeathsForAll:
            lake.fish -= share(lake.fish, kDeaths);
            lake.marked -= share(lake.marked, kDeaths);
            break;
    }
    return lake;
}

void drawRecaptureHaul(SimulationState& state, RandomSource& random, RecaptureRule rule) {
    state.hauls = state.hauls + 1;
    const double haulCatch = drawHaulCatch(random);
    if (!rule.fishByFish) {
        state.recaptured = state.recaptured + haulCatch;
        // The haul's marked share is the current fraction perturbed uniformly between 0 and twice it.
        const double markedShare = state.markedShare + ((random.draw() - 0.5) * 2) * state.markedShare;
        state.markedRecaptured = state.markedRecaptured + haulCatch * markedShare;
    } else {
        const RecaptureLake lake = recaptureLake(state, rule.trick);
        const double fishLeft = lake.fish - state.recaptured;
        const double markedLeft = std::clamp(lake.marked - state.markedRecaptured, 0.0, fishLeft);
        state.recaptured = state.recaptured + haulCatch;
        state.markedRecaptured += hypergeometricDraw(random.draw(), fishLeft, markedLeft, haulCatch, lake.markedOdds);
    }
    state.markedShare = (state.marked - state.markedRecaptured) / (state.trueSize - state.recaptured);
}

bool lakeNearlyEmpty(const SimulationState& state, RecaptureRule rule) {
    const double fish = rule.fishByFish ? recaptureLake(state, rule.trick).fish : state.trueSize;
    return state.recaptured > fish - kExhaustionMargin;
}

void recaptureHaul(SimulationState& state, MainView& view, RandomSource& random, RecaptureRule rule) {
    view.setText(Field::Instructions, guidance::lines({guidance::kRecaptureMore, guidance::kRecaptureHow,
                                                       guidance::kRecaptureThenEstimate}));
    drawRecaptureHaul(state, random, rule);
    view.setText(Field::Recaptured, decimalText(state.recaptured));
    view.setText(Field::MarkedRecaptured, decimalText(std::floor(state.markedRecaptured + 0.5)));
    view.setText(Field::Hauls, decimalText(state.hauls));
    if (lakeNearlyEmpty(state, rule)) view.setEnabled(Button::RecaptureHaul, false);
    if (state.markedRecaptured > 0) view.setEnabled(Button::EstimatePopulation, true);
}

}  // namespace ricattura
