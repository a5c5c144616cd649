// Catches a repeated experiment that strays from the steps' own arithmetic or teaches what a real lake would not do,
// words that say other than what ran, and class entries misread or lost.
#include "core/seeded_random_source.h"
#include "doubles.h"
#include "experiment/axis.h"
#include "experiment/class_board.h"
#include "experiment/experiment_words.h"
#include "experiment/repeated_experiment.h"

#include <gtest/gtest.h>

#include <numeric>

namespace ricattura {
namespace {

using enum Variant;

// clang-format off
const EstimateMade kWorked{{.hauls = 9, .caught = 300, .marked = 300, .recaptured = 600, .markedRecaptured = 6,
                            .markedShare = 0.0089, .trueSize = 33600, .estimate = 30000}, 6, {}};
// clang-format on

int within25(const StrategyOutcome& o) { return o.verdicts[0] + o.verdicts[1] + o.verdicts[2]; }

TEST(RepeatedExperiment, RepeatsTheEstimateShownOnTheSameDrawsUnderBothRules) {
    const RepeatedExperiment e = repeatExercise(kWorked, kMarkedShare);
    ASSERT_EQ(e.blocks.size(), 2U);
    EXPECT_EQ(std::pair(e.blocks[0].rule, e.blocks[1].rule), std::pair(kMarkedShare, kFishByFish));
    const auto estimates = [](const RepeatedExperiment& x) { return x.blocks[1].outcomes[2].estimates; };
    EXPECT_EQ(estimates(e), estimates(repeatExercise(kWorked, kMarkedShare)));
    // The same strategy in another exercise: other draws.
    EXPECT_NE(estimates(e),
              estimates(repeatExercise({{.marked = 300, .trueSize = 33600, .estimate = 29000}, 6, {}}, kMarkedShare)));
    std::vector<std::vector<RepetitionRecord>> records;
    repeatExercise(kWorked, kFishByFish, &records);
    EXPECT_EQ(std::tuple(records.size(), records[0].front().repetition, records[0].back().repetition, e.studentEstimate,
                         e.caught),
              std::tuple(1U, 1, kRepetitions, 30000.0, 300.0))
        << "one block is enough, its repetitions counted from 1";
    const auto strategies = variantsOf(kWorked);
    EXPECT_EQ(std::tuple(strategies[1].marked, strategies[1].hauls, strategies[2].marked, strategies[2].hauls),
              std::tuple(600.0, 6, 300.0, 12));
    EXPECT_EQ(variantsOf({{.marked = 700, .trueSize = 1000}, 3, {}})[1].marked, 1000)
        << "never more than the lake holds";
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        SCOPED_TRACE(variantName(Variant(v)));
        for (const ExperimentBlock& block : e.blocks) {
            const StrategyOutcome& o = block.outcomes[v];
            EXPECT_EQ(std::accumulate(o.verdicts.begin(), o.verdicts.end(), o.withoutEstimate), kRepetitions);
            EXPECT_EQ(std::accumulate(block.counts[v].begin(), block.counts[v].end(), block.beyond[v]),
                      static_cast<int>(o.estimates.size()));
            // A lake this big never runs low, under either rule.
            EXPECT_EQ(std::pair(o.strategy.hauls, o.meanHauls),
                      std::pair(strategies[v].hauls, 1.0 * strategies[v].hauls));
            if (o.high) {
                EXPECT_LE(block.beyond[v], kRepetitions / 40) << "the axis reaches past every 97,5 % point";
                EXPECT_LT(std::ranges::count_if(o.estimates, [&](double x) { return x < *o.low; }), kRepetitions / 40);
            }
        }
    }
    // The axis reaches twice the true size in some sixty bins, and stops within one, on a lake whose estimates all fall
    // short of it.
    const Histogram h =
        repeatExercise({{.marked = 600, .trueSize = 3000, .estimate = 3100}, 12, {}}, kFishByFish).histogram;
    EXPECT_TRUE(h.end() > 6000 && h.end() - h.binWidth <= 6000 && h.bins > 24 && h.ticks.size() > 1) << h.bins;
}

// What the section teaches, on lakes where many marked fish come back: under the program's rule only more hauls
// help; in a real lake twice the marked fish help about as much as twice the hauls, because what counts is how many
// marked fish come back (as many in both).
TEST(RepeatedExperiment, ARealLakeRewardsMarkingAsMuchAsFishing) {
    // clang-format off
    struct Row { const char* name; double trueSize; Strategy student; };
    const Row rows[] = {{"3000 fish, 200 marked, 6 hauls", 3000, {200, 6}}, {"20000, 300, 10", 20000, {300, 10}},
                        {"38000, 600, 12", 38000, {600, 12}}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::array strategies{row.student, Strategy{2 * row.student.marked, row.student.hauls},
                                    Strategy{row.student.marked, 2 * row.student.hauls}};
        FixedSeed seed(4242);
        SeededRandomSource ruleDraws(seed), lakeDraws(seed);
        const ExperimentBlock rule = repeatStrategies({row.trueSize, strategies, kMarkedShare}, ruleDraws);
        const ExperimentBlock lake = repeatStrategies({row.trueSize, strategies, kFishByFish}, lakeDraws);
        const auto [base, marked, hauls] =
            std::tuple(within25(lake.outcomes[0]), within25(lake.outcomes[1]), within25(lake.outcomes[2]));
        EXPECT_GT(marked, base + 80) << "of 1000";
        EXPECT_NEAR(marked, hauls, 30);
        EXPECT_NEAR(lake.outcomes[1].meanMarkedRecaptured, 2 * lake.outcomes[0].meanMarkedRecaptured,
                    0.1 * lake.outcomes[1].meanMarkedRecaptured);
        EXPECT_NEAR(within25(rule.outcomes[1]), within25(rule.outcomes[0]), 20);
        EXPECT_GT(within25(rule.outcomes[2]), within25(rule.outcomes[0]) + 80);
    }
}

// Each trick moves the estimate its way, on small and large lakes, by far more than the repetitions' noise: lost
// marks, shy marked fish and newcomers up, curious marked fish down; deaths for all leave it where it was.
TEST(RepeatedExperiment, EachTrickMovesTheMedianItsWay) {
    // clang-format off
    struct Row { const char* name; Trick trick; Prediction effect; double low, high; };  // the median / the true size
    const Row rows[] = {{"lost marks", Trick::LostMarks, Prediction::TooHigh, 1.3, 10}, {"shy", Trick::ShyMarked, Prediction::TooHigh, 1.3, 10},
                        {"curious", Trick::CuriousMarked, Prediction::TooLow, 0, 0.8}, {"newcomers", Trick::Newcomers, Prediction::TooHigh, 1.3, 10},
                        {"deaths for all", Trick::DeathsForAll, Prediction::Right, 0.95, 1.05}};
    const std::pair<double, Strategy> lakes[] = {{5000, {400, 8}}, {12000, {700, 10}}, {30000, {1200, 15}}};
    // clang-format on
    for (const auto& [trueSize, strategy] : lakes)
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + " in a lake of " + std::to_string(int(trueSize)));
            FixedSeed seed(7);
            SeededRandomSource random(seed);
            RepeatedExperiment e;
            e.trueSize = trueSize;
            e.blocks = {repeatStrategies({trueSize, {strategy, strategy, strategy}, {true, row.trick}}, random)};
            const double ratio = *e.blocks[0].outcomes[0].median / trueSize;
            EXPECT_EQ(trickEffect(e), row.effect) << ratio;
            EXPECT_TRUE(predictionText(row.effect, e).ends_with("previsione era giusta."));
            EXPECT_TRUE(ratio > row.low && ratio < row.high) << ratio;
        }
}

