// Catches a step that computes, writes, draws or switches otherwise than the exercise's rules say.
#include "core/seeded_random_source.h"
#include "doubles.h"
#include "steps/capture.h"
#include "steps/estimate.h"
#include "steps/guidance.h"
#include "steps/hypergeometric.h"
#include "steps/lake_creation.h"
#include "steps/recapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace ricattura {
namespace {

using enum Button;
using enum Field;
using testing::FakeView;
using testing::haulDraw;
using testing::ScriptedRandom;
using Switches = std::vector<FakeView::Switch>;

// What a step writes points the student on: its instructions name every numbered button it switched on (a refused
// estimate, the hauls' button), and the lake's and the marking's numbers as drawn. The words themselves have one home.
TEST(Steps, PointTheStudentToTheButtonsTheySwitchedOn) {
    SimulationState state;
    FakeView view;
    ScriptedRandom random;
    random.script(testing::lakeDraws(40, 20, 25, 0.75));
    random.script({haulDraw(100), haulDraw(105), 0.5});
    // clang-format off
    struct Row { const char* name; std::function<void()> step; std::vector<std::string> says; };
    const Row rows[] = {
        {"lake", [&] { createLake(state, view, random); }, {"40 ettari", "20 kg", "25 grammi"}},
        {"capture", [&] { captureHaul(state, view, random); }, {"bottone 2"}},
        {"mark", [&] { markFish(state, view); }, {"marcati 100 individui"}}, {"release", [&] { releaseMarked(view); }, {}},
        {"recapture", [&] { recaptureHaul(state, view, random, kMarkedShare); }, {"bottone 5"}},
        {"no estimate", [&] { estimatePopulation(state, view); }, {"bottone 5", "Riparti"}},
        {"estimate", [&] { state.markedRecaptured = 3; estimatePopulation(state, view); }, {"n x M / m"}}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        view.switches.clear();
        row.step();
        std::vector<std::string> says = row.says;
        for (const auto& [button, on] : view.switches)
            if (on && button != Restart) says.push_back("bottone " + std::to_string(indexOf(button) + 1));
        for (const std::string& words : says)
            EXPECT_NE(view.text(Instructions).find(words), std::string::npos) << words;
    }
    EXPECT_TRUE(random.spentExactly());
}

// The typed number is kept between 10 and the catch, the lower limit last; a fraction is kept as typed.
TEST(MarkFish, KeepsTheTypedNumberBetweenTenAndTheCatch) {
    // clang-format off
    struct Row { const char* name; std::string typed; double caught, marked; };
    const Row rows[] = {
        {"as proposed", "300", 300, 300}, {"fewer", "120 pesci", 300, 120}, {"more than caught", "1234.5", 300, 300},
        {"a fraction", "12,5", 300, 12.5}, {"not a number", "pesci", 300, 10}, {"empty", "", 300, 10},
        {"zero", "0", 300, 10}, {"negative", "-40", 300, 10}, {"the lower limit wins", "50", 8, 10}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SimulationState state{.hauls = 3, .caught = row.caught, .marked = row.caught, .trueSize = 1000};
        FakeView view;
        view.type(row.typed);
        markFish(state, view);
        EXPECT_EQ(state, (SimulationState{.hauls = 3,
                                          .caught = row.caught,
                                          .marked = row.marked,
                                          .markedShare = row.marked / 1000,
                                          .trueSize = 1000}));
        EXPECT_EQ(view.text(ToMark), decimalText(row.marked));
        EXPECT_EQ(view.switches, (Switches{{CaptureHaul, false}, {ReleaseMarked, true}, {MarkFish, false}}));
    }
}

// The guard is strict at 110 fish left; the haul's marked share is 2 r k, and k follows the fish left in the lake.
TEST(RecaptureHaul, StopsBeforeTheLakeCouldEmptyAndOffersAnEstimateOnceMarkedFishCameUp) {
    // clang-format off
    struct Row { const char* name; double before, haul, r; bool recaptureStays, estimateOffered; };
    const Row rows[] = {
        {"890 recaptured: one more haul", 800, 90, 0.5, true, true}, {"891: the last", 800, 91, 0.5, false, true},
        {"890 by the largest haul", 781, 109, 0.5, true, true}, {"891 by the largest haul", 782, 109, 0.5, false, true},
        {"no marked fish yet", 0, 50, 0, true, false}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeView view;
        view.enabled[indexOf(RecaptureHaul)] = true;
        SimulationState state{
            .hauls = 4, .marked = 100, .recaptured = row.before, .markedShare = 0.1, .trueSize = 1000};
        ScriptedRandom random;
        random.script({haulDraw(row.haul), row.r});
        recaptureHaul(state, view, random, kMarkedShare);
        const double m = row.haul * 2 * row.r * 0.1;
        EXPECT_EQ(state, (SimulationState{.hauls = 5,
                                          .marked = 100,
                                          .recaptured = row.before + row.haul,
                                          .markedRecaptured = m,
                                          .markedShare = (100 - m) / (1000 - row.before - row.haul),
                                          .trueSize = 1000}));
        EXPECT_EQ(view.enabled[indexOf(RecaptureHaul)], row.recaptureStays);
        EXPECT_EQ(view.enabled[indexOf(EstimatePopulation)], row.estimateOffered);
        EXPECT_EQ(view.text(MarkedRecaptured), decimalText(std::floor(m + 0.5)));
    }
    // The guard watches the lake the recapture fishes: a third dead leaves 667 fish, 107 of them after 560 taken.
    const SimulationState taken{.recaptured = 560, .trueSize = 1000};
    EXPECT_EQ(std::pair(lakeNearlyEmpty(taken, {true, Trick::DeathsForAll}), lakeNearlyEmpty(taken, kFishByFish)),
              std::pair(true, false));
}

// Fish by fish: the same two draws a haul, whole marked fish taken from those still in the lake, never more than it
// holds, a fraction of a marked fish never counted.
TEST(RecaptureHaul, FishByFishTakesWholeMarkedFishFromThoseLeft) {
    // clang-format off
    struct Row { const char* name; double marked, markedRecaptured, trueSize, haul, r, expected; };
    const Row rows[] = {
        {"half a marked fish is none", 10.5, 10, 1000, 50, 0.999, 0}, {"more marked than the lake holds", 5000, 0, 1000, 109, 0, 109},
        {"the last marked fish", 12.5, 11, 1000, 109, 1 - 1e-12, 1}, {"all but one fish caught", 20, 0, 110, 109, 1 - 1e-12, 20}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SimulationState state{.marked = row.marked, .markedRecaptured = row.markedRecaptured, .trueSize = row.trueSize};
        ScriptedRandom random;
        random.script({haulDraw(row.haul), row.r});
        drawRecaptureHaul(state, random, kFishByFish);
        EXPECT_TRUE(random.spentExactly());
        EXPECT_EQ(state.markedRecaptured - row.markedRecaptured, row.expected);
        EXPECT_EQ(state.recaptured, row.haul);
    }
}

// The haul's marked fish follow the hypergeometric law: its mean and variance over many hauls, within sampling
// error, and every count in its range.
TEST(Hypergeometric, DrawsTheLawOfFishTakenOneByOne) {
    // clang-format off
    struct Row { const char* name; double fish, marked, caught; };
    const Row rows[] = {{"a small lake", 10, 4, 5}, {"few marked", 33600, 300, 105}, {"half marked", 200, 100, 109},
                        {"nearly all marked", 120, 118, 109}, {"a large sample", 2000, 150, 1500}};
    // clang-format on
    FixedSeed seed(7);
    SeededRandomSource random(seed);
    constexpr int kHauls = 40'000;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double p = row.marked / row.fish;
        const double mean = row.caught * p;
        const double variance = mean * (1 - p) * (row.fish - row.caught) / (row.fish - 1);
        double sum = 0, squares = 0, lowest = row.caught, highest = 0;
        for (int i = 0; i < kHauls; ++i) {
            const double m = hypergeometricDraw(random.draw(), row.fish, row.marked, row.caught);
            sum += m;
            squares += m * m;
            lowest = std::min(lowest, m);
            highest = std::max(highest, m);
        }
        const double sampleMean = sum / kHauls, sampleVariance = squares / kHauls - sampleMean * sampleMean;
        EXPECT_NEAR(sampleMean, mean, 4 * std::sqrt(variance / kHauls));  // four standard errors
        EXPECT_NEAR(sampleVariance, variance, 0.05 * variance + 1e-9);
        EXPECT_TRUE(lowest >= std::max(0.0, row.caught - (row.fish - row.marked)) &&
                    highest <= std::min(row.caught, row.marked));
    }
    EXPECT_EQ(hypergeometricDraw(0, 10, 4, 5), 0);  // the first count whose chance is not negligible
    EXPECT_EQ(hypergeometricDraw(std::nextafter(1.0, 0.0), 10, 4, 5), 4);
}

