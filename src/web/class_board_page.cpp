// The page's class board, for the teacher: the core reads and words what was typed, the script draws it.
#include "core/number_text.h"
#include "experiment/experiment_words.h"
#include "results/class_results.h"
#include "experiment_page.h"
#include "page_script.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace ricattura {
namespace {

constexpr const char* kDrawing = "class-drawing";
constexpr const char* kPlot = "class-plot";
constexpr const char* kBands = "class-bands";
constexpr const char* kCodes = "class-codes-table";

// The class board of one page load: its lake and whether the true size has been shown.
class ClassBoard {
public:
    explicit ClassBoard(LakeCode code) : code_(code) {}

    // The board as a spreadsheet file, as last drawn.
    void save() const {
        const std::optional<double> trueSize = revealed_ ? std::optional(lakeTrueSize(code_)) : std::nullopt;
        char* typed = jsClassTyped();
        const ClassResults results = readClassResults(typed, code_);
        std::free(typed);
        jsDownload(("ricattura-lago-" + std::to_string(code_) + "-classe.csv").c_str(),
                   classResultsFile(results, trueSize).c_str());
    }

    // Reads what was typed and draws it; `reveal` shows the true size from now on.
    void draw(bool reveal) {
        revealed_ = revealed_ || reveal;
        char* typed = jsClassTyped();
        const ClassResults results = readClassResults(typed, code_);
        std::free(typed);
        const ClassEntries& entries = results.entries;
        const std::optional<double> trueSize = revealed_ ? std::optional(lakeTrueSize(code_)) : std::nullopt;
        jsClear(kDrawing);
        jsWords(kDrawing, "class-summary", classSummary(entries).c_str(), false);
        drawDots(entries, trueSize);
        if (!entries.notUnderstood.empty()) {
            jsList(kDrawing, "class-bad", "Voci non comprese");
            for (const NotUnderstood& bad : entries.notUnderstood)
                jsListItem("class-bad", notUnderstoodText(bad).c_str());
        }
        jsClassReveal(trueSize ? revealText(*trueSize).c_str() : "");
        jsClear("class-reveal-bands");
        if (trueSize) drawBands(entries, *trueSize);
        drawCodes(results, trueSize);
    }

private:
    static void drawDots(const ClassEntries& entries, std::optional<double> trueSize) {
        const DotPlot plot = dotPlot(entries.estimates, trueSize);
        int levels = 1;
        for (const DotPlot::Dot& d : plot.dots) levels = std::max(levels, d.level + 1);
        jsDotPlot(kPlot, kDrawing, "Le stime della classe come punti su un asse", levels);
        for (double t : plot.ticks) jsTick(kPlot, t / plot.end, decimalText(t).c_str());
        jsAxisTitle(kPlot, "Stima del numero di pesci");
        for (const DotPlot::Dot& d : plot.dots) jsDot(kPlot, d.at, d.level);
        if (const auto middle = median(entries.estimates))
            jsMarker(kPlot, "median", *middle / plot.end, ("mediana della classe " + decimalText(*middle)).c_str());
        if (trueSize)
            jsMarker(kPlot, "true-size", *trueSize / plot.end,
                     ("numero reale di pesci " + decimalText(*trueSize)).c_str());
        if (plot.beyond > 0) jsWords(kDrawing, "class-beyond", beyondText(plot.beyond, plot.end).c_str(), false);
    }

    static void drawBands(const ClassEntries& entries, double trueSize) {
        const auto counts = bandCounts(entries.estimates, trueSize);
        jsTable(kBands, "class-reveal-bands", "Le stime della classe per fascia di errore");
        jsTableRow(kBands, true);
        for (const char* heading : {"Errore", "Giudizio", "Stime"})
            jsTableCell(kBands, TableCell::ColumnHeading, heading);
        for (std::size_t v = 0; v < kVerdictCount; ++v) {
            jsTableRow(kBands, false);
            jsTableCell(kBands, TableCell::RowHeading, verdictBand(Verdict(v)).c_str());
            jsTableCell(kBands, TableCell::Data, verdictName(Verdict(v)).c_str());
            jsTableCell(kBands, TableCell::Data, decimalText(counts[v]).c_str());
        }
    }

    // The students' codes replayed: what each strategy gave, and once revealed how good it was.
    static void drawCodes(const ClassResults& results, std::optional<double> trueSize) {
        jsClear("class-codes");
        if (results.codes.empty()) return;
        jsTable(kCodes, "class-codes", "I codici degli studenti, rifatti sul lago della classe");
        jsTableRow(kCodes, true);
        std::vector<const char*> headings{
            "Codice", "Studenti", "Pesci marcati\nM", "Ricatturati\nn", "Ricatturati marcati\nm", "Stima"};
        if (trueSize) headings.insert(headings.end(), {"Errore", "Errore\npercentuale", "Giudizio"});
        for (const char* heading : headings) jsTableCell(kCodes, TableCell::ColumnHeading, heading);
        for (const auto& row : codesTable(results, trueSize)) {
            jsTableRow(kCodes, false);
            for (std::size_t c = 0; c < row.size(); ++c)
                jsTableCell(kCodes, c ? TableCell::Data : TableCell::RowHeading, row[c].c_str());
        }
    }

    LakeCode code_;
    bool revealed_ = false;
};

// The board lasts as long as the page; there is one only on the teacher's page with a class code.
std::optional<ClassBoard>& theBoard() {
    static std::optional<ClassBoard> board;
    return board;
}

}  // namespace

void buildClassBoard(const ExerciseSettings& settings) {
    theBoard().emplace(*settings.code);
    jsShowSection("class-board");
    jsStudentsAddress(studentsQuery(settings).c_str(),
                      "Ecco l’indirizzo per gli studenti, da scrivere alla lavagna o da inquadrare con il tablet.",
                      "Il codice QR dell’indirizzo per gli studenti c’è quando la pagina si apre da un indirizzo web "
                      "(http o https). Da un file non c’è un indirizzo da dare.");
    jsClassBoard(("Stime e codici degli studenti, al massimo " + decimalText(static_cast<double>(kMaxClassEntries)) +
                  ". Uno per riga, incollati dal registro, da un modulo o da una chat. Per un gruppo senza stima "
                  "scrivete nessuna.")
                     .c_str());
}

}  // namespace ricattura

extern "C" {

EMSCRIPTEN_KEEPALIVE void ricattura_class_draw(int reveal) {
    if (auto& board = ricattura::theBoard()) board->draw(reveal != 0);
}

EMSCRIPTEN_KEEPALIVE void ricattura_class_file() {
    if (const auto& board = ricattura::theBoard()) board->save();
}

}  // extern "C"
