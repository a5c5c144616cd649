// Catches a controller that runs the wrong step, switches buttons in the wrong order, speaks the wrong words,
// restarts incompletely or lets a disabled button act.
#include "control/exercise_controller.h"
#include "core/seeded_random_source.h"
#include "doubles.h"
#include "steps/guidance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ricattura {
namespace {

using enum Button;
using enum Field;
using testing::FakeView;
using testing::haulDraw;
using Switches = std::vector<FakeView::Switch>;

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
    void expectFreshExercise() {
        EXPECT_EQ(s(), SimulationState{});
        EXPECT_EQ(view.texts, (FieldTexts{std::string(guidance::kIntro)}));
        EXPECT_EQ(view.enabled, enabledAtStart());
        EXPECT_EQ(std::pair(controller.recaptureHauls(), controller.compared()), std::pair(0, false));
    }
    const SimulationState& s() const { return controller.state(); }

    FakeView view;
    testing::ScriptedRandom random;
    int exits = 0;
    ExerciseController controller;
};

// The worked exercise: lake 33600, three hauls of 100, 300 marked, four recapture hauls of 105, estimate 31500.
TEST_F(ExerciseTest, PlaysTheWorkedExampleFromLakeToVerdictThenRestartsAndEnds) {
    expectFreshExercise();
    step(CreateLake, testing::lakeDraws(40, 20, 25, 0.75), {{CaptureHaul, true}, {Restart, true}, {CreateLake, false}});
    for (int haul = 1; haul <= 3; ++haul) {
        step(CaptureHaul, {haulDraw(100)}, {{MarkFish, true}});
        const std::string caught = std::to_string(100 * haul);
        // Spoken: the instructions only when they change, then each count box rewritten, with its caption.
        EXPECT_EQ(view.announced,
                  (haul == 1 ? "Puoi effettuare più cale cliccando ancora sul bottone 2, finchè non "
                               "ritieni di aver catturato abbastanza individui. Quando ritieni di aver "
                               "catturato abbastanza individui, puoi modificare il numero di individui da "
                               "marcare e procedere a marcarli cliccando il bottone 3. "
                             : std::string()) +
                      "Individui catturati: " + caught + ". Individui da marcare: " + caught +
                      ". Numero di cale: " + std::to_string(haul) + ".");
    }
    step(MarkFish, {}, {{CaptureHaul, false}, {ReleaseMarked, true}, {MarkFish, false}});
    step(ReleaseMarked, {}, {{RecaptureHaul, true}, {ReleaseMarked, false}});
    for (double r : {0.3, 0.7, 0.6, 0.4}) step(RecaptureHaul, {haulDraw(105), r}, {{EstimatePopulation, true}});
    EXPECT_EQ(controller.recaptureHauls(), 4);
    EXPECT_EQ(view.text(Hauls), "7");
    EXPECT_EQ(view.text(MarkedRecaptured), "4") << decimalText(s().markedRecaptured);
    step(EstimatePopulation, {}, {{Compare, true}, {EstimatePopulation, false}});
    EXPECT_EQ(view.text(Estimate), "31500");  // 420 x 300 / 4
    EXPECT_FALSE(controller.compared());
    step(Compare, {}, {});
    EXPECT_TRUE(controller.compared());
    EXPECT_EQ(view.announced,
              std::string(guidance::kVerdicts[1]) + " Numero reale: 33600. Errore: -2100. Errore percentuale: 6,25%.");
    step(Compare, {}, {});
    EXPECT_EQ(view.announced, "") << "nothing changed, nothing to say";

    step(Restart, {},
         {{CreateLake, true},
          {CaptureHaul, false},
          {MarkFish, false},
          {ReleaseMarked, false},
          {RecaptureHaul, false},
          {EstimatePopulation, false},
          {Compare, false},
          {Restart, false}});
    expectFreshExercise();
    EXPECT_EQ(view.announced, guidance::kIntro.substr(0, guidance::kIntro.size() - 1));
    controller.click(Exit);
    EXPECT_EQ(exits, 1);
}

// Every lake of a class code grows from the same seed, and every restart brings the same lake and hauls back.
TEST(ClassCode, GivesEveryStudentAndEveryRestartTheSameLakeAndHauls) {
    auto lakeAndHauls = [](std::uint64_t code, int restarts) {
        FakeView view;
        FixedSeed seed(code);
        SeededRandomSource random(seed);
        ExerciseController controller(view, random, [] {});
        for (int i = 0; i <= restarts; ++i)
            for (Button b : {Restart, CreateLake, CaptureHaul, CaptureHaul}) controller.click(b);
        return controller.state();
    };
    EXPECT_EQ(lakeAndHauls(4242, 0), lakeAndHauls(4242, 1));
    EXPECT_NE(lakeAndHauls(4242, 0).trueSize, lakeAndHauls(4243, 0).trueSize);
}

}  // namespace
}  // namespace ricattura
