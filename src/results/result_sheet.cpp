#include "results/result_sheet.h"

#include "core/number_text.h"
#include "steps/guidance.h"

#include <cmath>

namespace ricattura {

namespace {

// The percentage error as step 7 writes it, to the hundredth.
std::string percentText(double estimate, double trueSize) {
    constexpr double kHundredths = 100;
    return decimalText(std::floor(percentError(estimate, trueSize) * kHundredths + 0.5) / kHundredths) + "%";
}

std::string recaptureWords(const ExerciseSettings& settings) {
    if (settings.trick != Trick::None) return "pesce per pesce, in un lago con un trucco";
    return settings.fishByFish ? "pesce per pesce" : "con le regole del programma";
}

}  // namespace

std::vector<SheetLine> resultSheet(const EstimateMade& made, const Lake& lake, const ExerciseSettings& settings,
                                   const CodeReading& code) {
    const SimulationState& s = made.state;
    const std::string n = decimalText(s.recaptured), M = decimalText(s.marked), m = decimalText(s.markedRecaptured);
    const auto verdict = static_cast<std::size_t>(verdictFor(percentError(s.estimate, s.trueSize)));
    return {
        {"Codice della classe", settings.code ? std::to_string(*settings.code) : "nessuno"},
        {"Codice del risultato", code.code ? writeResultCode(*code.code) : "nessuno"},
        {"Il lago", decimalText(lake.surface) + " ettari, " + decimalText(lake.productivity) +
                        " kg di pesce per ettaro, pesci di " + decimalText(lake.size) + " grammi in media"},
        {"Ricattura", recaptureWords(settings)},
        {"Cale di cattura", std::to_string(made.captureHauls())},
        {"Individui marcati (M)", M},
        {"Cale di ricattura", std::to_string(made.recaptureHauls)},
        {"Individui catturati nella ricattura (n)", n},
        {"Individui marcati tra i ricatturati (m)", m},
        {"La proporzione", "M : N = m : n, cioè " + M + " : N = " + m + " : " + n + ", quindi N = " + n + " × " + M +
                               " : " + m + " ≈ " + decimalText(s.estimate)},
        {"Numero stimato", decimalText(s.estimate)},
        {"Numero reale", decimalText(s.trueSize)},
        {"Errore", decimalText(s.estimate - s.trueSize)},
        {"Errore percentuale", percentText(s.estimate, s.trueSize)},
        {"Giudizio", std::string(guidance::kVerdicts[verdict])},
    };
}

}  // namespace ricattura
