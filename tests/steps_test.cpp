#include "control/exercise_controller.h"
#include "control/number_text.h"
#include "fakes.h"
#include "steps/capture.h"
#include "steps/estimate.h"
#include "steps/recapture.h"
#include "support/hostile_inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace ricattura {
namespace {

using testing::FakeView;
using testing::haulDraw;
using testing::ScriptedRandom;
using Switches = std::vector<FakeView::Switch>;

const std::string kCaptureText =
    "Puoi effettuare più cale cliccando ancora sul bottone 2, finchè non ritieni di aver catturato abbastanza "
    "individui.\r\nQuando ritieni di aver catturato abbastanza individui, puoi modificare il numero di individui da "
    "marcare e procedere a marcarli cliccando il bottone 3.";
const std::string kReleaseText =
    "Trascorso un tempo sufficiente a disperdere gli individui marcati, puoi procedere alle ricatture cliccando sul "
    "bottone 5.";
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

// The whole exercise through the controller, with the draws of the 33600-fish lake.
class ExerciseTest : public ::testing::Test {
protected:
    ExerciseTest() : controller(view, random, [] {}) {
        controller.start();
        random.script({testing::surfaceDraw(40), testing::productivityDraw(20), testing::sizeDraw(25), 0.75});
        controller.click(Button::Command1);
    }
    // Clicks once and checks the draws it took and the buttons it switched, in order.
    void step(Button b, std::initializer_list<double> draws, const Switches& switches) {
        random.script(draws);
        view.switches.clear();
        controller.click(b);
        EXPECT_EQ(random.unused(), 0U) << "fewer draws than scripted";
        EXPECT_EQ(view.switches, switches);
    }
    const SimulationState& s() const { return controller.state(); }

