// Catches a repeated experiment that strays from the steps' own arithmetic, and class entries misread or lost.
#include "core/clock_random_source.h"
#include "experiment/class_board.h"
#include "experiment/repeated_experiment.h"

#include <gtest/gtest.h>

#include <numeric>

namespace ricattura {
namespace {

const SimulationState kAfterEstimate{.cale = 9, .ncatturati = 300, .nmarcati = 300, .nricatturati = 600,
                                     .ngiamarcati = 6, .k = 0.0089, .dimpop = 33600, .stima = 30000};

double middle95(const StrategyOutcome& o) { return *o.high - *o.low; }

TEST(RepeatedExperimentTest, SameExerciseSamePictureAndEveryRepetitionCountedOnce) {
    const RepeatedExperiment e = repeatExercise(kAfterEstimate, 6);
    const auto picture = [](const RepeatedExperiment& x) {
        return std::array{x.outcomes[0].estimates, x.outcomes[1].estimates, x.outcomes[2].estimates};
    };
    EXPECT_EQ(picture(e), picture(repeatExercise(kAfterEstimate, 6)));
    EXPECT_NE(picture(e), picture(repeatExercise(kAfterEstimate, 7)));
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        const StrategyOutcome& o = e.outcomes[v];
        EXPECT_EQ(std::accumulate(o.verdicts.begin(), o.verdicts.end(), o.withoutEstimate), kRepetitions);
        EXPECT_EQ(o.estimates.size() + static_cast<std::size_t>(o.withoutEstimate), std::size_t{kRepetitions});
        const auto& bins = e.histogram.counts[v];
        EXPECT_EQ(std::accumulate(bins.begin(), bins.end(), e.histogram.beyond[v]), int(o.estimates.size()));
    }
    EXPECT_GE(e.histogram.end(), std::max(e.trueSize, e.studentEstimate));
}

TEST(RepeatedExperimentTest, ManyMarkedRecapturedCentreOnTheTruthAndTwiceTheMarkedNarrowTheSpread) {
    LakeCodeClock clock(4242);
    ClockRandomSource random(clock);
    const StrategyOutcome many = repeatStrategy({20000, 2000, 20}, random);  // about 120 marked fish recaptured
    EXPECT_NEAR(*many.median, 20000, 0.05 * 20000);
    EXPECT_EQ(many.withoutEstimate, 0);
    const RepeatedExperiment e = repeatExercise(kAfterEstimate, 6);
    EXPECT_LT(middle95(e.outcomes[1]), middle95(e.outcomes[0]));
}

TEST(ClassBoardTest, ReadsWholeNumbersWithThousandsDotsAndListsTheRest) {
    struct Case {
        std::string typed;
        std::vector<double> estimates;
        std::vector<std::string> notUnderstood;
    };
    const Case cases[] = {
        {"1200\n1.234; 30 000\t007", {1200, 1234, 30, 0, 7}, {}},
        {"  12.34 1.234.567 1,5 -3 ;; 1234.567 abc 1.23 .123 1.234. 1..234", {1234567},
         {"12.34", "1,5", "-3", "1234.567", "abc", "1.23", ".123", "1.234.", "1..234"}},
        {"9999999999 999999999", {999999999}, {"9999999999"}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        const ClassEntries read = parseClassEntries(c.typed);
        EXPECT_EQ(read.estimates, c.estimates) << c.typed;
        EXPECT_EQ(read.notUnderstood, c.notUnderstood) << c.typed;
    }
    std::string many;
    for (int i = 1; i <= 503; ++i) many += (i == 2 ? "x" : std::to_string(i)) + " ";
    const ClassEntries capped = parseClassEntries(many);
    EXPECT_EQ(capped.estimates.size() + capped.notUnderstood.size(), kMaxClassEntries);
    EXPECT_EQ(capped.ignored, 3U);
    EXPECT_EQ(capped.estimates.back(), 500);
    EXPECT_EQ(median({4, 1, 3, 10}), 3.5);
    EXPECT_EQ(bandCounts({100, 104.9, 95, 110, 125, 150, 49}, 100), (std::array<int, kVerdictCount>{2, 1, 1, 1, 2}));
}

}  // namespace
}  // namespace ricattura
