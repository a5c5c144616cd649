// Catches wrong numbers, texts, draws, button switching, layout data, command lines and number conversions in the core.
#include "core/clock_random_source.h"
#include "core/launch_options.h"
#include "core/number_text.h"
#include "control/exercise_controller.h"
#include "doubles.h"
#include "steps/estimate.h"
#include "steps/recapture.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <tuple>

namespace ricattura {
namespace {

using enum Button;
using enum Field;
using testing::FakeView;
using testing::haulDraw;
using Switches = std::vector<FakeView::Switch>;

const std::string kIntro =
    "Per iniziare la simulazione clicca sul bottone in alto a sinistra. Sarà creato un lago ideale e, dentro di "
    "esso, una popolazione di pesci. ";
const std::string kVerdicts[] = {
    "Complimenti! E' una stima molto accurata.",
    "Non male! La stima ottenuta è accurata.",
    "La stima è abbastanza accurata, ma si può fare meglio.",
    "La stima è non è molto accurata, riprova con qualche variazione nella strategia.",
    "Non ci siamo. Riprova marcando piu' individui o ricatturandone un numero maggiore.",
};

class ExerciseTest : public ::testing::Test {
protected:
    ExerciseTest() : controller(view, random, [this] { ++exits; }) { controller.start(); }

    // Clicks once and checks the draws it took and the buttons it switched, in order.
    void step(Button b, const std::vector<double>& draws, const Switches& switches) {
        random.script(draws);
        view.switches.clear();
        view.announced.clear();
        controller.click(b);
        EXPECT_TRUE(random.spentExactly()) << "draws taken differ from those scripted";
        EXPECT_EQ(view.switches, switches);
    }
    void createLake(const std::vector<double>& draws = testing::lakeDraws(40, 20, 25, 0.75)) {
        step(CreateLake, draws, {{CaptureHaul, true}, {Restart, true}, {CreateLake, false}});
    }
    void expectFreshExercise() {
        const SimulationState& q = s();  // every quantity written out: a default of 1 must not pass as fresh
        for (double zero : {q.hauls, q.caught, q.marked, q.recaptured, q.markedRecaptured, q.markedShare, q.trueSize, q.estimate})
            EXPECT_EQ(zero, 0);
        EXPECT_EQ(view.texts, (std::array<std::string, kFieldCount>{kIntro}));
        EXPECT_EQ(view.enabled, enabledAtStart());
    }
    const SimulationState& s() const { return controller.state(); }

