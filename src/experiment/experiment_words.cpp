#include "experiment/experiment_words.h"

#include "core/number_text.h"

#include <cmath>

namespace ricattura {

namespace {

constexpr const char* kPercent = "\u00a0%";  // a non-breaking space keeps «%» with its number
constexpr double kTenths = 10;

std::size_t at(auto index) { return static_cast<std::size_t>(index); }

std::string hauls(double count) { return proseNumber(count) + (count == 1 ? " cala" : " cale") + " di ricattura"; }

}  // namespace

std::string verdictName(Verdict verdict) {
    constexpr const char* kNames[kVerdictCount] = {"molto accurata", "accurata", "abbastanza accurata",
                                                   "non molto accurata", "non ci siamo"};
    return kNames[at(verdict)];
}

std::string verdictBand(Verdict verdict) {
    const auto v = at(verdict);
    if (v == 0) return "sotto il " + decimalText(kVerdictErrorBelow[0]) + kPercent;
    if (v == kVerdictErrorBelow.size()) return decimalText(kVerdictErrorBelow.back()) + kPercent + " o più";
    return "da " + decimalText(kVerdictErrorBelow[v - 1]) + " a meno di " + decimalText(kVerdictErrorBelow[v]) +
           kPercent;
}

std::string variantName(Variant variant) {
    constexpr const char* kNames[kVariantCount] = {"La tua strategia", "Il doppio dei pesci marcati",
                                                   "Il doppio delle cale di ricattura"};
    return kNames[at(variant)];
}

std::string strategyText(const StrategyOutcome& o, const RepeatedExperiment& e) {
    const Strategy& s = o.strategy;
    std::string text = proseNumber(s.marked) + " pesci marcati";
    if (s.marked >= e.trueSize)
        text += " (tutti quelli del lago)";
    else if (s.marked > e.caught)
        text += " (servirebbe catturarne di più)";
    text += ", " + hauls(s.hauls);
    if (o.meanHauls < s.hauls) text += " (in media " + meanText(o.meanHauls) + ": il lago non ne permetteva di più)";
    return text;
}

std::string frequencyText(int count) { return proseNumber(count) + " su " + proseNumber(kRepetitions); }

std::string meanText(double value) { return decimalText(std::round(value * kTenths) / kTenths); }

std::string medianText(const StrategyOutcome& o) { return o.median ? proseNumber(std::round(*o.median)) : "nessuna"; }

std::string middleText(const StrategyOutcome& o) {
    if (o.low && o.high) return "fra " + proseNumber(std::round(*o.low)) + " e " + proseNumber(std::round(*o.high));
    return "non si può dire: " + proseNumber(o.withoutEstimate) + " prove su " + proseNumber(kRepetitions) +
           " senza stima";
}

std::string blockTitle(RecaptureRule rule) {
    return rule == RecaptureRule::MarkedShare ? "Con le regole del programma" : "In un lago vero, pesce per pesce";
}

std::string beyondText(int count, double end) {
    return proseNumber(count) + (count == 1 ? " stima" : " stime") + " oltre " + proseNumber(end) +
           " (fuori dal grafico)";
}

std::string summaryText(const RepeatedExperiment& e) {
    const ExperimentBlock& own = e.blocks.front();
    const StrategyOutcome& student = own.outcomes[at(Variant::Student)];
    const Strategy& s = student.strategy;
    std::string text = "Il computer ha rifatto " + proseNumber(kRepetitions) +
                       " volte la tua ricattura: stesso lago, stessi " + proseNumber(s.marked) + " pesci marcati, " +
                       (s.hauls == 1 ? "stessa cala di ricattura" : "stesse " + hauls(s.hauls)) +
                       ". Numero reale di pesci: " + proseNumber(e.trueSize) +
                       "; la tua stima: " + proseNumber(e.studentEstimate) + ".";
    if (student.withoutEstimate > 0)
        text += " In " + proseNumber(student.withoutEstimate) + " prove su " + proseNumber(kRepetitions) +
                " non è stato ripreso nessun pesce marcato: lì la stima non si può calcolare.";
    if (student.median) text += " Metà delle stime è sotto " + medianText(student) + " e metà sopra (è la mediana)";
    if (student.low && student.high)
        text += "; 95 stime su 100 stanno fra " + proseNumber(std::round(*student.low)) + " e " +
                proseNumber(std::round(*student.high));
    if (student.median) text += ".";
    return text;
}

std::string readingText() {
    return "Ogni barra conta quante delle " + proseNumber(kRepetitions) +
           " stime cadono in quell’intervallo: più le barre sono strette e vicine alla linea verde, più la strategia "
           "è affidabile.";
}

std::string sectionAppearedText() {
    return "Sotto la finestra è comparsa la sezione E se ripetessi l’esperimento: la raggiungi con il tasto H del "
           "lettore di schermo, che salta da un titolo all’altro.";
}

std::string differenceText() {
    return "Perché i due gruppi di barre sono diversi? Nel programma la quota di pesci marcati di ogni cala è "
           "estratta a caso intorno a quella del lago: quanto la stima si allontana dal vero dipende quasi solo dal "
           "numero di cale di ricattura. In un lago vero conta quanti pesci marcati tornano nella rete: marcare il "
           "doppio dei pesci aiuta più o meno quanto pescare il doppio.";
}

}  // namespace ricattura