TEST(EstimatePopulation, RoundsMAndTheEstimateHalfUpAndRefusesWithoutMarkedFish) {
    // clang-format off
    struct Row { const char* name; double n, M, m, estimate; };  // estimate 0: none possible
    const Row rows[] = {
        {"a half rounds up", 100, 50, 0.5, 5000}, {"just under a half", 100, 50, 0.49, 0},
        {"rounds down", 100, 10, 3, 333}, {"rounds up", 100, 50, 3, 1667}, {"the estimate's half", 5, 1, 2, 3}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeView view;
        view.setText(Estimate, "500");  // an earlier estimate
        const SimulationState before{
            .marked = row.M, .recaptured = row.n, .markedRecaptured = row.m, .trueSize = 1000, .estimate = 500};
        SimulationState state = before;
        const bool made = estimatePopulation(state, view);
        const SimulationState estimated{.marked = row.M,
                                        .recaptured = row.n,
                                        .markedRecaptured = std::floor(row.m + 0.5),
                                        .trueSize = 1000,
                                        .estimate = row.estimate};
        EXPECT_EQ(made, row.estimate > 0);
        EXPECT_EQ(state, made ? estimated : before);
        EXPECT_EQ(view.text(Estimate), decimalText(made ? row.estimate : 500));
        EXPECT_EQ(view.switches, (made ? Switches{{Compare, true}, {EstimatePopulation, false}}
                                       : Switches{{EstimatePopulation, false}}));
    }
}

