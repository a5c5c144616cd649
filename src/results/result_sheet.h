#pragma once

#include "results/result_code.h"
#include "steps/estimate.h"
#include "steps/lake_creation.h"

#include <string>
#include <vector>

namespace ricattura {

// One line of the printed sheet: what, and its value.
struct SheetLine {
    std::string label, value;
    bool operator==(const SheetLine&) const = default;
};

// What the teacher needs to check one exercise, on one printed page: the codes, the lake, the strategy, the
// proportion written out with its numbers, the estimate, the true size, the errors and the verdict.
std::vector<SheetLine> resultSheet(const EstimateMade& made, const Lake& lake, const ExerciseSettings& settings,
                                   const CodeReading& code);

}  // namespace ricattura