// The middle 95 % by nearest rank, a repetition without an estimate counted as endlessly large: there when at least
// 97,5 % of the repetitions gave an estimate, said to be missing otherwise.
TEST(RepeatedExperiment, ShowsTheMiddleOnlyWhereNearlyEveryRepetitionGaveAnEstimate) {
    for (int without : {1, 2}) {
        SCOPED_TRACE(without);
        testing::ScriptedRandom random;  // 40 repetitions of one haul of 100 (two drawn, for twice the hauls)
        for (int r = 0; r < 40; ++r) random.script({testing::haulDraw(100), r < without ? 0 : 0.5, 0, 0});
        const ExperimentBlock block =
            repeatStrategies({1000, {Strategy{100, 1}, {100, 1}, {100, 2}}, kMarkedShare, 40}, random);
        const StrategyOutcome& o = block.outcomes[0];
        EXPECT_EQ(std::tuple(o.median, o.low, o.meanMarkedRecaptured, o.withoutEstimate),
                  std::tuple(1000, 1000, (40 - without) * 10 / 40.0, without));
        EXPECT_EQ(middleText(o), without == 1 ? "fra 1000 e 1000" : "non si può dire, 2 prove su 1000 senza stima");
        EXPECT_NE(summaryText({.blocks = {block}}).find("prove su 1000 non è stato ripreso"), std::string::npos);
    }
}

