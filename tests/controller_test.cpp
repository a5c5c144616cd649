#include "control/exercise_controller.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace ricattura {
namespace {

using testing::FakeView;
using testing::ScriptedRandom;
using Switches = std::vector<FakeView::Switch>;

const std::string kIntro =
    "Per iniziare la simulazione clicca sul bottone in alto a sinistra. Sarà creato un lago ideale e, dentro di "
    "esso, una popolazione di pesci. ";
const double kLastDraw = std::nextafter(1.0, 0.0);
// Close enough to 1 for the top deviation; the very last draw rounds the sum up to a whole 10 %.
const double kNearlyOne = 1 - 1e-9;

class ControllerTest : public ::testing::Test {
protected:
    ControllerTest() : controller(view, random, [this] { ++exits; }) { controller.start(); }

    void createLake(double surface = 40, double productivity = 20, double size = 25, double deviation = 0.75) {
        random.script({testing::surfaceDraw(surface), testing::productivityDraw(productivity),
                       testing::sizeDraw(size), deviation});
        controller.click(Button::Command1);
    }
    void expectFreshExercise() {
        const SimulationState& s = controller.state();
        for (double q : {s.cale, s.ncatturati, s.nmarcati, s.nricatturati, s.ngiamarcati, s.k, s.dimpop, s.stima})
            EXPECT_EQ(q, 0);
        EXPECT_EQ(view.text(Field::Text1), kIntro);
        for (std::size_t f = 1; f < kFieldCount; ++f) EXPECT_EQ(view.texts[f], "") << "Text" << f + 1;
        EXPECT_EQ(view.enabled, kEnabledAtStart);
        for (std::size_t b = 0; b < kButtonCount; ++b)
            EXPECT_EQ(controller.isEnabled(static_cast<Button>(b)), kEnabledAtStart[b]);
    }

    FakeView view;
    ScriptedRandom random;
    int exits = 0;
    ExerciseController controller;
};

TEST_F(ControllerTest, StartsWithTheOpeningTextAndOnlyLakeAndExitEnabled) {
    expectFreshExercise();
    EXPECT_TRUE(view.switches.empty());
}

TEST_F(ControllerTest, CreateLakeFollowsTheWorkedExample) {
    createLake(40, 20, 25, 0.75);
    EXPECT_EQ(controller.state().dimpop, 33600);
    EXPECT_EQ(view.text(Field::Text1),
              "Il lago ha una superficie di 40 ettari, con una produzione media di 20 kg per ettaro della specie in "
              "esame, che ha una taglia media di 25 grammi.\r\nClicca sul bottone 2 per effettuare una cala e "
              "catturare degli individui.");
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(random.unused(), 0U);
    EXPECT_EQ(view.switches, (Switches{{Button::Command2, true}, {Button::Command9, true}, {Button::Command1, false}}));
    for (std::size_t f = 1; f < kFieldCount; ++f) EXPECT_EQ(view.texts[f], "");
    const SimulationState& s = controller.state();
    for (double q : {s.cale, s.ncatturati, s.nmarcati, s.nricatturati, s.ngiamarcati, s.k, s.stima}) EXPECT_EQ(q, 0);
}

struct LakeCase {
    double surfaceDraw, productivityDraw, sizeDraw, deviationDraw;
    std::string surface, productivity, size;
    double dimpop;
};

class LakeBoundsTest : public ControllerTest, public ::testing::WithParamInterface<LakeCase> {};

TEST_P(LakeBoundsTest, DrawsMapOntoTheLakeAndItsPopulation) {
    const LakeCase& c = GetParam();
    random.script({c.surfaceDraw, c.productivityDraw, c.sizeDraw, c.deviationDraw});
    controller.click(Button::Command1);
    EXPECT_EQ(controller.state().dimpop, c.dimpop);
    const std::string& text = view.text(Field::Text1);
    EXPECT_NE(text.find("superficie di " + c.surface + " ettari"), std::string::npos) << text;
    EXPECT_NE(text.find("media di " + c.productivity + " kg"), std::string::npos) << text;
    EXPECT_NE(text.find("taglia media di " + c.size + " grammi."), std::string::npos) << text;
    EXPECT_EQ(text.find("\r\n"), text.rfind("\r\n"));  // exactly one line break
}

INSTANTIATE_TEST_SUITE_P(
    Extremes, LakeBoundsTest,
    ::testing::Values(
        // all draws 0: every parameter at its lowest, deviation exactly -10 %
        LakeCase{0, 0, 0, 0, "10", "5", "10", 4500},
        // the smallest population: 10 x 5 / 49 x 1000 = 1020.41, less 10 %
        LakeCase{0, 0, kLastDraw, 0, "10", "5", "49", 918},
        // the largest: 99 x 54 / 10 x 1000 = 534600, deviation just short of +10 %
        LakeCase{kLastDraw, kLastDraw, 0, kNearlyOne, "99", "54", "10", 588059},
        // r = 0.5 leaves the base population untouched
        LakeCase{0.5, 0.5, 0.5, 0.5, "55", "30", "30", 55000}));

TEST_F(ControllerTest, DisabledButtonsChangeNothingAndEsciEndsTheProgram) {
    for (Button b : {Button::Command2, Button::Command3, Button::Command4, Button::Command5, Button::Command6,
                     Button::Command7, Button::Command9})
        controller.click(b);  // any draw here would fail the scripted source
    EXPECT_TRUE(view.switches.empty());
    expectFreshExercise();
    controller.click(Button::Command8);
    EXPECT_EQ(exits, 1);
}

// Brings the exercise to a given point before restarting it.
enum class Point { AfterLake, AfterCapture, MidRecapture, AfterVerdict };

class RestartTest : public ControllerTest, public ::testing::WithParamInterface<Point> {};

TEST_P(RestartTest, StartsAFreshExercise) {
    createLake();
    if (GetParam() != Point::AfterLake) {
        random.script({testing::haulDraw(100), testing::haulDraw(100)});
        controller.click(Button::Command2);
        controller.click(Button::Command2);
    }
    if (GetParam() == Point::MidRecapture || GetParam() == Point::AfterVerdict) {
        view.type("150");
        controller.click(Button::Command3);
        controller.click(Button::Command4);
        random.script({testing::haulDraw(100), 0.99, testing::haulDraw(100), 0.99});
        controller.click(Button::Command5);
        controller.click(Button::Command5);
    }
    if (GetParam() == Point::AfterVerdict) {
        controller.click(Button::Command6);
        controller.click(Button::Command7);
        ASSERT_NE(view.text(Field::Text9), "");
    }
    ASSERT_TRUE(controller.isEnabled(Button::Command9));
    view.switches.clear();

    controller.click(Button::Command9);
    expectFreshExercise();
    EXPECT_EQ(view.switches,
              (Switches{{Button::Command1, true}, {Button::Command2, false}, {Button::Command3, false},
                        {Button::Command4, false}, {Button::Command5, false}, {Button::Command6, false},
                        {Button::Command7, false}, {Button::Command9, false}}));

    createLake();
    random.script({testing::haulDraw(10)});
    controller.click(Button::Command2);
    EXPECT_EQ(view.text(Field::Text10), "1");
    EXPECT_EQ(view.text(Field::Text2), "10");
    EXPECT_EQ(random.reseeds, 2);
}

INSTANTIATE_TEST_SUITE_P(Points, RestartTest,
                         ::testing::Values(Point::AfterLake, Point::AfterCapture, Point::MidRecapture,
                                           Point::AfterVerdict));

}  // namespace
}  // namespace ricattura
