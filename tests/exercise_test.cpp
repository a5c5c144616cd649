// Catches wrong arithmetic, texts, draw order or button switching in the seven steps, start-up and Riparti.
#include "control/exercise_controller.h"
#include "core/clock_random_source.h"
#include "core/number_text.h"
#include "doubles.h"
#include "steps/capture.h"
#include "steps/estimate.h"
#include "steps/recapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace ricattura {
namespace {

using enum Button;
using enum Field;
using testing::FakeView;
using testing::haulDraw;
using testing::ScriptedRandom;
using Switches = std::vector<FakeView::Switch>;

const std::string kIntro =
    "Per iniziare la simulazione clicca sul bottone in alto a sinistra. Sarà creato un lago ideale e, dentro di "
    "esso, una popolazione di pesci. ";
const std::string kCaptureText =
    "Puoi effettuare più cale cliccando ancora sul bottone 2, finchè non ritieni di aver catturato abbastanza "
    "individui.\r\nQuando ritieni di aver catturato abbastanza individui, puoi modificare il numero di individui da "
    "marcare e procedere a marcarli cliccando il bottone 3.";
const std::string kRecaptureText =
    "Anche in questo caso puoi effettuare più cale cliccando ancora sul bottone 5.\r\npuoi ottenere una stima del "
    "numero totale presente nel lago sapendo che il rapporto fra marcati e totale è teoricamente uguale a quello fra "
    "i ricatturati marcati ed il totale dei ricatturati.\r\nPer effettuare questo calcolo clicca sul bottone 6.";
const std::string kEstimateText =
    "Il numero totale di individui è stato stimato come:\r\n\r\nn x M / m\r\n\r\ndove n sono i ricatturati, M il "
    "totale dei marcati ed m i ricatturati marcati.\r\nSe vuoi conoscere il valore reale, clicca sul bottone 7.";
const std::string kNoEstimateText =
    "Tra i pesci ricatturati non ci sono ancora individui marcati: la stima non si può calcolare.\r\nEffettua altre "
    "cale cliccando sul bottone 5, oppure clicca su Riparti per ricominciare.";
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
        controller.click(b);
        EXPECT_EQ(random.unused(), 0U) << "fewer draws than scripted";
        EXPECT_EQ(random.overdrawn, 0) << "more draws than scripted";
        EXPECT_EQ(view.switches, switches);
    }
    void createLake() { step(Command1, testing::lakeDraws(40, 20, 25, 0.75), {{Command2, true}, {Command9, true}, {Command1, false}}); }
    void expectFreshExercise() {
        EXPECT_EQ(controller.state(), SimulationState{});
        EXPECT_EQ(view.text(Text1), kIntro);
        for (std::size_t f = 1; f < kFieldCount; ++f) EXPECT_EQ(view.texts[f], "") << "Text" << f + 1;
        EXPECT_EQ(view.enabled, enabledAtStart());
        for (std::size_t b = 0; b < kButtonCount; ++b) EXPECT_EQ(controller.isEnabled(Button(b)), view.enabled[b]);
    }
    const SimulationState& s() const { return controller.state(); }

    FakeView view;
    ScriptedRandom random;
    int exits = 0;
    ExerciseController controller;
};