// What the page writes: what each strategy actually ran, shares as counts of 1000, bands, axes and dots as drawn.
TEST(ExperimentWords, SayWhatRanInTheWindowsWords) {
    RepeatedExperiment e;
    e.trueSize = 1000;
    e.caught = 300;
    StrategyOutcome o;
    // clang-format off
    struct Row { const char* name; Strategy strategy; double meanHauls; std::string text; };
    const Row rows[] = {
        {"as run", {250, 1}, 1, "250 pesci marcati e 1 cala di ricattura."},
        {"more than caught", {500, 8}, 8, "500 pesci marcati e 8 cale di ricattura. Per marcarli servirebbe catturarne di più."},
        {"the whole lake", {1000, 8}, 8, "1000 pesci marcati e 8 cale di ricattura. Sono tutti i pesci del lago."},
        {"stopped by the guard", {250, 16}, 13.24, "250 pesci marcati e 16 cale di ricattura. In media se ne sono fatte 13,2, perché il lago non ne permetteva di più."}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        o.strategy = row.strategy;
        o.meanHauls = row.meanHauls;
        EXPECT_EQ(strategyText(o, e), row.text);
    }
    EXPECT_EQ(frequencyText(144) + "; " + beyondText(21, 100000),
              "144 su 1000; 21 stime oltre 100000, fuori dal grafico");
    std::string bands;
    for (std::size_t v = 0; v < kVerdictCount; ++v) bands += verdictBand(Verdict(v)) + "; ";
    EXPECT_EQ(bands,
              "sotto il 5\u00a0%; da 5 a meno di 10\u00a0%; da 10 a meno di 25\u00a0%; da 25 a meno di 50\u00a0%; "
              "50\u00a0% o più; ");
    for (const auto& [span, step] :
         {std::pair{0.0, 1.0}, {0.3, 0.5}, {1.0, 1.0}, {1.5, 2.0}, {3.0, 5.0}, {7.0, 10.0}, {23.0, 50.0}})
        EXPECT_EQ(niceStep(span), step) << span;
    EXPECT_EQ(axisTicks(120), (std::vector<double>{0, 50, 100}));
    EXPECT_EQ(std::tuple(median({4, 1, 3, 10}), median({})), std::tuple(3.5, std::nullopt));
    const DotPlot plot = dotPlot({200, 200, 900, 300, 5000}, 1000);  // 1000 and 5 % more on an axis of 500s
    EXPECT_EQ(std::tuple(plot.end, plot.ticks, plot.dots[1].level, plot.dots[2].level, plot.beyond),
              std::tuple(1500, std::vector<double>{0, 500, 1000, 1500}, 1, 0, 1));
}

TEST(ClassBoard, ReadsWholeNumbersAndNeverSplitsOneInTwo) {
    // clang-format off
    struct Row { const char* name; std::string typed; std::vector<double> estimates; int without; std::vector<NotUnderstood> bad; };
    const Row rows[] = {
        {"separators and thousands dots", "1200\n1.234; 30000\t7\r\n123.456", {1200, 1234, 30000, 7, 123456}, 0, {}},
        {"groups without an estimate", "nessuna 41000 - Nessuna", {41000}, 3, {}},
        {"thousands after a blank", "12 500\n38 226 9\n1 234 567", {9}, 0,
         {{"12 500", "Un solo numero si scrive senza spazi, come 12500, e più stime vanno su righe diverse."},
          {"38 226", "Un solo numero si scrive senza spazi, come 38226, e più stime vanno su righe diverse."},
          {"1 234 567", "Un solo numero si scrive senza spazi, come 1234567, e più stime vanno su righe diverse."}}},
        {"zero and leading zeros", "0 007 0.500", {}, 0,
         {{"0", "Una stima di 0 pesci non è possibile."}, {"007", "Scrivilo senza zeri iniziali."},
          {"0.500", "Scrivilo senza zeri iniziali."}}},
        {"misplaced dots, fractions, signs, words", "12.34 1.234.567 1,5 -3 ;; 1234.567 abc .123 1.234.", {1234567}, 0,
         {{"12.34", ""}, {"1,5", ""}, {"-3", ""}, {"1234.567", ""}, {"abc", ""}, {".123", ""}, {"1.234.", ""}}},
        {"ten digits", "9999999999 999999999", {999999999}, 0, {{"9999999999", ""}}},
        {"nothing", "", {}, 0, {}}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ClassEntries read = parseClassEntries(row.typed);
        EXPECT_EQ(std::tuple(read.estimates, read.withoutEstimate, read.notUnderstood),
                  std::tuple(row.estimates, row.without, row.bad));
    }
    std::string many;
    for (int i = 1; i <= 503; ++i) many += (i == 2 ? "x" : std::to_string(i)) + ";";
    const ClassEntries capped = parseClassEntries(many);
    EXPECT_EQ(
        std::tuple(capped.estimates.size() + capped.notUnderstood.size(), capped.ignored, capped.estimates.back()),
        std::tuple(kMaxClassEntries, 3U, 500.0));
    EXPECT_EQ(
        classSummary(parseClassEntries("40000 30000 - abc")),
        "Stime lette 2. Mediana della classe 35000. Gruppi senza stima 1. Voci non comprese 1, elencate qui sotto. "
        "Correggetele e disegnate di nuovo.");
    EXPECT_EQ(notUnderstoodText({"12 500", "Un solo numero."}), "Hai scritto 12 500. Un solo numero.");
    EXPECT_EQ(bandCounts({100, 104.9, 95, 110, 125, 150, 49}, 100), (std::array<int, kVerdictCount>{2, 1, 1, 1, 2}));
}

}  // namespace
}  // namespace ricattura
