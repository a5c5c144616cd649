#pragma once

#include "control/exercise_controller.h"
#include "experiment/repeated_experiment.h"

#include <string>
#include <vector>

namespace ricattura {

// Files an Italian spreadsheet opens as they are: UTF-8 with a byte-order mark, «;» between fields, the decimal comma
// (a field holding a comma in quotes, as a spreadsheet may split on commas too), a header row in Italian.
std::string spreadsheetFile(const std::vector<std::vector<std::string>>& rows);

// The student's hauls: one row a haul, with its kind, its catch and the running totals.
std::string haulsFile(const std::vector<HaulRecord>& hauls);
// The repeated experiment: one row a repetition and a strategy, block by block.
std::string repetitionsFile(const EstimateMade& made, RecaptureRule rule);

}  // namespace ricattura
