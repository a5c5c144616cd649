#pragma once

#include "core/random_source.h"
#include "core/simulation_state.h"
#include "steps/estimate.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ricattura {

// How a recapture phase is run: the lake, the fish marked in it and the hauls made after.
struct Strategy {
    double trueSize = 0;  // the lake's true size
    double marked = 0;    // M, the marked fish
    int hauls = 0;        // recapture hauls
};

inline constexpr int kRepetitions = 1000;

// Many repetitions of one strategy: their estimates and how step 7 would judge each.
struct StrategyOutcome {
    Strategy strategy;
    std::vector<double> estimates;              // of the repetitions that gave one, in increasing order
    int withoutEstimate = 0;                    // repetitions with no marked fish recaptured
    std::array<int, kVerdictCount> verdicts{};  // indexed by Verdict
    std::optional<double> median, low, high;    // the 50 %, 2.5 % and 97.5 % quantiles of the estimates
};

// Each repetition starts as just after marking and runs step 5 `hauls` times (fewer if the lake
// runs low, as the button would switch off), then step 6's rule and step 7's verdict.
StrategyOutcome repeatStrategy(const Strategy& strategy, RandomSource& random, int repetitions = kRepetitions);

// The student's strategy, and the two changes the last verdict suggests.
enum class Variant { Student, TwiceMarked, TwiceHauls };
inline constexpr std::size_t kVariantCount = 3;

// Equal bins from 0 shared by the three variants, so their spreads can be compared by eye.
struct Histogram {
    double binWidth = 0;
    std::array<std::vector<int>, kVariantCount> counts;  // bin b holds [b, b + 1) x binWidth
    std::array<int, kVariantCount> beyond{};             // estimates past the last bin
    std::vector<double> ticks;                           // axis labels, from 0 to the end
    double end() const { return binWidth * static_cast<double>(counts[0].size()); }
};

// The exercise's recapture phase repeated: the student's, twice the marked fish, twice the hauls.
struct RepeatedExperiment {
    double trueSize = 0;
    double studentEstimate = 0;
    std::array<StrategyOutcome, kVariantCount> outcomes;
    Histogram histogram;
};

// A seed that follows every quantity of the exercise, so the same clicks give the same picture.
std::uint64_t exerciseSeed(const SimulationState& state, int recaptureHauls);
// Draws from a stream of its own, seeded from the exercise: the exercise's stream is never touched.
RepeatedExperiment repeatExercise(const SimulationState& state, int recaptureHauls);

// The words shown with the results, every number in Italian notation.
std::string verdictName(Verdict verdict);                          // "molto accurata"
std::string verdictBand(Verdict verdict);                          // its band of percentage error: "sotto il 5 %"
std::string variantName(Variant variant);                          // "Il doppio dei pesci marcati"
std::string strategyText(const Strategy& strategy);                // "300 marcati, 6 cale"
std::string shareText(int count, int repetitions = kRepetitions);  // "12,3 %"
// The median and the middle 95 %, in whole fish; "nessuna stima" when no repetition gave one.
std::string medianText(const StrategyOutcome& outcome);
std::string middleText(const StrategyOutcome& outcome);         // "fra 24145 e 80332"
std::string summaryText(const RepeatedExperiment& experiment);  // one paragraph for the picture

}  // namespace ricattura
