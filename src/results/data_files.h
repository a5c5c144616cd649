#pragma once

#include "control/exercise_controller.h"
#include "experiment/repeated_experiment.h"

#include <optional>
#include <string>
#include <vector>

namespace ricattura {

// Files an Italian spreadsheet opens as they are: UTF-8 with a byte-order mark, «;» between fields, the decimal comma
// (a field holding a comma in quotes, as a spreadsheet may split on commas too), a header row in Italian.
std::string spreadsheetFile(const std::vector<std::vector<std::string>>& rows);

using Rows = std::vector<std::vector<std::string>>;

// The student's hauls: one row a haul, with its kind, its catch and the running totals, under a header row.
Rows haulsRows(const std::vector<HaulRecord>& hauls);
// The repeated experiment: one row a repetition and a strategy, block by block, under a header row.
Rows repetitionsRows(const EstimateMade& made, RecaptureRule rule);
// What a student saves: the hauls and, when the repeated experiment is shown, its repetitions after an empty row.
std::string studentFile(const std::vector<HaulRecord>& hauls, const std::optional<EstimateMade>& shown,
                        RecaptureRule rule);

}  // namespace ricattura
