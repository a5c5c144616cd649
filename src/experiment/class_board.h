#pragma once

#include "core/launch_options.h"
#include "experiment/axis.h"
#include "steps/estimate.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ricattura {

inline constexpr std::size_t kMaxClassEntries = 500;

// An entry the board could not read, as typed, and what to write instead when it can tell.
struct NotUnderstood {
    std::string typed;
    std::string hint;
    bool operator==(const NotUnderstood&) const = default;
};

// What the teacher typed or pasted, read as the class's estimates.
struct ClassEntries {
    std::vector<double> estimates;  // in the order typed
    int withoutEstimate = 0;        // groups that got none: «nessuna» or «-»
    std::vector<NotUnderstood> notUnderstood;
    std::vector<std::string> codes;  // digits and hyphens: students' result codes ("4242-3-207-6-K"), read elsewhere
    std::size_t ignored = 0;         // entries past the first kMaxClassEntries, not read
};

// Whole numbers of fish, one per line or between blanks or semicolons; a dot between groups of three digits is a
// thousands separator ("1.234" is 1234). «12 500» is never read as two estimates: digits split by a blank into
// groups of three are listed as not understood, with a hint. 0 and numbers with leading zeros are no estimates.
ClassEntries parseClassEntries(std::string_view typed);

// The size of the lake a class code makes, grown by step 1 exactly as the program grows it.
double lakeTrueSize(LakeCode code);

// How many estimates fall in each verdict's band around the true size, indexed by Verdict.
std::array<int, kVerdictCount> bandCounts(const std::vector<double>& estimates, double trueSize);

// The class's estimates as dots on one axis from 0, those that would overlap stacked upwards. The axis holds the bulk
// of the class (up to three times its median), and the true size once revealed; what lies beyond is counted.
struct DotPlot {
    struct Dot {
        double at = 0;  // the value's place on the axis, 0 to 1
        int level = 0;  // 0 on the axis, 1 just above, ...
    };
    double end = 0;
    std::vector<double> ticks;
    std::vector<Dot> dots;
    int beyond = 0;
};
DotPlot dotPlot(const std::vector<double>& estimates, std::optional<double> trueSize);

// The words shown with the class's results, every number in Italian notation.
std::string classSummary(const ClassEntries& entries);      // how many were read, the median, what was left out
std::string notUnderstoodText(const NotUnderstood& entry);  // «Hai scritto 12 500. Un solo numero …»
std::string revealText(double trueSize);                    // «Il numero reale di pesci è 38226.»

}  // namespace ricattura