TEST_F(ExerciseTest, PlaysTheWorkedExampleFromLakeToVerdict) {
    createLake();
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(s(), (SimulationState{.dimpop = 33600}));
    EXPECT_EQ(view.text(Text1),
              "Il lago ha una superficie di 40 ettari, con una produzione media di 20 kg per ettaro della specie in "
              "esame, che ha una taglia media di 25 grammi.\r\nClicca sul bottone 2 per effettuare una cala e "
              "catturare degli individui.");
    for (int haul = 1; haul <= 3; ++haul) {
        view.type("999");  // each haul overwrites whatever was typed
        step(Command2, {haulDraw(100)}, {{Command3, true}});
        EXPECT_EQ(view.text(Text1), kCaptureText);
        for (Field f : {Text2, Text3}) EXPECT_EQ(view.text(f), std::to_string(100 * haul));
        EXPECT_EQ(view.text(Text10), std::to_string(haul));
    }
    step(Command3, {}, {{Command2, false}, {Command4, true}, {Command3, false}});
    EXPECT_EQ(view.text(Text1), "Una volta marcati 300 individui, puoi procedere a riimetterli nel lago cliccando sul bottone 4.");
    step(Command4, {}, {{Command5, true}, {Command4, false}});
    EXPECT_EQ(view.text(Text1), "Trascorso un tempo sufficiente a disperdere gli individui marcati, puoi procedere alle "
                                "ricatture cliccando sul bottone 5.");

    // Perturbed hauls: the marked share is 2 r k, and k follows the fish left in the lake.
    double m = 0;
    double k = 300.0 / 33600;
    const double marks[] = {0.3, 0.7, 0.6, 0.4};
    for (int haul = 1; haul <= 4; ++haul) {
        const double r = marks[haul - 1];
        step(Command5, {haulDraw(105), r}, {{Command6, true}});
        m += 105 * (2 * r * k);
        k = (300 - m) / (33600 - 105.0 * haul);
        EXPECT_DOUBLE_EQ(s().ngiamarcati, m);
        EXPECT_DOUBLE_EQ(s().k, k);
        EXPECT_EQ(view.text(Text1), kRecaptureText);
        EXPECT_EQ(view.text(Text4), std::to_string(105 * haul));
        EXPECT_EQ(view.text(Text5), std::to_string(static_cast<int>(std::floor(m + 0.5))));
        EXPECT_EQ(view.text(Text10), std::to_string(3 + haul));
    }
    step(Command6, {}, {{Command7, true}, {Command6, false}});
    EXPECT_EQ(view.text(Text1), kEstimateText);
    EXPECT_EQ(s().ngiamarcati, 4);
    EXPECT_EQ(view.text(Text6), "31500");
    for (int twice = 0; twice < 2; ++twice) {
        step(Command7, {}, {});
        EXPECT_EQ(view.text(Text7), "33600");
        EXPECT_EQ(view.text(Text8), "-2100");
        EXPECT_EQ(view.text(Text9), "6.25%");
        EXPECT_EQ(view.text(Text1), kVerdicts[1]);
    }
    // A further haul adds a fraction to the rounded m and brings the estimate back.
    step(Command5, {haulDraw(105), 0.5}, {{Command6, true}});
    EXPECT_GT(s().ngiamarcati, 4);
    step(Command6, {}, {{Command7, true}, {Command6, false}});
    EXPECT_EQ(s().stima, std::floor(525.0 * 300 / s().ngiamarcati + 0.5));
}

TEST_F(ExerciseTest, DrawsMapOntoTheLakeAndItsPopulation) {
    const double last = std::nextafter(1.0, 0.0);
    const std::pair<std::vector<double>, double> cases[] = {
        {{0, 0, 0, 0}, 4500},                  // every parameter lowest, deviation -10 %
        {{0, 0, last, 0}, 918},                // the smallest population
        {{last, last, 0, 1 - 1e-9}, 588059},   // the largest, deviation just short of +10 %
        {{0.5, 0.5, 0.5, 0.5}, 55000},         // r = 0.5 leaves the base untouched
    };
    for (const auto& [draws, dimpop] : cases) {
        controller.click(Command9);
        step(Command1, draws, {{Command2, true}, {Command9, true}, {Command1, false}});
        EXPECT_EQ(s().dimpop, dimpop);
    }
}

TEST_F(ExerciseTest, StartsWithOnlyLakeAndExitAndIgnoresDisabledButtons) {
    expectFreshExercise();
    for (Button b : {Command2, Command3, Command4, Command5, Command6, Command7, Command9}) step(b, {}, {});
    expectFreshExercise();
    controller.click(Command8);
    EXPECT_EQ(exits, 1);
}

