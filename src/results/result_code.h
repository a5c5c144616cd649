#pragma once

#include "core/launch_options.h"
#include "steps/estimate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ricattura {

// What a student sends the teacher: enough to replay the exercise to the estimate shown. Written
// "4242-3-207-6-K": the class code, the capture hauls, the fish marked, the recapture hauls at each estimate made
// (the last the one shown), a letter for fish by fish or a trick when chosen, and a check letter. Only digits,
// capital letters and hyphens, and no letter that reads like a digit.
struct ResultCode {
    LakeCode classCode = 0;
    int captureHauls = 0;
    double marked = 0;
    std::vector<int> estimatedAt;  // recapture hauls at each estimate, increasing
    bool fishByFish = false;
    Trick trick = Trick::None;
    bool operator==(const ResultCode&) const = default;
};

std::string writeResultCode(const ResultCode& code);

// A code read back, or why it could not be: a wrong check letter (copied wrongly), or no code of Ricattura at all.
struct CodeReading {
    std::optional<ResultCode> code;
    std::string why;
};
CodeReading readResultCode(std::string_view text);

// The code of the estimate shown, or why there is none: no class code, or a fraction of a fish marked.
CodeReading resultCodeOf(const EstimateMade& made, const ExerciseSettings& settings);

}  // namespace ricattura