    FakeView view;
    testing::ScriptedRandom random;
    int exits = 0;
    ExerciseController controller;
};

TEST_F(ExerciseTest, PlaysTheWorkedExampleFromLakeToVerdictThenRestartsAndEnds) {
    expectFreshExercise();
    createLake();
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(s(), (SimulationState{.trueSize = 33600}));
    EXPECT_EQ(view.text(Instructions),
              "Il lago ha una superficie di 40 ettari, con una produzione media di 20 kg per ettaro della specie in "
              "esame, che ha una taglia media di 25 grammi.\r\nClicca sul bottone 2 per effettuare una cala e "
              "catturare degli individui.");
    for (int haul = 1; haul <= 3; ++haul) {
        view.type("999");  // each haul overwrites whatever was typed
        step(CaptureHaul, {haulDraw(100)}, {{MarkFish, true}});
        EXPECT_EQ(view.text(Instructions),
                  "Puoi effettuare più cale cliccando ancora sul bottone 2, finchè non ritieni di aver catturato "
                  "abbastanza individui.\r\nQuando ritieni di aver catturato abbastanza individui, puoi modificare il "
                  "numero di individui da marcare e procedere a marcarli cliccando il bottone 3.");
        const std::string caught = std::to_string(100 * haul);
        EXPECT_EQ(view.text(Caught) + " " + view.text(ToMark) + " " + view.text(Hauls), caught + " " + caught + " " + std::to_string(haul));
        // Spoken: the instructions only when they change, then each count box rewritten, with its caption.
        EXPECT_EQ(view.announced, (haul == 1 ? std::string("Puoi effettuare più cale cliccando ancora sul bottone 2, finchè non ritieni "
                                               "di aver catturato abbastanza individui. Quando ritieni di aver catturato "
                                               "abbastanza individui, puoi modificare il numero di individui da marcare e "
                                               "procedere a marcarli cliccando il bottone 3. ") : "") +
                                      "Individui catturati: " + caught + ". Individui da marcare: " + caught +
                                      ". Numero di cale: " + std::to_string(haul) + ".");
    }
    view.type("1234.5 pesci");  // more than were caught
    step(MarkFish, {}, {{CaptureHaul, false}, {ReleaseMarked, true}, {MarkFish, false}});
    EXPECT_EQ(view.text(ToMark), "300");
    EXPECT_EQ(view.text(Instructions), "Una volta marcati 300 individui, puoi procedere a riimetterli nel lago cliccando sul bottone 4.");
    step(ReleaseMarked, {}, {{RecaptureHaul, true}, {ReleaseMarked, false}});
    EXPECT_EQ(view.text(Instructions), "Trascorso un tempo sufficiente a disperdere gli individui marcati, puoi procedere alle "
                                "ricatture cliccando sul bottone 5.");

    // Perturbed hauls: the marked share is 2 r k, and k follows the fish left in the lake.
    double m = 0, k = 300.0 / 33600;
    const double marks[] = {0.3, 0.7, 0.6, 0.4};
    for (int haul = 1; haul <= 4; ++haul) {
        step(RecaptureHaul, {haulDraw(105), marks[haul - 1]}, {{EstimatePopulation, true}});
        m += 105 * (2 * marks[haul - 1] * k);
        k = (300 - m) / (33600 - 105.0 * haul);
        EXPECT_DOUBLE_EQ(s().markedRecaptured, m);
        EXPECT_DOUBLE_EQ(s().markedShare, k);
        EXPECT_EQ(view.text(Instructions),
                  "Anche in questo caso puoi effettuare più cale cliccando ancora sul bottone 5.\r\npuoi ottenere una "
                  "stima del numero totale presente nel lago sapendo che il rapporto fra marcati e totale è "
                  "teoricamente uguale a quello fra i ricatturati marcati ed il totale dei ricatturati.\r\nPer "
                  "effettuare questo calcolo clicca sul bottone 6.");
        EXPECT_EQ(view.text(Recaptured) + " " + view.text(MarkedRecaptured) + " " + view.text(Hauls),
                  std::to_string(105 * haul) + " " + decimalText(std::floor(m + 0.5)) + " " + std::to_string(3 + haul));
    }
    step(EstimatePopulation, {}, {{Compare, true}, {EstimatePopulation, false}});
    EXPECT_EQ(view.text(Instructions),
              "Il numero totale di individui è stato stimato come:\r\n\r\nn x M / m\r\n\r\ndove n sono i ricatturati, M "
              "il totale dei marcati ed m i ricatturati marcati.\r\nSe vuoi conoscere il valore reale, clicca sul "
              "bottone 7.");
    EXPECT_EQ(view.text(Estimate), "31500");
    step(Compare, {}, {});
    EXPECT_EQ(view.text(TrueSize) + " " + view.text(Error) + " " + view.text(PercentError), "33600 -2100 6,25%");
    EXPECT_EQ(view.text(Instructions), kVerdicts[1]);
    EXPECT_EQ(view.announced, kVerdicts[1] + " Numero reale: 33600. Errore: -2100. Errore percentuale: 6,25%.");
    step(Compare, {}, {});
    EXPECT_EQ(view.announced, "") << "nothing changed, nothing to say";

    step(Restart, {}, {{CreateLake, true}, {CaptureHaul, false}, {MarkFish, false}, {ReleaseMarked, false}, {RecaptureHaul, false},
                        {EstimatePopulation, false}, {Compare, false}, {Restart, false}});
    expectFreshExercise();
    EXPECT_EQ(view.announced, kIntro.substr(0, kIntro.size() - 1));
    createLake();
    step(CaptureHaul, {haulDraw(10)}, {{MarkFish, true}});
    view.type("pesci");  // not a number: the fewest that may be marked
    controller.click(MarkFish);
    EXPECT_EQ(view.text(ToMark) + " " + view.text(Hauls), "10 1");
    controller.click(Exit);
    EXPECT_EQ(exits, 1);
}

// The extreme lakes: the smallest and the largest population, the deviation at -10 % and just short of +10 %.
TEST_F(ExerciseTest, DrawsMapOntoTheLakeAndItsPopulation) {
    const double last = std::nextafter(1.0, 0.0);
    createLake({0, 0, last, 0});
    EXPECT_EQ(s().trueSize, 918);  // 10 x 5 / 49 x 1000, less 10 %
    controller.click(Restart);
    createLake({last, last, 0, 1 - 1e-9});
    EXPECT_EQ(s().trueSize, 588059);  // 99 x 54 / 10 x 1000, plus 10 % less a hair
}

TEST(RecaptureHaul, StopsBeforeTheLakeCouldEmptyAndOffersAnEstimateOnceMarkedFishCameUp) {
    using Case = std::tuple<double, double, double, bool, bool>;  // n before, haul, r, 5 stays, 6 offered
    for (const auto& [before, haul, r, recaptureStays, estimateOffered] :
         {Case{800, 90, 0.5, true, true}, Case{800, 91, 0.5, false, true}, Case{781, 109, 0.5, true, true},
          Case{782, 109, 0.5, false, true}, Case{0, 50, 0, true, false}}) {
        FakeView view;
        view.enabled[indexOf(RecaptureHaul)] = true;
        SimulationState state{.marked = 100, .recaptured = before, .markedShare = 0.1, .trueSize = 1000};
        testing::ScriptedRandom random;
        random.script({haulDraw(haul), r});
        recaptureHaul(state, view, random);
        EXPECT_EQ(view.enabled[indexOf(RecaptureHaul)], recaptureStays) << before << " + " << haul;
        EXPECT_EQ(view.enabled[indexOf(EstimatePopulation)], estimateOffered) << before << " + " << haul;
        EXPECT_DOUBLE_EQ(state.markedRecaptured, haul * 2 * r * 0.1);
    }
}

TEST(EstimatePopulation, RoundsMAndTheEstimateHalfUpAndRefusesWithoutMarkedFish) {
    using Case = std::tuple<double, double, double, double>;  // n, M, m, the estimate (0: none possible)
    for (const auto& [n, M, m, stima] : {Case{100, 50, 0.5, 5000}, Case{100, 50, 0.49, 0}, Case{100, 10, 3, 333},
                                         Case{100, 50, 3, 1667}, Case{5, 1, 2, 3}}) {
        FakeView view;
        view.setText(Estimate, "500");  // an earlier estimate
        const SimulationState before{.marked = M, .recaptured = n, .markedRecaptured = m, .trueSize = 1000, .estimate = 500};
        SimulationState state = before;
        estimatePopulation(state, view);
        const SimulationState estimated{.marked = M, .recaptured = n, .markedRecaptured = std::floor(m + 0.5),
                                        .trueSize = 1000, .estimate = stima};
        EXPECT_EQ(state, stima == 0 ? before : estimated);
        EXPECT_EQ(view.text(Estimate), decimalText(stima == 0 ? 500 : stima)) << n << " x " << M << " / " << m;
        EXPECT_EQ(view.switches, (stima == 0 ? Switches{{EstimatePopulation, false}} : Switches{{Compare, true}, {EstimatePopulation, false}}));
        EXPECT_EQ(view.text(Instructions) == "Tra i pesci ricatturati non ci sono ancora individui marcati: la stima non si "
                                      "può calcolare.\r\nEffettua altre cale cliccando sul bottone 5, oppure clicca su "
                                      "Riparti per ricominciare.",
                  stima == 0);
    }
}

TEST(CompareWithReal, GradesTheUnroundedErrorWithStrictBounds) {
    using Case = std::tuple<double, double, std::string, int>;  // trueSize, stima, error and percentage, verdict
    for (const auto& [trueSize, stima, shown, verdict] :
         {Case{1000, 1000, "0 0%", 0}, Case{100000, 104996, "4996 5%", 0}, Case{1000, 1050, "50 5%", 1},
          Case{1000, 950, "-50 5%", 1}, Case{1000, 1100, "100 10%", 2}, Case{1000, 750, "-250 25%", 3},
          Case{1000, 1500, "500 50%", 4}, Case{1000, 1499, "499 49,9%", 3}, Case{3000, 3001, "1 0,03%", 0},
          Case{918, 534600, "533682 58135,29%", 4}}) {
        FakeView view;
        compareWithReal(SimulationState{.trueSize = trueSize, .estimate = stima}, view);
        EXPECT_EQ(view.text(TrueSize) + " " + view.text(Error) + " " + view.text(PercentError), decimalText(trueSize) + " " + shown);
        EXPECT_EQ(view.text(Instructions), kVerdicts[verdict]) << stima << " for " << trueSize;
        EXPECT_TRUE(view.switches.empty());
    }
}

// Every lake of a class code grows from the same seed, drawn in the same order after the reseed.
TEST(ClockRandomSource, GivesEveryStudentAndEveryRestartTheSameLakeAndHauls) {
    auto lakeAndHauls = [](std::uint64_t code, int restarts) {
        FakeView view;
        LakeCodeClock clock(code);
        ClockRandomSource random(clock);
        ExerciseController controller(view, random, [] {});
        for (int i = 0; i <= restarts; ++i) for (Button b : {Restart, CreateLake, CaptureHaul, CaptureHaul}) controller.click(b);
        return controller.state();
    };
    EXPECT_EQ(lakeAndHauls(4242, 0), lakeAndHauls(4242, 1));
    EXPECT_NE(lakeAndHauls(4242, 0).trueSize, lakeAndHauls(4243, 0).trueSize);
}

TEST(ClockRandomSource, DrawsUniformlyOnTheHalfOpenUnitInterval) {
    LakeCodeClock clock(1);
    ClockRandomSource random(clock);
    double sum = 0, largest = 0;
    for (int i = 0; i < 100'000; ++i) {
        const double r = random.draw();
        sum += r;
        largest = std::max(largest, r);
    }
    EXPECT_NEAR(sum / 100'000, 0.5, 0.005);
    EXPECT_TRUE(largest > 0.999 && largest < 1) << largest;
}

int right(const TwipRect& r) { return r.left + r.width; }

// The table's own relations (a twip off by one there would vanish in both views' rounding), its pixels, its tab order.
TEST(Layout, KeepsItsLabelsBesideTheirBoxesAndConvertsBothEdgesToPixels) {
    for (std::size_t f = 1; f < kFieldCount; ++f)  // every label but "Istruzioni" 105 short of its box, 120 lower
        EXPECT_EQ(std::pair(right(kLabels[f].rect) + 105, kLabels[f].rect.top), std::pair(kBoxes[f].rect.left, kBoxes[f].rect.top + 120));
    EXPECT_EQ(toPixels(kClientArea), (PixelRect{0, 0, 451, 427}));
    EXPECT_EQ(toPixels(kButtons[0].rect), (PixelRect{16, 8, 200, 27}));  // 26 2/3 pixels high, rounded
    EXPECT_EQ(toPixels({7, 8, 7, 7}), (PixelRect{0, 1, 1, 0}));       // each edge to its nearest pixel
    int next = 0;
    for (const ControlRef& c : controlsInTabOrder()) {
        const auto kind = c.kind;
        EXPECT_EQ(kind == ControlRef::Kind::Button ? kButtons[c.index].tabIndex
                  : kind == ControlRef::Kind::Box  ? kBoxes[c.index].tabIndex : kLabels[c.index].tabIndex, next++);
    }
    EXPECT_EQ(next, 29) << "every tab index once";
}

TEST(LaunchOptions, TakesAClassLakeCodeAndAScaleAndRefusesAnythingElse) {
    using enum LaunchOptions::Action;
    struct Case { std::vector<std::string_view> args; LaunchOptions::Action action; LakeCode code; double scale = 1; };  // 0: none
    const Case cases[] = {
        {{}, Run, 0}, {{"--lago", "9"}, Run, 9}, {{"--lago=100000"}, Run, 100000}, {{"--help"}, Help, 0},
        {{"--version"}, Version, 0}, {{"--lago", "42", "--help"}, Help, 42}, {{"--lago"}, Refuse, 0},
        {{"--lago", "0"}, Refuse, 0}, {{"--lago=1000000"}, Refuse, 0}, {{"--lago=042"}, Refuse, 0},
        {{"--lago", "+42"}, Refuse, 0}, {{"--lago="}, Refuse, 0}, {{"--lago", "4 2"}, Refuse, 0},
        {{"--lago", "1", "--lago=1"}, Refuse, 0}, {{"-platform", "offscreen"}, Refuse, 0}, {{"--lagoo=1"}, Refuse, 0}, {{"--scalax2"}, Refuse, 0},
        {{"-h"}, Help, 0}, {{"--scala", "2", "--lago=7"}, Run, 7, 2}, {{"--scala=1,5"}, Run, 0, 1.5}, {{"--scala=4.00"}, Run, 0, 4},
        {{"--scala", "0,9"}, Refuse, 0}, {{"--scala=4,01"}, Refuse, 0}, {{"--scala=2,"}, Refuse, 0}, {{"--scala=1,255"}, Refuse, 0}, {{"--scala", "1e0"}, Refuse, 0},
        {{"--scala"}, Refuse, 0}, {{"--scala=2", "--scala=2"}, Refuse, 0},
    };
    for (const auto& [args, action, code, scale] : cases) {
        const LaunchOptions got = parseCommandLine(args);
        const bool refused = got.action == Refuse;  // a refusal says why, in one line, and its values are never used
        EXPECT_EQ(std::tuple(got.action, refused ? 0 : got.lakeCode.value_or(0), refused ? 1 : got.scale,
                             got.refusal.starts_with("ricattura: ") && got.refusal.find('\n') == std::string::npos),
                  std::tuple(action, code, scale, refused)) << (args.empty() ? "" : args[0]);
    }
    EXPECT_NE(parseCommandLine({"--lago", "0042"}).refusal.find("senza zeri iniziali"), std::string::npos);
    EXPECT_NE(parseCommandLine({"--lago"}).refusal.find("manca il codice"), std::string::npos) << "the value is missing";
    EXPECT_EQ(std::string(helpText()).find_first_of("\"'"), std::string::npos) << "straight quotes in --help";
    EXPECT_EQ(windowTitle(std::nullopt), "Stima della popolazione di un lago");
    EXPECT_EQ(windowTitle(37), "Stima della popolazione di un lago – lago della classe 37");
}

// Values the boxes can show (counts, errors, percentages to the hundredth, a fraction a student typed) and what a
// student may type (only the number at the start counts, nothing reads as infinite or "-0"), both under an Italian
// locale such as the window toolkit puts in force, where "," is the decimal point.
TEST(NumberText, WritesAndReadsPlainDecimalsWhateverTheLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "LOCPATH must hold it_IT.UTF-8";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const std::pair<double, std::string> written[] = {
        {0, "0"},    {-0.0, "0"},         {33600, "33600"}, {-2100, "-2100"},           {0.5, "0,5"},
        {0.03, "0,03"}, {0.1 + 0.2, "0,3"}, {6.25, "6,25"}, {32.0 / 3, "10,6666666666667"}, {58135.29, "58135,29"},
        {1e15, "1000000000000000"}, {std::nan(""), "0"},
    };
    for (const auto& [value, text] : written) EXPECT_EQ(decimalText(value), text);
    using namespace std::string_literals;
    const std::pair<std::string, double> read[] = {
        {"", 0}, {"   ", 0}, {"pesci", 0}, {"\r\n\t 3", 3}, {"+7", 7}, {"-12", -12}, {"--5", 0}, {"+-5", 0},
        {"4 2", 4}, {"12,5", 12.5}, {"12.5", 12.5}, {",5", 0.5}, {"1,2,3", 1.2}, {"5.", 5}, {".", 0}, {"1.2.3", 1.2}, {"1e+", 1},
        {"1E-2", 0.01}, {"-.5e1", -5}, {"2.5e1x", 25}, {"-0.0e5", 0}, {"nan", 0}, {"0x10", 0}, {"-1e309", -DBL_MAX},
        {"1e99999999999999999999999", DBL_MAX}, {"-1e-400", 0}, {"0." + std::string(400, '0') + "1e401", 1},
        {std::string(1 << 20, '7'), DBL_MAX}, {"0." + std::string(1 << 20, '0'), 0}, {"3\0" "9"s, 3},
        {"\xEF\xBC\x94\xEF\xBC\x92", 0}, {"20\xF0\x9F\x90\x9F", 20},
    };
    for (const auto& [text, value] : read) {
        const double got = leadingNumber(text);
        EXPECT_DOUBLE_EQ(got, value) << '"' << text.substr(0, 40) << '"';
        EXPECT_FALSE(got == 0 && std::signbit(got)) << "negative zero from \"" << text << '"';
    }
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace ricattura
