#include "steps/recapture.h"

#include "core/number_text.h"
#include "steps/haul.h"

#include <cmath>

namespace ricattura {

namespace {

// One more than the largest haul: a haul allowed by this margin can never take the last fish.
constexpr double kExhaustionMargin = 110;

}  // namespace

void drawRecaptureHaul(SimulationState& state, RandomSource& random) {
    state.cale = state.cale + 1;
    const double haulCatch = drawHaulCatch(random);
    state.nricatturati = state.nricatturati + haulCatch;
    // The haul's marked share is the current fraction perturbed uniformly between 0 and twice it.
    const double markedShare = state.k + ((random.draw() - 0.5) * 2) * state.k;
    state.ngiamarcati = state.ngiamarcati + haulCatch * markedShare;
    state.k = (state.nmarcati - state.ngiamarcati) / (state.dimpop - state.nricatturati);
}

bool lakeNearlyEmpty(const SimulationState& state) { return state.nricatturati > state.dimpop - kExhaustionMargin; }

void recaptureHaul(SimulationState& state, MainView& view, RandomSource& random) {
    view.setText(Field::Text1,
                 "Anche in questo caso puoi effettuare più cale cliccando ancora sul bottone 5." +
                     std::string(kCrLf) +
                     "puoi ottenere una stima del numero totale presente nel lago sapendo che il rapporto fra "
                     "marcati e totale è teoricamente uguale a quello fra i ricatturati marcati ed il totale dei "
                     "ricatturati." +
                     std::string(kCrLf) + "Per effettuare questo calcolo clicca sul bottone 6.");
    drawRecaptureHaul(state, random);
    view.setText(Field::Text4, fieldText(state.nricatturati));
    view.setText(Field::Text5, fieldText(std::floor(state.ngiamarcati + 0.5)));
    view.setText(Field::Text10, fieldText(state.cale));
    if (lakeNearlyEmpty(state)) view.setEnabled(Button::Command5, false);
    if (state.ngiamarcati > 0) view.setEnabled(Button::Command6, true);
}

}  // namespace ricattura