    FakeView view;
    ScriptedRandom random;
    ExerciseController controller;
};

TEST_F(ExerciseTest, PlaysTheWorkedExampleFromLakeToVerdict) {
    for (int haul = 1; haul <= 3; ++haul) {
        view.type("999");  // each haul overwrites whatever was typed
        step(Button::Command2, {haulDraw(100)}, {{Button::Command3, true}});
        EXPECT_EQ(view.text(Field::Text1), kCaptureText);
        EXPECT_EQ(view.text(Field::Text2), std::to_string(100 * haul));
        EXPECT_EQ(view.text(Field::Text3), std::to_string(100 * haul));
        EXPECT_EQ(view.text(Field::Text10), std::to_string(haul));
    }
    step(Button::Command3, {}, {{Button::Command2, false}, {Button::Command4, true}, {Button::Command3, false}});
    EXPECT_EQ(s().nmarcati, 300);
    EXPECT_DOUBLE_EQ(s().k, 300.0 / 33600);
    EXPECT_EQ(view.text(Field::Text1),
              "Una volta marcati 300 individui, puoi procedere a riimetterli nel lago cliccando sul bottone 4.");

    step(Button::Command4, {}, {{Button::Command5, true}, {Button::Command4, false}});
    EXPECT_EQ(view.text(Field::Text1), kReleaseText);

    // Four hauls of 105 at the unperturbed fraction: m grows by about 0.94 a haul.
    double m = 0;
    double k = 300.0 / 33600;
    for (int haul = 1; haul <= 4; ++haul) {
        step(Button::Command5, {haulDraw(105), 0.5}, {{Button::Command6, true}});
        m += 105 * k;
        k = (300 - m) / (33600 - 105.0 * haul);
        EXPECT_DOUBLE_EQ(s().ngiamarcati, m);
        EXPECT_DOUBLE_EQ(s().k, k);
        EXPECT_EQ(view.text(Field::Text1), kRecaptureText);
        EXPECT_EQ(view.text(Field::Text4), std::to_string(105 * haul));
        EXPECT_EQ(view.text(Field::Text5), std::to_string(static_cast<int>(std::floor(m + 0.5))));
        EXPECT_EQ(view.text(Field::Text10), std::to_string(3 + haul));
    }
    ASSERT_EQ(std::floor(m + 0.5), 4);

    step(Button::Command6, {}, {{Button::Command7, true}, {Button::Command6, false}});
    EXPECT_EQ(view.text(Field::Text1), kEstimateText);
    EXPECT_EQ(s().ngiamarcati, 4);
    EXPECT_EQ(s().stima, 31500);
    EXPECT_EQ(view.text(Field::Text6), "31500");

    step(Button::Command7, {}, {});
    EXPECT_EQ(view.text(Field::Text7), "33600");
    EXPECT_EQ(view.text(Field::Text8), "-2100");
    EXPECT_EQ(view.text(Field::Text9), "6.25%");
    EXPECT_EQ(view.text(Field::Text1), kVerdicts[1]);
    step(Button::Command7, {}, {});  // repeatable, same values
    EXPECT_EQ(view.text(Field::Text9), "6.25%");

    // A further haul adds a fraction to the rounded m and brings the estimate back.
    step(Button::Command5, {haulDraw(105), 0.5}, {{Button::Command6, true}});
    EXPECT_GT(s().ngiamarcati, 4);
    EXPECT_LT(s().ngiamarcati, 5);
    step(Button::Command6, {}, {{Button::Command7, true}, {Button::Command6, false}});
    EXPECT_EQ(s().ngiamarcati, std::floor(s().ngiamarcati));
    EXPECT_EQ(s().stima, std::floor(525.0 * 300 / s().ngiamarcati + 0.5));
}

TEST_F(ExerciseTest, EstimateWithoutMarkedRecapturesKeepsEverythingAndWaitsForAnotherHaul) {
    step(Button::Command2, {haulDraw(10)}, {{Button::Command3, true}});
    view.type("10");
    step(Button::Command3, {}, {{Button::Command2, false}, {Button::Command4, true}, {Button::Command3, false}});
    step(Button::Command4, {}, {{Button::Command5, true}, {Button::Command4, false}});
    // 10 marked among 33600: a haul of 50 at r = 0.9 adds 50 x 1.8 x 10/33600, about 0.03.
    step(Button::Command5, {haulDraw(50), 0.9}, {{Button::Command6, true}});
    const SimulationState before = s();
    ASSERT_GT(before.ngiamarcati, 0);
    EXPECT_EQ(view.text(Field::Text5), "0");

    step(Button::Command6, {}, {{Button::Command6, false}});
    EXPECT_EQ(view.text(Field::Text1), kNoEstimateText);
    EXPECT_EQ(s().ngiamarcati, before.ngiamarcati);
    EXPECT_EQ(s().stima, 0);
    EXPECT_EQ(view.text(Field::Text6), "");
    EXPECT_FALSE(controller.isEnabled(Button::Command7));

    step(Button::Command5, {haulDraw(50), 0.9}, {{Button::Command6, true}});
    EXPECT_GT(s().ngiamarcati, before.ngiamarcati);
}

TEST(EstimateStep, FailedEstimateLeavesAnEarlierOneStanding) {
    FakeView view;
    view.setText(Field::Text6, "500");
    SimulationState state{.nmarcati = 50, .nricatturati = 300, .ngiamarcati = 0.49, .dimpop = 1000, .stima = 500};
    estimatePopulation(state, view);
    EXPECT_EQ(view.text(Field::Text1), kNoEstimateText);
    EXPECT_EQ(state.stima, 500);
    EXPECT_EQ(state.ngiamarcati, 0.49);
    EXPECT_EQ(view.text(Field::Text6), "500");
    EXPECT_EQ(view.switches, (Switches{{Button::Command6, false}}));
}

TEST(MarkFishStep, KeepsAnyTypedChoiceBetweenTenAndTheCatch) {
    for (const testing::HostileInput& input : testing::hostileInputs()) {
        SCOPED_TRACE(input.label);
        FakeView view;
        SimulationState state{.ncatturati = testing::kCatchForHostileInputs, .dimpop = 2000};
        view.type(input.text);
        markFish(state, view);
        EXPECT_EQ(state.nmarcati, input.markedOf150);
        const std::string shown = fieldText(input.markedOf150);
        EXPECT_EQ(view.text(Field::Text3), shown);
        EXPECT_DOUBLE_EQ(state.k, input.markedOf150 / 2000);
        EXPECT_EQ(view.text(Field::Text1),
                  "Una volta marcati " + shown + " individui, puoi procedere a riimetterli nel lago cliccando sul bottone 4.");
    }
}

struct GuardCase {
    double before;
    double haul;
    bool stillEnabled;
};

class ExhaustionGuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(ExhaustionGuardTest, StopsRecaptureBeforeTheLakeCouldEmpty) {
    FakeView view;
    view.setEnabled(Button::Command5, true);
    view.switches.clear();
    SimulationState state{.nmarcati = 100, .nricatturati = GetParam().before, .dimpop = 1000};
    state.k = 0.1;
    ScriptedRandom random{haulDraw(GetParam().haul), 0.5};
    recaptureHaul(state, view, random);
    EXPECT_EQ(view.isEnabled(Button::Command5), GetParam().stillEnabled);
    EXPECT_GE(state.dimpop - state.nricatturati, 1);
}

INSTANTIATE_TEST_SUITE_P(Boundary, ExhaustionGuardTest,
                         ::testing::Values(GuardCase{800, 90, true}, GuardCase{800, 91, false},
                                           GuardCase{781, 109, true}, GuardCase{782, 109, false}));

TEST(RecaptureStep, ZeroDrawAddsNoMarkedFishAndLeavesEstimateOff) {
    FakeView view;
    SimulationState state{.nmarcati = 100, .dimpop = 1000};
    state.k = 0.1;
    ScriptedRandom random{haulDraw(50), 0.0};
    recaptureHaul(state, view, random);
    EXPECT_EQ(state.ngiamarcati, 0);
    EXPECT_FALSE(view.isEnabled(Button::Command6));
    EXPECT_EQ(view.text(Field::Text5), "0");
}

struct VerdictCase {
    double dimpop, stima;
    std::string shownError, shownPercent;
    int verdict;
};

class VerdictTest : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictTest, GradesTheUnroundedErrorWithStrictBounds) {
    const VerdictCase& c = GetParam();
    FakeView view;
    const SimulationState state{.dimpop = c.dimpop, .stima = c.stima};
    compareWithReal(state, view);
    EXPECT_EQ(view.text(Field::Text8), c.shownError);
    EXPECT_EQ(view.text(Field::Text9), c.shownPercent);
    EXPECT_EQ(view.text(Field::Text1), kVerdicts[c.verdict]);
    EXPECT_TRUE(view.switches.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, VerdictTest,
    ::testing::Values(VerdictCase{1000, 1000, "0", "0%", 0}, VerdictCase{100000, 104996, "4996", "5%", 0},
                      VerdictCase{1000, 1050, "50", "5%", 1}, VerdictCase{1000, 950, "-50", "5%", 1},
                      VerdictCase{1000, 1100, "100", "10%", 2}, VerdictCase{1000, 750, "-250", "25%", 3},
                      VerdictCase{1000, 1500, "500", "50%", 4}, VerdictCase{1000, 1499, "499", "49.9%", 3},
                      VerdictCase{3000, 3001, "1", "0.03%", 0}, VerdictCase{918, 534600, "533682", "58135.29%", 4}));

}  // namespace
}  // namespace ricattura
