#include "steps/estimate.h"

#include "core/number_text.h"

#include <cmath>

namespace ricattura {

namespace {

double roundHalfUp(double x) { return std::floor(x + 0.5); }

// Verdicts from the best down: the first whose bound the percentage error stays strictly under.
struct Verdict {
    double errorBelow;
    const char* text;
};
constexpr Verdict kVerdicts[] = {
    {5, "Complimenti! E' una stima molto accurata."},
    {10, "Non male! La stima ottenuta è accurata."},
    {25, "La stima è abbastanza accurata, ma si può fare meglio."},
    {50, "La stima è non è molto accurata, riprova con qualche variazione nella strategia."},
};
constexpr const char* kPoorVerdict =
    "Non ci siamo. Riprova marcando piu' individui o ricatturandone un numero maggiore.";

const char* verdictFor(double percentError) {
    for (const Verdict& v : kVerdicts)
        if (percentError < v.errorBelow) return v.text;
    return kPoorVerdict;
}

}  // namespace

void estimatePopulation(SimulationState& state, MainView& view) {
    const std::string crLf(kCrLf);
    // With no marked fish among the recaptured the estimator has no value: say so, keep
    // everything as it was, and let a further haul bring the step back.
    if (roundHalfUp(state.ngiamarcati) <= 0) {
        view.setText(Field::Text1,
                     "Tra i pesci ricatturati non ci sono ancora individui marcati: la stima non si può calcolare." +
                         crLf +
                         "Effettua altre cale cliccando sul bottone 5, oppure clicca su Riparti per ricominciare.");
        view.setEnabled(Button::Command6, false);
        return;
    }
    view.setText(Field::Text1, "Il numero totale di individui è stato stimato come:" + crLf + crLf + "n x M / m" +
                                   crLf + crLf +
                                   "dove n sono i ricatturati, M il totale dei marcati ed m i ricatturati marcati." +
                                   crLf + "Se vuoi conoscere il valore reale, clicca sul bottone 7.");
    state.ngiamarcati = roundHalfUp(state.ngiamarcati);
    state.stima = roundHalfUp(state.nricatturati * state.nmarcati / state.ngiamarcati);
    view.setText(Field::Text6, fieldText(state.stima));
    view.setEnabled(Button::Command7, true);
    view.setEnabled(Button::Command6, false);
}

void compareWithReal(const SimulationState& state, MainView& view) {
    constexpr double kPercent = 100;
    constexpr double kHundredths = 100;
    view.setText(Field::Text7, fieldText(state.dimpop));
    view.setText(Field::Text8, fieldText(state.stima - state.dimpop));
    const double percentError = std::fabs(state.stima - state.dimpop) / state.dimpop * kPercent;
    view.setText(Field::Text9, messageText(roundHalfUp(percentError * kHundredths) / kHundredths) + "%");
    view.setText(Field::Text1, verdictFor(percentError));
}

}  // namespace ricattura