TEST_F(ExerciseTest, RiparteAfterAVerdictStartsAFreshExercise) {
    createLake();
    step(Command2, {haulDraw(100)}, {{Command3, true}});
    for (Button b : {Command3, Command4}) controller.click(b);
    step(Command5, {haulDraw(100), 0.99}, {{Command6, true}});
    for (Button b : {Command6, Command7}) controller.click(b);
    step(Command9, {}, {{Command1, true}, {Command2, false}, {Command3, false}, {Command4, false}, {Command5, false},
                        {Command6, false}, {Command7, false}, {Command9, false}});
    expectFreshExercise();
    createLake();
    step(Command2, {haulDraw(10)}, {{Command3, true}});
    EXPECT_EQ(view.text(Text10), "1");
}

TEST(MarkFish, KeepsTheTypedChoiceBetweenTenAndTheCatch) {
    const std::pair<std::string, double> cases[] = {
        {"", 10},      {"pesci", 10},     {"-40", 10},   {"0", 10},     {"151", 150}, {"42.5", 42.5},
        {"9.5", 10},   {"12,5 pesci", 12}, {"1e309", 150}, {"  42", 42}, {"150", 150}, {"10", 10},
    };
    for (const auto& [typed, marked] : cases) {
        FakeView view;
        SimulationState state{.ncatturati = 150, .dimpop = 2000};
        view.type(typed);
        markFish(state, view);
        EXPECT_EQ(state.nmarcati, marked) << typed;
        EXPECT_EQ(state.k, marked / 2000) << typed;
        EXPECT_EQ(view.text(Text3), decimalText(marked));
        EXPECT_EQ(view.text(Text1), "Una volta marcati " + decimalText(marked) +
                                        " individui, puoi procedere a riimetterli nel lago cliccando sul bottone 4.");
        EXPECT_EQ(view.switches, (Switches{{Command2, false}, {Command4, true}, {Command3, false}}));
    }
}

TEST(RecaptureHaul, StopsBeforeTheLakeCouldEmptyAndOffersAnEstimateOnceMarkedFishCameUp) {
    struct Case {
        double before, haul, r;
        bool recaptureStays, estimateOffered;
    };
    for (const Case& c : {Case{800, 90, 0.5, true, true}, Case{800, 91, 0.5, false, true}, Case{781, 109, 0.5, true, true},
                          Case{782, 109, 0.5, false, true}, Case{0, 50, 0, true, false}}) {
        FakeView view;
        view.enabled[indexOf(Command5)] = true;
        SimulationState state{.nmarcati = 100, .nricatturati = c.before, .k = 0.1, .dimpop = 1000};
        ScriptedRandom random;
        random.script({haulDraw(c.haul), c.r});
        recaptureHaul(state, view, random);
        EXPECT_EQ(view.enabled[indexOf(Command5)], c.recaptureStays) << c.before << " + " << c.haul;
        EXPECT_EQ(view.enabled[indexOf(Command6)], c.estimateOffered) << c.before << " + " << c.haul;
        EXPECT_DOUBLE_EQ(state.ngiamarcati, c.haul * 2 * c.r * 0.1);
        EXPECT_EQ(view.text(Text5), decimalText(std::floor(state.ngiamarcati + 0.5)));
    }
}

