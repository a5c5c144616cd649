// Catches a controller that runs the wrong step, switches buttons in the wrong order, speaks the wrong words,
// restarts incompletely or lets a disabled button act.
#include "control/exercise_controller.h"
#include "core/seeded_random_source.h"
#include "doubles.h"
#include "steps/guidance.h"

#include <gtest/gtest.h>

#include <tuple>

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
        EXPECT_EQ(std::tuple(controller.recaptureHauls(), controller.compared(), controller.hauls().size(),
                             controller.estimateShown()),
                  std::tuple(0, false, 0U, std::nullopt));
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
    EXPECT_EQ(std::tuple(s(), random.reseeds, view.text(TrueSize)),
              std::tuple(SimulationState{.trueSize = 33600}, 1, ""))
        << "a lake grows from a fresh seed and hides its population";
    for (int haul = 1; haul <= 3; ++haul) {
        view.type("999");  // each haul overwrites whatever was typed
        step(CaptureHaul, {haulDraw(100)}, {{MarkFish, true}});
        const std::string caught = std::to_string(100 * haul);
        EXPECT_EQ(std::pair(view.text(Caught), view.text(ToMark)), std::pair(caught, caught));
    }
    step(MarkFish, {}, {{CaptureHaul, false}, {ReleaseMarked, true}, {MarkFish, false}});
    step(ReleaseMarked, {}, {{RecaptureHaul, true}, {ReleaseMarked, false}});
    for (double r : {0.3, 0.7, 0.6, 0.4}) step(RecaptureHaul, {haulDraw(105), r}, {{EstimatePopulation, true}});
    EXPECT_EQ(controller.recaptureHauls(), 4);
    EXPECT_EQ(view.text(Hauls), "7");
    EXPECT_EQ(view.text(MarkedRecaptured), "4") << decimalText(s().markedRecaptured);
    EXPECT_FALSE(controller.estimateShown());
    step(EstimatePopulation, {}, {{Compare, true}, {EstimatePopulation, false}});
    EXPECT_EQ(view.focused, Compare) << "on to step 7, not back to the hauls";
    EXPECT_EQ(std::ranges::count(controller.hauls(), true, &HaulRecord::recapture), 4) << "hauls logged by kind";
    EXPECT_EQ(view.text(Estimate), "31500");  // 420 x 300 / 4
    EXPECT_EQ(controller.estimateShown(), (EstimateMade{s(), 4, {}}));
    EXPECT_FALSE(controller.compared());
    step(Compare, {}, {});
    EXPECT_TRUE(controller.compared());
    EXPECT_EQ(view.announced,
              "Non male! La stima ottenuta è accurata. Numero reale 33600. Errore -2100. Errore "
              "percentuale 6,25 per cento.");
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
    EXPECT_EQ(view.focused, CreateLake);
    EXPECT_EQ(view.announced,
              "Per iniziare la simulazione premi il bottone 1, Crea un lago. Sarà creato un lago ideale e, "
              "dentro di esso, una popolazione di pesci.");
    controller.click(Exit);
    EXPECT_EQ(exits, 1);
}

// With a trick the page asks a prediction: step 6 stays off until the answer, which hands the keyboard to the hauls.
TEST(Prediction, HoldsStepSixUntilTheStudentAnswers) {
    FakeView view;
    FixedSeed seed(119);
    SeededRandomSource random(seed);
    ExerciseController exercise(view, random, {}, {true, Trick::LostMarks});
    exercise.askPrediction();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round ? "after Riparti" : "the first exercise");
        for (Button b : {CreateLake, CaptureHaul, CaptureHaul, CaptureHaul, MarkFish}) exercise.click(b);
        EXPECT_FALSE(exercise.awaitingPrediction());
        exercise.predict(Prediction::TooLow);  // too early: nothing to answer yet
        exercise.click(ReleaseMarked);
        for (int haul = 0; haul < 10; ++haul) exercise.click(RecaptureHaul);
        EXPECT_GT(exercise.state().markedRecaptured, 0);
        EXPECT_TRUE(exercise.awaitingPrediction() && !view.enabled[indexOf(EstimatePopulation)] &&
                    !exercise.isEnabled(EstimatePopulation));
        exercise.predict(Prediction::TooHigh);
        EXPECT_EQ(std::tuple(exercise.prediction(), view.enabled[indexOf(EstimatePopulation)], view.focused),
                  std::tuple(Prediction::TooHigh, true, RecaptureHaul));
        exercise.click(Restart);
    }
}

// After a click: the instructions when they changed, on one line and as said, then each count box rewritten, by the
// name a screen reader gives it.
TEST(Announcement, SpeaksWhatAClickChangedInReadingOrder) {
    // clang-format off
    struct Row { const char* name; FieldTexts before, after; std::string words; };
    const Row rows[] = {
        {"nothing changed", {"Istruzioni.", "5"}, {"Istruzioni.", "5"}, ""},
        {"instructions on one line", {"a"}, {"Prima riga.\r\n\r\nSeconda  riga. "}, "Prima riga. Seconda riga."},
        {"counts by their names", {"x", "1", "1"}, {"x", "245", "245", "", "", "", "", "", "", "3"},
         "Individui catturati nella cattura 245. Individui da marcare 245. Numero di cale 3."},
        {"the recapture's names", {"x"}, {"x", "", "", "103", "2"},
         "Individui catturati nella ricattura 103. Individui marcati tra i ricatturati 2."},
        {"emptied boxes say nothing", {"a", "9", "9"}, {"b"}, "b"},
        {"the formula in words", {}, {"stimato come:\r\n\r\nn x M / m\r\n"}, "stimato come: n per M diviso m"},
        {"old apostrophes", {}, {"E' piu' così"}, "È più così"}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(announcementFor(row.before, row.after), row.words);
    }
}

}  // namespace
}  // namespace ricattura
