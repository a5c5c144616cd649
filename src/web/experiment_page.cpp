// The page's drawing of the repeated experiment and of the class's results: the core computes, the script draws.
#include "experiment_page.h"

#include "core/number_text.h"
#include "experiment/class_board.h"
#include "experiment/repeated_experiment.h"
#include "page_script.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

namespace ricattura {
namespace {

constexpr const char* kRepetitionsSection = "repetitions";
constexpr const char* kRepetitionsTable = "repetitions-table";

std::string countText(std::size_t n) { return decimalText(static_cast<double>(n)); }

// The class board of one page load: its lake and whether the true size has been shown.
class ClassBoard {
public:
    explicit ClassBoard(LakeCode code) : code_(code) {}

    // Reads what was typed and draws it; `reveal` shows the true size from now on.
    void draw(bool reveal) {
        revealed_ = revealed_ || reveal;
        char* typed = jsClassTyped();
        const ClassEntries entries = parseClassEntries(typed);
        std::free(typed);
        const std::optional<double> trueSize = revealed_ ? std::optional(lakeTrueSize(code_)) : std::nullopt;
        const DotPlot plot = dotPlot(entries.estimates, trueSize);
        int levels = 1;
        for (const DotPlot::Dot& d : plot.dots) levels = std::max(levels, d.level + 1);
        jsDotPlot("class", "class-drawing", classSummary(entries).c_str(), levels);
        for (double t : plot.ticks) jsTick("class", t / plot.end, decimalText(t).c_str());
        for (const DotPlot::Dot& d : plot.dots) jsDot("class", d.at, d.level);
        if (const auto middle = median(entries.estimates))
            jsMarker("class", "median", *middle / plot.end, ("mediana della classe: " + decimalText(*middle)).c_str());
        if (trueSize)
            jsMarker("class", "true-size", *trueSize / plot.end, ("numero reale: " + decimalText(*trueSize)).c_str());
        const std::string badHeading =
            entries.notUnderstood.empty() ? "" : "Voci non comprese (" + countText(entries.notUnderstood.size()) + "):";
        const std::string revealed = trueSize ? revealText(*trueSize, bandCounts(entries.estimates, *trueSize)) : "";
        jsClassWords(badHeading.c_str(), revealed.c_str());
        for (const std::string& bad : entries.notUnderstood) jsBadEntry(bad.c_str());
    }

private:
    LakeCode code_;
    bool revealed_ = false;
};

// The board lasts as long as the page; there is one only when the page has a class code.
std::optional<ClassBoard>& theBoard() {
    static std::optional<ClassBoard> board;
    return board;
}

void cell(TableCell kind, const std::string& text, const std::string& band = "") {
    jsTableCell(kRepetitionsTable, kind, text.c_str(), band.c_str());
}

void drawTable(const RepeatedExperiment& e) {
    jsTable(
        kRepetitionsTable, "repetitions-body",
        ("Quanto spesso esce ciascun giudizio in " + decimalText(kRepetitions) + " ripetizioni, e dove cadono le stime")
            .c_str());
    jsTableRow(kRepetitionsTable, true);
    cell(TableCell::ColumnHeading, "Strategia");
    for (std::size_t v = 0; v < kVerdictCount; ++v)
        cell(TableCell::ColumnHeading, verdictName(Verdict(v)), "errore " + verdictBand(Verdict(v)));
    cell(TableCell::ColumnHeading, "nessuna stima", "nessun marcato ricatturato");
    cell(TableCell::ColumnHeading, "mediana", "delle stime ottenute");
    cell(TableCell::ColumnHeading, "95 % centrale", "delle stime ottenute");
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        const StrategyOutcome& o = e.outcomes[v];
        jsTableRow(kRepetitionsTable, false);
        cell(TableCell::RowHeading, variantName(Variant(v)), strategyText(o.strategy));
        for (int count : o.verdicts) cell(TableCell::Data, shareText(count));
        cell(TableCell::Data, shareText(o.withoutEstimate));
        cell(TableCell::Data, medianText(o));
        cell(TableCell::Data, middleText(o));
    }
}

}  // namespace

void showRepetitions(const ExerciseController& controller) {
    const RepeatedExperiment e = repeatExercise(controller.state(), controller.recaptureHauls());
    const Histogram& h = e.histogram;
    int highest = 1;
    for (const auto& counts : h.counts) highest = std::max(highest, *std::max_element(counts.begin(), counts.end()));
    jsShowSection(kRepetitionsSection);
    jsHistogram(kRepetitionsSection, "repetitions-body", summaryText(e).c_str(), kRepetitionsTable, kVariantCount);
    for (double t : h.ticks) jsTick(kRepetitionsSection, t / h.end(), decimalText(t).c_str());
    const auto bins = static_cast<int>(h.counts[0].size());
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        const std::string beyond = h.beyond[v] ? "oltre la scala: " + decimalText(h.beyond[v]) : "";
        const std::string label = variantName(Variant(v)) + " (" + strategyText(e.outcomes[v].strategy) + ")";
        jsBars(kRepetitionsSection, static_cast<int>(v), label.c_str(), h.counts[v].data(), bins, highest,
               beyond.c_str());
    }
    jsMarker(kRepetitionsSection, "true-size", e.trueSize / h.end(),
             ("numero reale: " + decimalText(e.trueSize)).c_str());
    if (e.studentEstimate > 0)
        jsMarker(kRepetitionsSection, "estimate", e.studentEstimate / h.end(),
                 ("la tua stima: " + decimalText(e.studentEstimate)).c_str());
    drawTable(e);
}

void hideRepetitions() { jsHideSection(kRepetitionsSection); }

void buildClassBoard(std::optional<LakeCode> code) {
    if (!code) return;
    theBoard().emplace(*code);
    jsShowSection("class-board");
    jsClassBoard(("Stime degli studenti: numeri interi, uno per riga oppure separati da spazi o da punti e virgola "
                  "(al più " +
                  countText(kMaxClassEntries) + ")")
                     .c_str());
}

}  // namespace ricattura

extern "C" {

EMSCRIPTEN_KEEPALIVE void ricattura_class_draw(int reveal) {
    if (auto& board = ricattura::theBoard()) board->draw(reveal != 0);
}

}  // extern "C"
