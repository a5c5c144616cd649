#pragma once

#include "core/random_source.h"
#include "steps/estimate.h"
#include "steps/recapture.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ricattura {

inline constexpr int kRepetitions = 1000;

// The student's strategy, and the two changes the last verdict suggests.
enum class Variant { Student, TwiceMarked, TwiceHauls };
inline constexpr std::size_t kVariantCount = 3;

// How a recapture phase is run: the fish marked, and the recapture hauls planned after.
struct Strategy {
    double marked = 0;  // M
    int hauls = 0;
};

// Many repetitions of one strategy: their estimates, how step 7 would judge each, and what the hauls brought up.
struct StrategyOutcome {
    Strategy strategy;
    std::vector<double> estimates;              // of the repetitions that gave one, in increasing order
    int withoutEstimate = 0;                    // repetitions with no marked fish recaptured
    std::array<int, kVerdictCount> verdicts{};  // indexed by Verdict
    double meanMarkedRecaptured = 0;            // m as step 6 rounds it, over every repetition
    double meanHauls = 0;                       // fewer than planned where the lake's guard stopped them
    // The 50 %, 2.5 % and 97.5 % points of every repetition, one without an estimate counted as endlessly large
    // (n x M / 0); none where that point has no estimate.
    std::optional<double> median, low, high;
};

// Equal bins from 0, shared by every row of every block, so their spreads can be compared by eye.
struct Histogram {
    double binWidth = 0;
    double end() const { return binWidth * static_cast<double>(bins); }
    std::size_t bins = 0;
    std::vector<double> ticks;  // axis labels, from 0 to the end
};

// One rule's three strategies, run on the same draws.
struct ExperimentBlock {
    RecaptureRule rule;
    std::array<StrategyOutcome, kVariantCount> outcomes;
    std::array<std::vector<int>, kVariantCount> counts;  // bin b holds [b, b + 1) x binWidth
    std::array<int, kVariantCount> beyond{};             // estimates past the last bin
};

// The student's recapture phase repeated: under the exercise's rule, and under the fish-by-fish draw of a real lake
// when the exercise did not already use it.
struct RepeatedExperiment {
    double trueSize = 0;
    double studentEstimate = 0;
    double caught = 0;  // the capture phase's catch, which limits how many fish could be marked
    std::vector<ExperimentBlock> blocks;
    Histogram histogram;
};

// The student's strategy and its two changes, on the same draws for the hauls they share: twice the marked fish
// (never more than the lake holds), twice the recapture hauls.
std::array<Strategy, kVariantCount> variantsOf(const EstimateMade& made);

// What to repeat: the lake, the three strategies, the rule the hauls follow, how many times.
struct RepetitionPlan {
    double trueSize = 0;
    std::array<Strategy, kVariantCount> strategies;
    RecaptureRule rule;
    int repetitions = kRepetitions;
};

// One repetition of one strategy, for the data a spreadsheet reads.
struct RepetitionRecord {
    int repetition = 0;
    Variant variant = Variant::Student;
    double hauls = 0, recaptured = 0, markedRecaptured = 0;
    std::optional<double> estimate;
};

// Repeats each strategy from just after marking, as the lake would be: step 5 `hauls` times (fewer if the lake runs
// low, as the button would switch off), then step 6's rule and step 7's verdict. Each repetition draws its hauls once
// and every strategy replays them, so differences between strategies are not the noise of different draws. Every
// repetition goes into `records` when given.
ExperimentBlock repeatStrategies(const RepetitionPlan& plan, RandomSource& random,
                                 std::vector<RepetitionRecord>* records = nullptr);

// A seed that follows the whole exercise at its estimate, so the same clicks give the same picture.
std::uint64_t exerciseSeed(const EstimateMade& made, RecaptureRule rule);
// Draws from a stream of its own, seeded from the exercise: the exercise's stream is never touched. Every repetition
// of block b goes into records[b] when given.
RepeatedExperiment repeatExercise(const EstimateMade& made, RecaptureRule rule,
                                  std::vector<std::vector<RepetitionRecord>>* records = nullptr);

}  // namespace ricattura