TEST(CompareWithReal, GradesTheUnroundedErrorWithStrictBounds) {
    struct Row {
        const char* name;
        double trueSize, estimate;
        std::string shown;  // the error and the percentage
        Verdict verdict;
    };
    using enum Verdict;
    // clang-format off
    const Row rows[] = {
        {"exact", 1000, 1000, "0 0%", VeryAccurate}, {"4,996 % shows as 5", 100000, 104996, "4996 5%", VeryAccurate},
        {"5 % above", 1000, 1050, "50 5%", Accurate}, {"5 % below", 1000, 950, "-50 5%", Accurate},
        {"10 %", 1000, 1100, "100 10%", FairlyAccurate}, {"25 %", 1000, 750, "-250 25%", NotVeryAccurate},
        {"50 %", 1000, 1500, "500 50%", Poor}, {"49,9 %", 1000, 1499, "499 49,9%", NotVeryAccurate},
        {"hundredths", 3000, 3001, "1 0,03%", VeryAccurate}, {"far off", 918, 534600, "533682 58135,29%", Poor}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeView view;
        compareWithReal(SimulationState{.trueSize = row.trueSize, .estimate = row.estimate}, view);
        EXPECT_EQ(view.text(TrueSize) + " " + view.text(Error) + " " + view.text(PercentError),
                  decimalText(row.trueSize) + " " + row.shown);
        EXPECT_EQ(verdictFor(percentError(row.estimate, row.trueSize)), row.verdict);
        EXPECT_EQ(view.text(Instructions), guidance::kVerdicts[static_cast<std::size_t>(row.verdict)]);
        EXPECT_TRUE(view.switches.empty());
    }
}

}  // namespace
}  // namespace ricattura