TEST(EstimatePopulation, RoundsMAndTheEstimateHalfUpAndRefusesWithoutMarkedFish) {
    struct Case {
        double n, M, m;
        double stima;  // 0: no estimate can be made
    };
    for (const Case& c : {Case{420, 300, 3.6, 31500}, Case{100, 50, 0.5, 5000}, Case{100, 50, 0.49, 0},
                          Case{100, 10, 3, 333}, Case{100, 50, 3, 1667}, Case{5, 1, 2, 3}}) {
        FakeView view;
        view.setText(Text6, "500");  // an earlier estimate
        view.switches.clear();
        const SimulationState before{.nmarcati = c.M, .nricatturati = c.n, .ngiamarcati = c.m, .dimpop = 1000, .stima = 500};
        SimulationState state = before;
        estimatePopulation(state, view);
        if (c.stima == 0) {
            EXPECT_EQ(state, before);
            EXPECT_EQ(view.text(Text1), kNoEstimateText);
            EXPECT_EQ(view.text(Text6), "500");
            EXPECT_EQ(view.switches, (Switches{{Command6, false}}));
            continue;
        }
        EXPECT_EQ(state.ngiamarcati, std::floor(c.m + 0.5));
        EXPECT_EQ(state.stima, c.stima) << c.n << " x " << c.M << " / " << c.m;
        EXPECT_EQ(view.text(Text6), decimalText(c.stima));
        EXPECT_EQ(view.text(Text1), kEstimateText);
        EXPECT_EQ(view.switches, (Switches{{Command7, true}, {Command6, false}}));
    }
}

TEST(CompareWithReal, GradesTheUnroundedErrorWithStrictBounds) {
    struct Case {
        double dimpop, stima;
        std::string error, percent;
        int verdict;
    };
    for (const Case& c : {Case{1000, 1000, "0", "0%", 0}, Case{100000, 104996, "4996", "5%", 0}, Case{1000, 1050, "50", "5%", 1},
                          Case{1000, 950, "-50", "5%", 1}, Case{1000, 1100, "100", "10%", 2}, Case{1000, 750, "-250", "25%", 3},
                          Case{1000, 1500, "500", "50%", 4}, Case{1000, 1499, "499", "49.9%", 3},
                          Case{3000, 3001, "1", "0.03%", 0}, Case{918, 534600, "533682", "58135.29%", 4}}) {
        FakeView view;
        compareWithReal(SimulationState{.dimpop = c.dimpop, .stima = c.stima}, view);
        EXPECT_EQ(view.text(Text7), decimalText(c.dimpop));
        EXPECT_EQ(view.text(Text8), c.error);
        EXPECT_EQ(view.text(Text9), c.percent);
        EXPECT_EQ(view.text(Text1), kVerdicts[c.verdict]) << c.stima << " for " << c.dimpop;
        EXPECT_TRUE(view.switches.empty());
    }
}

// Plays a lake and two hauls under a class lake code and returns every text shown.
std::vector<std::string> playUnderCode(std::uint64_t code, bool restartFirst) {
    FakeView view;
    LakeCodeClock clock(code);
    ClockRandomSource random(clock);
    ExerciseController controller(view, random, [] {});
    controller.start();
    if (restartFirst) {
        controller.click(Command1);
        controller.click(Command2);
        controller.click(Command9);
    }
    std::vector<std::string> shown;
    for (Button b : {Command1, Command2, Command2}) {
        controller.click(b);
        shown.insert(shown.end(), view.texts.begin(), view.texts.end());
    }
    return shown;
}

TEST(ClassLakeCode, GivesEveryStudentAndEveryRestartTheSameLakeAndHauls) {
    EXPECT_EQ(playUnderCode(4242, false), playUnderCode(4242, true));
    EXPECT_NE(playUnderCode(4242, false)[0], playUnderCode(4243, false)[0]);
}

TEST(ClockRandomSource, DrawsAreUniformOnTheHalfOpenUnitInterval) {
    LakeCodeClock clock(1);
    ClockRandomSource random(clock);
    constexpr int kDraws = 100'000;
    std::array<int, 10> bins{};
    for (int i = 0; i < kDraws; ++i) {
        const double r = random.draw();
        ASSERT_TRUE(r >= 0 && r < 1) << r;
        ++bins[static_cast<std::size_t>(r * 10)];
    }
    for (int count : bins) EXPECT_NEAR(count, kDraws / 10, kDraws / 200);  // within 5 %
}

}  // namespace
}  // namespace ricattura
