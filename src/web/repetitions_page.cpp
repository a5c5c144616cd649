// The page's drawing of the repeated experiment: the core computes and words it, the script draws.
#include "core/number_text.h"
#include "experiment/experiment_words.h"
#include "experiment_page.h"
#include "page_script.h"

#include <algorithm>
#include <string>

namespace ricattura {
namespace {

constexpr const char* kSection = "repetitions";
constexpr const char* kBody = "repetitions-body";

std::string blockId(std::size_t b, const char* part) { return "repetitions-" + std::to_string(b) + "-" + part; }

void drawPicture(const RepeatedExperiment& e, std::size_t b, int highest) {
    const ExperimentBlock& block = e.blocks[b];
    const Histogram& h = e.histogram;
    const std::string id = blockId(b, "plot");
    jsHistogram(
        id.c_str(), kBody,
        ("Istogramma delle stime. " + blockTitle(block.rule) + ". I numeri sono nella tabella qui sotto.").c_str(),
        kVariantCount);
    for (double t : h.ticks) jsTick(id.c_str(), t / h.end(), decimalText(t).c_str());
    jsAxisTitle(id.c_str(), "Stima del numero di pesci");
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        const std::string beyond = block.beyond[v] ? beyondText(block.beyond[v], h.end()) : "";
        const std::string label = variantName(Variant(v)) + ": " + strategyShort(block.outcomes[v].strategy);
        jsBars(id.c_str(), static_cast<int>(v), label.c_str(), block.counts[v].data(), static_cast<int>(h.bins),
               highest, beyond.c_str());
    }
    jsMarker(id.c_str(), "true-size", e.trueSize / h.end(),
             ("numero reale di pesci " + decimalText(e.trueSize)).c_str());
    jsMarker(id.c_str(), "estimate", e.studentEstimate / h.end(),
             ("la tua stima " + decimalText(e.studentEstimate)).c_str());
    for (std::size_t v = 0; v < kVariantCount; ++v)
        if (const auto& median = block.outcomes[v].median)
            jsRowMarker(id.c_str(), "median", static_cast<int>(v), *median / h.end());
    jsLegend(id.c_str(), "median", "la mediana di ogni riga");
}

void cell(const std::string& table, TableCell kind, const std::string& text) {
    jsTableCell(table.c_str(), kind, text.c_str());
}

void drawTable(const RepeatedExperiment& e, std::size_t b) {
    const ExperimentBlock& block = e.blocks[b];
    const std::string id = blockId(b, "table");
    jsTable(id.c_str(), kBody,
            (blockTitle(block.rule) + ", quante volte esce ciascun giudizio su " + decimalText(kRepetitions) +
             " ripetizioni e dove cadono le stime")
                .c_str());
    jsTableRow(id.c_str(), true);
    cell(id, TableCell::ColumnHeading, "Strategia");
    for (std::size_t v = 0; v < kVerdictCount; ++v)
        cell(id, TableCell::ColumnHeading, verdictName(Verdict(v)) + "\nerrore " + verdictBand(Verdict(v)));
    cell(id, TableCell::ColumnHeading, "nessuna stima\nnessun marcato ripreso");
    cell(id, TableCell::ColumnHeading, "ricatturati marcati\nin media");
    cell(id, TableCell::ColumnHeading, "mediana\nmetà sotto, metà sopra");
    cell(id, TableCell::ColumnHeading, "95 stime su 100\nstanno");
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        const StrategyOutcome& o = block.outcomes[v];
        jsTableRow(id.c_str(), false);
        cell(id, TableCell::RowHeading, variantName(Variant(v)) + "\n" + strategyText(o, e));
        for (int count : o.verdicts) cell(id, TableCell::Data, frequencyText(count));
        cell(id, TableCell::Data, frequencyText(o.withoutEstimate));
        cell(id, TableCell::Data, meanText(o.meanMarkedRecaptured));
        cell(id, TableCell::Data, medianText(o));
        cell(id, TableCell::Data, middleText(o));
    }
}

}  // namespace

void showRepetitions(const EstimateMade& made, RecaptureRule rule, const std::optional<Prediction>& prediction) {
    const RepeatedExperiment e = repeatExercise(made, rule);
    int highest = 1;
    for (const ExperimentBlock& block : e.blocks)
        for (const auto& counts : block.counts)
            highest = std::max(highest, *std::max_element(counts.begin(), counts.end()));
    jsShowSection(kSection);
    jsClear(kBody);
    jsWords(kBody, "repetitions-summary", summaryText(e).c_str(), false);
    if (prediction) jsWords(kBody, "repetitions-prediction", predictionText(*prediction, e).c_str(), false);
    jsWords(kBody, "repetitions-reading", readingText().c_str(), false);
    for (std::size_t b = 0; b < e.blocks.size(); ++b) {
        jsWords(kBody, blockId(b, "title").c_str(), blockTitle(e.blocks[b].rule).c_str(), true);
        drawPicture(e, b, highest);
        drawTable(e, b);
    }
    if (e.blocks.size() > 1) jsWords(kBody, "repetitions-difference", differenceText(rule.trick).c_str(), false);
}

void hideRepetitions() { jsHideSection(kSection); }

}  // namespace ricattura
