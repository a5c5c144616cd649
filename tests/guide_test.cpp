// Catches a number or verdict in the teacher's guide that the program does not give, and a guide that lost one.
#include "control/exercise_controller.h"
#include "core/launch_options.h"
#include "core/number_text.h"
#include "core/seeded_random_source.h"
#include "doubles.h"
#include "experiment/repeated_experiment.h"
#include "steps/capture.h"
#include "steps/estimate.h"
#include "steps/lake_creation.h"
#include "steps/recapture.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <regex>

namespace ricattura {
namespace {

using Facts = std::map<std::string, std::string>;
const double kTop = std::nextafter(1.0, 0.0);  // the largest draw there is

// A whole number as the guide's sentences write it: from five digits on, grouped by thousands with a dot.
std::string prose(double value) {
    const std::string text = decimalText(value);
    return text.size() < 5 ? text : std::regex_replace(text, std::regex(R"((\d)(?=(\d{3})+$))"), "$1.");
}

// One end of every range: a lake, a haul and a mark made with the draws at that end (size at the other).
void addEnd(Facts& facts, const std::string& end, const std::string& other, double r) {
    testing::ScriptedRandom random;
    random.script({r, r, kTop - r, r, r});
    const Lake lake = drawLake(random);
    SimulationState state{.trueSize = lake.trueSize};
    testing::FakeView view;
    captureHaul(state, view, random);
    view.type("0");
    markFish(state, view);
    facts.insert({{"popolazione-" + end, prose(lake.trueSize)},
                  {"superficie-" + end, decimalText(lake.surface)},
                  {"produzione-" + end, decimalText(lake.productivity)},
                  {"taglia-" + other, decimalText(lake.size)},
                  {"cala-" + end, view.text(Field::Caught)},
                  {"marcati-min", view.text(Field::ToMark)}});
}

// The lesson's groups as the guide gives their clicks: capture hauls, the number typed in «Individui da marcare»,
// recapture hauls. The tested class codes, the two rules of step 5, the repetitions of a measure.
const std::array<std::array<std::string, 4>, 3> kGroups{
    {{"a", "12", "300", "10"}, {"b", "12", "600", "10"}, {"c", "12", "300", "20"}}};
constexpr LakeCode kTestedCodes[] = {13, 119, 84};
const std::pair<std::string, RecaptureRule> kRules[] = {{"programma", kMarkedShare}, {"pesce", kFishByFish}};
constexpr int kRuns = 20000;

// A group's clicks on a class code's lake by a rule, through the program's controller (1, 2 …, 3, 4, 5 …, 6, 7): the
// window as the group sees it at the end.
testing::FakeView play(LakeCode code, const std::array<std::string, 4>& clicks, RecaptureRule rule) {
    FixedSeed seed(code);
    SeededRandomSource random(seed);
    testing::FakeView view;
    ExerciseController exercise(view, random, {}, rule);
    exercise.click(Button::CreateLake);
    for (int h = 0; h < leadingNumber(clicks[1]); ++h) exercise.click(Button::CaptureHaul);
    view.type(clicks[2]);
    for (Button b : {Button::MarkFish, Button::ReleaseMarked}) exercise.click(b);
    for (int h = 0; h < leadingNumber(clicks[3]); ++h) exercise.click(Button::RecaptureHaul);
    for (Button b : {Button::EstimatePopulation, Button::Compare}) exercise.click(b);
    return view;
}

// Each group's clicks on each tested code's lake by either rule: the guide's table as the window shows it; n must not
// depend on the rule.
void addTestedCodes(Facts& facts) {
    for (std::size_t c = 0; c < std::size(kTestedCodes); ++c)
        for (const auto& [group, captureHauls, marked, recaptureHauls] : kGroups)
            for (const auto& [rule, recapture] : kRules) {
                const testing::FakeView view =
                    play(kTestedCodes[c], {group, captureHauls, marked, recaptureHauls}, recapture);
                const std::string code = "prova-" + std::to_string(c + 1), row = code + "-" + group + "-";
                auto& n = facts.try_emplace(row + "n", view.text(Field::Recaptured)).first->second;
                if (n != view.text(Field::Recaptured)) n += " or " + view.text(Field::Recaptured);
                facts.insert({{code + "-codice", std::to_string(kTestedCodes[c])},
                              {code + "-lago", view.text(Field::TrueSize)},
                              {row + "M", view.text(Field::ToMark)},
                              {row + rule + "-m", view.text(Field::MarkedRecaptured)},
                              {row + rule + "-stima", view.text(Field::Estimate)},
                              {row + rule + "-errore", view.text(Field::Error)},
                              {"gruppo-" + group + "-cattura", captureHauls},
                              {"gruppo-" + group + "-marca", marked},
                              {"gruppo-" + group + "-ricattura", recaptureHauls}});
            }
}

// Each group's recapture phase repeated on the second tested lake: how many in 100 estimates fall within 25 % (the
// first three verdicts), and how often the true size lies between n M / (m + 2 √m) and n M / (m - 2 √m).
void addMeasures(Facts& facts) {
    const double trueSize = leadingNumber(facts.at("prova-2-lago"));
    facts["misura-ripetizioni"] = prose(kRuns);
    facts["esperimento-ripetizioni"] = std::to_string(kRepetitions);  // the page's, not this measure's
    for (const auto& [rule, recapture] : kRules) {
        FixedSeed seed(kRuns);
        SeededRandomSource random(seed);
        for (const auto& [group, captureHauls, typed, recaptureHauls] : kGroups) {
            const double marked = leadingNumber(typed);
            int near = 0, inside = 0;
            for (int run = 0; run < kRuns; ++run) {
                SimulationState lake{.marked = marked, .markedShare = marked / trueSize, .trueSize = trueSize};
                for (int h = 0; h < leadingNumber(recaptureHauls); ++h) drawRecaptureHaul(lake, random, recapture);
                if (!applyEstimate(lake)) continue;
                near += verdictFor(percentError(lake.estimate, trueSize)) <= Verdict::FairlyAccurate;
                const double m = lake.markedRecaptured, nM = lake.recaptured * marked, spread = 2 * std::sqrt(m);
                inside += nM / (m + spread) <= trueSize && (m <= spread || trueSize <= nM / (m - spread));
            }
            facts["misura-" + rule + "-" + group] = std::to_string(std::lround(100.0 * near / kRuns));
            facts["intervallo-" + rule + "-" + group] = std::to_string(std::lround(100.0 * inside / kRuns));
        }
    }
}

// A share as a fraction with the smallest denominator: 1/3, 3/2.
std::string fraction(double share) {
    int d = 1;
    while (d < 100 && std::abs(share * d - std::round(share * d)) > 1e-9) ++d;
    return std::to_string(std::lround(share * d)) + "/" + std::to_string(d);
}

// Each lake with a trick, and fish by fish without one: how strong the trick is (a marked fish's odds, else the share
// of fish or of marks it adds or takes), group B's clicks on the second tested lake, the median of B's recapture
// repeated there as a multiple of the true size, and which way the medians lean on all three tested lakes.
void addTricks(Facts& facts) {
    constexpr const char* kLeans[] = {"troppo bassa", "giusta", "troppo alta"};  // the median 10 % under, near, over
    const Strategy b{leadingNumber(kGroups[1][2]), static_cast<int>(leadingNumber(kGroups[1][3]))};
    for (std::size_t t = 0; t < kTrickCount; ++t) {
        const RecaptureRule rule{true, Trick(t)};
        const std::string name = t ? trickName(Trick(t)) : "pesce-per-pesce", row = "trucco-" + name + "-";
        const RecaptureLake lake = recaptureLake({.marked = 60, .trueSize = 600}, Trick(t));
        const double fish = lake.fish / 600 - 1, marks = lake.marked / 60 - 1;
        if (t)
            facts["quota-" + name] = fraction(lake.markedOdds != 1 ? lake.markedOdds : std::abs(fish ? fish : marks));
        const testing::FakeView view = play(kTestedCodes[1], kGroups[1], rule);
        for (Field f : {Field::MarkedRecaptured, Field::Estimate, Field::Error})
            facts[row + (f == Field::Estimate ? "stima" : f == Field::Error ? "errore" : "m")] = view.text(f);
        std::string lean;
        for (std::size_t c = 0; c < std::size(kTestedCodes); ++c) {
            const double trueSize = leadingNumber(facts.at("prova-" + std::to_string(c + 1) + "-lago"));
            FixedSeed seed(kRuns);
            SeededRandomSource random(seed);
            const double median = *repeatStrategies({trueSize, {b, b, b}, rule, kRuns}, random).outcomes[0].median;
            if (c == 1) facts["mediana-" + name] = decimalText(std::round(median / trueSize * 100) / 100);
            const std::string now = kLeans[(median > 1.1 * trueSize) - (median < 0.9 * trueSize) + 1];
            lean = lean.empty() || lean == now ? now : "dipende dal lago";
        }
        facts["verso-" + name] = lean;
    }
}

Facts programFacts() {
    Facts facts;
    addEnd(facts, "min", "max", 0);
    addEnd(facts, "max", "min", kTop);
    // Errors of 0 % to 100 % in whole steps: where the verdict changes, a band ends.
    for (int error = 0, band = 0; error <= 100; ++error) {
        testing::FakeView view;
        compareWithReal({.trueSize = 100, .estimate = 100.0 + error}, view);
        if (band > 0 && view.text(Field::Instructions) == facts["giudizio-" + std::to_string(band)]) continue;
        if (band > 0) facts["soglia-" + std::to_string(band)] = std::to_string(error);
        facts["giudizio-" + std::to_string(++band)] = view.text(Field::Instructions);
    }
    LakeCode low = 0;
    while (!parseLakeCode(std::to_string(low))) ++low;
    LakeCode high = low;
    while (parseLakeCode(std::to_string(high + 1))) ++high;
    facts.insert({{"codice-min", std::to_string(low)}, {"codice-max", std::to_string(high)}});
    for (std::size_t t = 1; t < kTrickCount; ++t) facts["trucco-" + std::to_string(t)] = trickName(Trick(t));
    addTestedCodes(facts);
    addMeasures(facts);
    addTricks(facts);
    return facts;
}

TEST(TeachersGuide, StatesEveryNumberAndVerdictAsTheProgramGivesIt) {
    std::ifstream file(RICATTURA_GUIDE);
    const std::string guide{std::istreambuf_iterator<char>(file), {}};
    const Facts facts = programFacts();
    Facts unstated = facts;
    const std::regex span(R"re(<span data-fact="([^"]*)">([^<]*)</span>)re"), mention("data-fact");
    std::ptrdiff_t spans = 0;
    for (std::sregex_iterator it(guide.begin(), guide.end(), span), end; it != end; ++it, ++spans) {
        ASSERT_TRUE(facts.contains((*it)[1])) << "the program gives no " << (*it)[1];
        EXPECT_EQ((*it)[2], facts.at((*it)[1])) << (*it)[1];
        unstated.erase((*it)[1]);
    }
    EXPECT_EQ(spans, std::distance(std::sregex_iterator(guide.begin(), guide.end(), mention), {})) << "a span unread";
    EXPECT_TRUE(unstated.empty()) << "the guide never states " << unstated.begin()->first;
}

}  // namespace
}  // namespace ricattura
