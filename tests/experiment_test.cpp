// Catches a repeated experiment that strays from the steps' own arithmetic, and class entries misread or lost.
#include "core/seeded_random_source.h"
#include "doubles.h"
#include "experiment/axis.h"
#include "experiment/class_board.h"
#include "experiment/repeated_experiment.h"

#include <gtest/gtest.h>

#include <numeric>

namespace ricattura {
namespace {

const SimulationState kAfterEstimate{.hauls = 9,
                                     .caught = 300,
                                     .marked = 300,
                                     .recaptured = 600,
                                     .markedRecaptured = 6,
                                     .markedShare = 0.0089,
                                     .trueSize = 33600,
                                     .estimate = 30000};

double middle95(const StrategyOutcome& o) { return *o.high - *o.low; }

TEST(RepeatedExperimentTest, SameExerciseSamePictureAndEveryRepetitionCountedOnce) {
    const RepeatedExperiment e = repeatExercise(kAfterEstimate, 6);
    const auto picture = [](const RepeatedExperiment& x) {
        return std::array{x.outcomes[0].estimates, x.outcomes[1].estimates, x.outcomes[2].estimates};
    };
    EXPECT_EQ(picture(e), picture(repeatExercise(kAfterEstimate, 6)));
    EXPECT_NE(picture(e), picture(repeatExercise(kAfterEstimate, 7)));
    SimulationState otherEstimate = kAfterEstimate;
    otherEstimate.estimate += 1;  // the same strategy, another exercise: another stream
    EXPECT_NE(exerciseSeed(kAfterEstimate, 6), exerciseSeed(otherEstimate, 6));
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        const StrategyOutcome& o = e.outcomes[v];
        EXPECT_EQ(std::accumulate(o.verdicts.begin(), o.verdicts.end(), o.withoutEstimate), kRepetitions);
        EXPECT_EQ(o.estimates.size() + static_cast<std::size_t>(o.withoutEstimate), std::size_t{kRepetitions});
        const auto& bins = e.histogram.counts[v];
        EXPECT_EQ(std::accumulate(bins.begin(), bins.end(), e.histogram.beyond[v]), int(o.estimates.size()));
        EXPECT_LE(e.histogram.beyond[v], kRepetitions / 40) << "the axis reaches past the 97,5 % of every strategy";
    }
    EXPECT_EQ(std::pair(e.trueSize, e.studentEstimate), std::pair(33600.0, 30000.0)) << "the two marks on the picture";
    EXPECT_GE(e.histogram.end(), std::max(e.trueSize, e.studentEstimate));
}

TEST(RepeatedExperimentTest, ManyMarkedRecapturedCentreOnTheTruthAndTwiceTheMarkedNarrowTheSpread) {
    FixedSeed seed(4242);
    SeededRandomSource random(seed);
    const StrategyOutcome many = repeatStrategy({20000, 2000, 20}, random);  // about 120 marked fish recaptured
    EXPECT_NEAR(*many.median, 20000, 0.05 * 20000);
    EXPECT_TRUE(many.low && many.high && *many.low < *many.median && *many.median < *many.high);
    EXPECT_EQ(many.withoutEstimate, 0);
    const RepeatedExperiment e = repeatExercise(kAfterEstimate, 6);
    EXPECT_LT(middle95(e.outcomes[1]), middle95(e.outcomes[0]));
}

// One repetition of one haul, scripted: 100 fish, the expected marked share (0,1 of them), so m = 10 and the
// estimate 100 x 100 / 10; and the two other strategies double what they say they double.
TEST(RepeatedExperimentTest, RunsTheStepsOwnHaulAndEstimateForEachStrategy) {
    testing::ScriptedRandom random;
    random.script({testing::haulDraw(100), 0.5});
    EXPECT_EQ(repeatStrategy({1000, 100, 1}, random, 1).estimates, std::vector<double>{1000});
    EXPECT_TRUE(random.spentExactly());
    const RepeatedExperiment e = repeatExercise(kAfterEstimate, 6);
    EXPECT_EQ(std::tuple(e.outcomes[1].strategy.marked, e.outcomes[1].strategy.hauls, e.outcomes[2].strategy.marked,
                         e.outcomes[2].strategy.hauls),
              std::tuple(600.0, 6, 300.0, 12));
    EXPECT_LE(e.histogram.counts[0].size(), 70U) << "about sixty bins";
}

// What the page draws and writes: shares to the tenth, the verdicts' bands, round axis steps, quantiles between
// neighbours, and the class's dots stacked where they would overlap on an axis a little past the largest value.
TEST(ExperimentTexts, WriteSharesBandsAxesAndDotsAsDrawn) {
    EXPECT_EQ(shareText(123) + "; " + shareText(1000) + "; " + shareText(5), "12,3 %; 100 %; 0,5 %");
    EXPECT_EQ(strategyText({1000, 10, 1}) + "; " + strategyText({1000, 10, 2}),
              "10 marcati, 1 cala; 10 marcati, 2 cale");
    std::string bands;
    for (std::size_t v = 0; v < kVerdictCount; ++v) bands += verdictBand(Verdict(v)) + "; ";
    EXPECT_EQ(bands, "sotto il 5 %; dal 5 al 10 %; dal 10 al 25 %; dal 25 al 50 %; 50 % o più; ");
    for (const auto& [span, step] :
         {std::pair{0.3, 0.5}, {1.0, 1.0}, {1.5, 2.0}, {3.0, 5.0}, {7.0, 10.0}, {23.0, 50.0}})
        EXPECT_EQ(niceStep(span), step) << span;
    EXPECT_EQ(axisTicks(120), (std::vector<double>{0, 50, 100}));
    EXPECT_EQ(std::tuple(quantile({10, 20, 30, 40}, 0.5), quantile({10, 20, 30, 40}, 1), quantile({}, 0.5)),
              std::tuple(25, 40, std::nullopt));
    const DotPlot plot = dotPlot({200, 200, 900}, 1000);  // 1000 and 5 % more on an axis of 500s
    EXPECT_EQ(std::tuple(plot.end, plot.ticks, plot.dots[1].level, plot.dots[2].level),
              std::tuple(1500, std::vector<double>{0, 500, 1000, 1500}, 1, 0));
}

TEST(ClassBoardTest, ReadsWholeNumbersWithThousandsDotsAndListsTheRest) {
    // clang-format off
    struct Row { const char* name; std::string typed; std::vector<double> estimates; std::vector<std::string> notUnderstood; };
    const Row rows[] = {
        {"separators, thousands dots, leading zeros", "1200\n1.234; 30 000\t007\r\n123.456 0000000000042 0",
        {1200, 1234, 30, 0, 7, 123456, 42, 0}, {}}, {"misplaced dots, fractions, signs, words",
        "  12.34 1.234.567 1,5 -3 ;; 1234.567 abc 1.23 .123 1.234. 1..234", {1234567},
        {"12.34", "1,5", "-3", "1234.567", "abc", "1.23", ".123", "1.234.", "1..234"}},
        {"ten digits", "9999999999 999999999", {999999999}, {"9999999999"}}, {"nothing", "", {}, {}}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ClassEntries read = parseClassEntries(row.typed);
        EXPECT_EQ(read.estimates, row.estimates);
        EXPECT_EQ(read.notUnderstood, row.notUnderstood);
    }
    std::string many;
    for (int i = 1; i <= 503; ++i) many += (i == 2 ? "x" : std::to_string(i)) + " ";
    const ClassEntries capped = parseClassEntries(many);
    EXPECT_EQ(capped.estimates.size() + capped.notUnderstood.size(), kMaxClassEntries);
    EXPECT_EQ(capped.ignored, 3U);
    EXPECT_EQ(capped.estimates.back(), 500);
    EXPECT_EQ(median({4, 1, 3, 10}), 3.5);
    EXPECT_TRUE(revealText(100, {1, 2, 3, 4, 5}).ends_with("(non molto accurata): 4; 50 % o più (non ci siamo): 5."));
    EXPECT_EQ(bandCounts({100, 104.9, 95, 110, 125, 150, 49}, 100), (std::array<int, kVerdictCount>{2, 1, 1, 1, 2}));
}

}  // namespace
}  // namespace ricattura
