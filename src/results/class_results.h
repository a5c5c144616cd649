#pragma once

#include "experiment/class_board.h"
#include "results/replay.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ricattura {

// One result code the teacher pasted, replayed: how many students sent it (one class lake and one strategy give one
// result), and the exercise it stands for.
struct CodeResult {
    std::string text;
    int students = 0;
    ResultCode code;
    EstimateMade made;
};

// The teacher's board read: plain estimates and the students' codes, each code replayed to the estimate its student
// obtained; a code with a wrong check letter, from another class lake, or whose strategy the lake cannot give, listed
// as not understood with why.
struct ClassResults {
    ClassEntries entries;                // every estimate, the codes' included, once for each student who sent it
    std::vector<double> plainEstimates;  // those typed as plain numbers
    std::vector<CodeResult> codes;
};
ClassResults readClassResults(std::string_view typed, LakeCode board);

// The codes' table: code, students, M, n, m, estimate, and once revealed the error, the percentage and the verdict.
std::vector<std::vector<std::string>> codesTable(const ClassResults& results, std::optional<double> trueSize);

// The board as a spreadsheet file: every entry read, codes and plain estimates alike.
std::string classResultsFile(const ClassResults& results, std::optional<double> trueSize);

}  // namespace ricattura
