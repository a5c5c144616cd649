#include "steps/estimate.h"

#include "core/number_text.h"

#include <cmath>

namespace ricattura {

namespace {

double roundHalfUp(double x) { return std::floor(x + 0.5); }

// What step 7 says for each verdict, in the order of Verdict.
constexpr const char* kVerdictTexts[kVerdictCount] = {
    "Complimenti! E' una stima molto accurata.",
    "Non male! La stima ottenuta è accurata.",
    "La stima è abbastanza accurata, ma si può fare meglio.",
    "La stima è non è molto accurata, riprova con qualche variazione nella strategia.",
    "Non ci siamo. Riprova marcando piu' individui o ricatturandone un numero maggiore.",
};

}  // namespace

void estimatePopulation(SimulationState& state, MainView& view) {
    const std::string crLf(kCrLf);
    // With no marked fish among the recaptured the estimator has no value: say so, keep
    // everything as it was, and let a further haul bring the step back.
    if (!applyEstimate(state)) {
        view.setText(Field::Instructions,
                     "Tra i pesci ricatturati non ci sono ancora individui marcati: la stima non si può calcolare." +
                         crLf +
                         "Effettua altre cale cliccando sul bottone 5, oppure clicca su Riparti per ricominciare.");
        view.setEnabled(Button::EstimatePopulation, false);
        return;
    }
    view.setText(Field::Instructions, "Il numero totale di individui è stato stimato come:" + crLf + crLf + "n x M / m" +
                                   crLf + crLf +
                                   "dove n sono i ricatturati, M il totale dei marcati ed m i ricatturati marcati." +
                                   crLf + "Se vuoi conoscere il valore reale, clicca sul bottone 7.");
    view.setText(Field::Estimate, fieldText(state.estimate));
    view.setEnabled(Button::Compare, true);
    view.setEnabled(Button::EstimatePopulation, false);
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
    view.setText(Field::TrueSize, fieldText(state.trueSize));
    view.setText(Field::Error, fieldText(state.estimate - state.trueSize));
    const double error = percentError(state.estimate, state.trueSize);
    view.setText(Field::PercentError, messageText(roundHalfUp(error * kHundredths) / kHundredths) + "%");
    view.setText(Field::Instructions, kVerdictTexts[static_cast<std::size_t>(verdictFor(error))]);
}

}  // namespace ricattura
