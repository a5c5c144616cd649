#include "experiment/experiment_words.h"

#include "core/number_text.h"

#include <cmath>

namespace ricattura {

namespace {

constexpr const char* kPercent = "\u00a0%";  // a non-breaking space keeps «%» with its number
constexpr double kTenths = 10;

std::size_t at(auto index) { return static_cast<std::size_t>(index); }

std::string hauls(double count) { return decimalText(count) + (count == 1 ? " cala" : " cale") + " di ricattura"; }

// Sentences rather than colons and brackets: a screen reader reads those aloud.

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

std::string strategyShort(const Strategy& s) { return decimalText(s.marked) + " pesci marcati, " + hauls(s.hauls); }

std::string strategyText(const StrategyOutcome& o, const RepeatedExperiment& e) {
    const Strategy& s = o.strategy;
    std::string text = decimalText(s.marked) + " pesci marcati e " + hauls(s.hauls) + ".";
    if (s.marked >= e.trueSize)
        text += " Sono tutti i pesci del lago.";
    else if (s.marked > e.caught)
        text += " Per marcarli servirebbe catturarne di più.";
    if (o.meanHauls < s.hauls)
        text += " In media se ne sono fatte " + meanText(o.meanHauls) + ", perché il lago non ne permetteva di più.";
    return text;
}

std::string frequencyText(int count) { return decimalText(count) + " su " + decimalText(kRepetitions); }

std::string meanText(double value) { return decimalText(std::round(value * kTenths) / kTenths); }

std::string medianText(const StrategyOutcome& o) { return o.median ? decimalText(std::round(*o.median)) : "nessuna"; }

std::string middleText(const StrategyOutcome& o) {
    if (o.low && o.high) return "fra " + decimalText(std::round(*o.low)) + " e " + decimalText(std::round(*o.high));
    return "non si può dire, " + decimalText(o.withoutEstimate) + " prove su " + decimalText(kRepetitions) +
           " senza stima";
}

std::string blockTitle(RecaptureRule rule) {
    if (!rule.fishByFish) return "Con le regole del programma";
    if (rule.trick != Trick::None) return "Nel lago con il trucco";
    return "In un lago vero, pesce per pesce";
}

std::string beyondText(int count, double end) {
    return decimalText(count) + (count == 1 ? " stima" : " stime") + " oltre " + decimalText(end) +
           ", fuori dal grafico";
}

std::string summaryText(const RepeatedExperiment& e) {
    const ExperimentBlock& own = e.blocks.front();
    const StrategyOutcome& student = own.outcomes[at(Variant::Student)];
    const Strategy& s = student.strategy;
    std::string text = "Il computer ha rifatto " + decimalText(kRepetitions) +
                       " volte la tua ricattura, con lo stesso lago, gli stessi " + decimalText(s.marked) +
                       " pesci marcati e " +
                       (s.hauls == 1 ? "la stessa cala di ricattura" : "le stesse " + hauls(s.hauls)) +
                       ". Il numero reale di pesci è " + decimalText(e.trueSize) + " e la tua stima è " +
                       decimalText(e.studentEstimate) + ".";
    if (student.withoutEstimate > 0)
        text += " In " + decimalText(student.withoutEstimate) + " prove su " + decimalText(kRepetitions) +
                " non è stato ripreso nessun pesce marcato, e lì la stima non si può calcolare.";
    if (student.median)
        text +=
            " Metà delle stime è sotto " + medianText(student) + " e metà sopra, e questo numero si chiama mediana.";
    if (student.low && student.high)
        text += " 95 stime su 100 stanno fra " + decimalText(std::round(*student.low)) + " e " +
                decimalText(std::round(*student.high)) + ".";
    return text;
}

std::string readingText() {
    return "Ogni barra conta quante delle " + decimalText(kRepetitions) +
           " stime cadono in quell’intervallo. Più le barre sono strette e vicine alla linea verde, più la strategia "
           "è affidabile.";
}

std::string trickEventText(Trick trick) {
    constexpr const char* kEvents[kTrickCount] = {
        "",
        "Attenzione, una parte dei pesci marcati ha perso il segno. Se li ripeschi, sembrano pesci mai marcati.",
        "Attenzione, i pesci marcati sono diventati timidi ed evitano la rete più degli altri.",
        "Attenzione, i pesci marcati sono diventati curiosi e finiscono nella rete più facilmente degli altri.",
        "Attenzione, dopo la marcatura nel lago sono arrivati molti pesci nuovi, nessuno dei quali è marcato.",
        "Attenzione, dopo la marcatura è morta una parte dei pesci, marcati e non marcati allo stesso modo."};
    return kEvents[at(trick)];
}

std::string predictionQuestion() { return "Secondo te la stima sarà troppo alta, troppo bassa o giusta?"; }

std::string trickAskedText(Trick trick) {
    return trickEventText(trick) + " " + predictionQuestion() +
           " Rispondi con i bottoni sotto la finestra. Finché non rispondi, il bottone 6 resta spento.";
}

std::string predictionName(Prediction prediction) {
    constexpr const char* kNames[kPredictionCount] = {"troppo alta", "troppo bassa", "giusta"};
    return kNames[at(prediction)];
}

Prediction trickEffect(const RepeatedExperiment& e) {
    constexpr double kRightWithin = 0.1;  // a median within a tenth of the true size is right on average
    const std::optional<double>& median = e.blocks.front().outcomes[at(Variant::Student)].median;
    if (median && *median > e.trueSize * (1 + kRightWithin)) return Prediction::TooHigh;
    if (median && *median < e.trueSize * (1 - kRightWithin)) return Prediction::TooLow;
    return median ? Prediction::Right : Prediction::TooHigh;  // no median: most repetitions found no marked fish
}

std::string predictionText(Prediction prediction, const RepeatedExperiment& e) {
    const Prediction effect = trickEffect(e);
    const StrategyOutcome& student = e.blocks.front().outcomes[at(Variant::Student)];
    std::string text = "Avevi previsto che la stima sarebbe stata " + predictionName(prediction) + ". ";
    text += student.median ? "Nel lago con il trucco la mediana delle " + decimalText(kRepetitions) + " stime è " +
                                 medianText(student) + " e il numero reale di pesci è " + decimalText(e.trueSize)
                           : "Nel lago con il trucco più della metà delle prove non ha ripreso nessun pesce marcato";
    text += ", quindi in media la stima è " + predictionName(effect) + ". ";
    return text + (prediction == effect ? "La tua previsione era giusta." : "La tua previsione non era giusta.");
}

std::string sectionAppearedText() {
    return "Sotto la finestra è comparsa la sezione E se ripetessi l’esperimento. La raggiungi con il tasto H del "
           "lettore di schermo, che salta da un titolo all’altro.";
}

std::string differenceText(Trick trick) {
    constexpr const char* kWhy[kTrickCount] = {
        "Nel programma la quota di pesci marcati di ogni cala è estratta a caso intorno a quella del lago, e quanto la "
        "stima si allontana dal vero dipende quasi solo dal numero di cale di ricattura. In un lago vero conta quanti "
        "pesci marcati tornano nella rete, e marcare il doppio dei pesci aiuta più o meno quanto pescare il doppio.",
        "Un pesce marcato su tre ha perso il segno. Tra i ricatturati i marcati sono meno del dovuto, m è "
        "più piccolo e la stima, n per M diviso m, viene troppo alta.",
        "I pesci marcati evitano la rete. Se ne ripescano meno del dovuto, m è più piccolo e la stima viene "
        "troppo alta.",
        "I pesci marcati cercano la rete. Se ne ripescano più del dovuto, m è più grande e la stima viene "
        "troppo bassa.",
        "I pesci arrivati dopo la marcatura non sono marcati. La quota di marcati nel lago scende, m è più piccolo e "
        "la stima supera il numero di pesci che c’erano alla marcatura, perché conta anche quelli nuovi.",
        "Sono morti pesci marcati e non marcati nella stessa proporzione. La quota di marcati nel lago non cambia, e "
        "in media la stima resta giusta per il lago al momento della marcatura."};
    return "Perché i due gruppi di barre sono diversi? " + std::string(kWhy[at(trick)]);
}

}  // namespace ricattura
