#include "results/data_files.h"

#include "core/number_text.h"
#include "experiment/experiment_words.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace ricattura {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

std::string field(const std::string& text) {
    if (text.find_first_of(";,\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// A real number to four decimals: enough for the marked share of a haul, which the program's rule draws unrounded.
std::string number(double value) {
    constexpr double kTenThousandths = 10000;
    return decimalText(std::round(value * kTenThousandths) / kTenThousandths);
}

}  // namespace

std::string spreadsheetFile(const std::vector<std::vector<std::string>>& rows) {
    std::string file(kByteOrderMark);
    for (const auto& row : rows) {
        for (std::size_t f = 0; f < row.size(); ++f) file += (f ? ";" : "") + field(row[f]);
        file += kLineEnd;
    }
    return file;
}

Rows haulsRows(const std::vector<HaulRecord>& hauls) {
    Rows rows{{"Cala", "Tipo", "Pesci presi", "Marcati presi", "Totale catturati", "Totale ricatturati",
               "Totale ricatturati marcati", "Numero di cale"}};
    for (std::size_t h = 0; h < hauls.size(); ++h) {
        const SimulationState &before = hauls[h].before, &after = hauls[h].after;
        const bool recapture = hauls[h].recapture;
        rows.push_back({std::to_string(h + 1), recapture ? "ricattura" : "cattura",
                        number(recapture ? after.recaptured - before.recaptured : after.caught - before.caught),
                        recapture ? number(after.markedRecaptured - before.markedRecaptured) : "", number(after.caught),
                        number(after.recaptured), number(after.markedRecaptured), number(after.hauls)});
    }
    return rows;
}

Rows repetitionsRows(const EstimateMade& made, RecaptureRule rule) {
    std::vector<std::vector<RepetitionRecord>> records;
    const RepeatedExperiment e = repeatExercise(made, rule, &records);
    Rows rows{{"Gruppo di barre", "Strategia", "Ripetizione", "Pesci marcati", "Cale di ricattura fatte", "Ricatturati",
               "Ricatturati marcati", "Stima", "Errore percentuale", "Giudizio"}};
    for (std::size_t b = 0; b < records.size(); ++b)
        for (const RepetitionRecord& r : records[b]) {
            const StrategyOutcome& o = e.blocks[b].outcomes[static_cast<std::size_t>(r.variant)];
            const double error = r.estimate ? percentError(*r.estimate, e.trueSize) : 0;
            rows.push_back({blockTitle(e.blocks[b].rule), variantName(r.variant), std::to_string(r.repetition),
                            number(o.strategy.marked), number(r.hauls), number(r.recaptured),
                            number(r.markedRecaptured), r.estimate ? number(*r.estimate) : "",
                            r.estimate ? number(error) : "",
                            r.estimate ? verdictName(verdictFor(error)) : "nessuna stima"});
        }
    return rows;
}

std::string studentFile(const std::vector<HaulRecord>& hauls, const std::optional<EstimateMade>& shown,
                        RecaptureRule rule) {
    Rows rows = haulsRows(hauls);
    if (shown) {
        rows.emplace_back();
        Rows repetitions = repetitionsRows(*shown, rule);
        rows.insert(rows.end(), std::make_move_iterator(repetitions.begin()),
                    std::make_move_iterator(repetitions.end()));
    }
    return spreadsheetFile(rows);
}

}  // namespace ricattura
