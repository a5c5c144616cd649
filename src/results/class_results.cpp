#include "results/class_results.h"

#include "core/number_text.h"
#include "experiment/experiment_words.h"
#include "results/data_files.h"

#include <algorithm>
#include <cmath>

namespace ricattura {

namespace {

// The error, its percentage to the hundredth and the verdict, once the true size is known.
std::vector<std::string> judgement(double estimate, double trueSize) {
    constexpr double kHundredths = 100;
    const double error = percentError(estimate, trueSize);
    return {decimalText(estimate - trueSize), decimalText(std::round(error * kHundredths) / kHundredths) + "%",
            verdictName(verdictFor(error))};
}

}  // namespace

ClassResults readClassResults(std::string_view typed, LakeCode board) {
    ClassResults results{parseClassEntries(typed), {}, {}};
    results.plainEstimates = results.entries.estimates;
    for (const std::string& text : results.entries.codes) {
        const auto seen = std::find_if(results.codes.begin(), results.codes.end(),
                                       [&](const CodeResult& c) { return c.text == text; });
        if (seen != results.codes.end()) {
            ++seen->students;
            results.entries.estimates.push_back(seen->made.state.estimate);
            continue;
        }
        const CodeReading reading = readResultCode(text);
        std::string why = reading.why;
        Replay replay;
        if (reading.code && reading.code->classCode != board)
            why = "viene dal lago della classe " + std::to_string(reading.code->classCode) + ", non da questo";
        else if (reading.code)
            why = (replay = replayResult(*reading.code)).why;
        if (!replay.made) {
            results.entries.notUnderstood.push_back({text, "Il codice " + why + "."});
            continue;
        }
        results.codes.push_back({text, 1, *reading.code, *replay.made});
        results.entries.estimates.push_back(replay.made->state.estimate);
    }
    return results;
}

std::vector<std::vector<std::string>> codesTable(const ClassResults& results, std::optional<double> trueSize) {
    std::vector<std::vector<std::string>> rows;
    for (const CodeResult& c : results.codes) {
        const SimulationState& s = c.made.state;
        std::vector<std::string> row{c.text,
                                     std::to_string(c.students),
                                     decimalText(s.marked),
                                     decimalText(s.recaptured),
                                     decimalText(s.markedRecaptured),
                                     decimalText(s.estimate)};
        if (trueSize) {
            const auto judged = judgement(s.estimate, *trueSize);
            row.insert(row.end(), judged.begin(), judged.end());
        }
        rows.push_back(row);
    }
    return rows;
}

std::string classResultsFile(const ClassResults& results, std::optional<double> trueSize) {
    std::vector<std::vector<std::string>> rows{
        {"Codice", "Studenti", "Pesci marcati (M)", "Ricatturati (n)", "Ricatturati marcati (m)", "Stima"}};
    if (trueSize) rows[0].insert(rows[0].end(), {"Errore", "Errore percentuale", "Giudizio"});
    for (auto& row : codesTable(results, trueSize)) rows.push_back(row);
    for (double estimate : results.plainEstimates) {
        rows.push_back({"", "1", "", "", "", decimalText(estimate)});
        if (trueSize) {
            const auto judged = judgement(estimate, *trueSize);
            rows.back().insert(rows.back().end(), judged.begin(), judged.end());
        }
    }
    return spreadsheetFile(rows);
}

}  // namespace ricattura
