#include "results/replay.h"

#include "control/exercise_controller.h"
#include "core/number_text.h"
#include "core/seeded_random_source.h"

namespace ricattura {

namespace {

// The window of a replay: it shows nothing, and hands step 3 the number the student marked.
class ReplayView final : public MainView {
public:
    explicit ReplayView(double marked) : typed_(decimalText(marked)) {}
    void setText(Field, const std::string&) override {}
    std::string markInputText() const override { return typed_; }
    void setEnabled(Button, bool) override {}
    void announce(const std::string&) override {}
    void focus(Button) override {}

private:
    std::string typed_;
};

}  // namespace

Replay replayResult(const ResultCode& code) {
    ReplayView view(code.marked);
    FixedSeed seed(code.classCode);
    SeededRandomSource random(seed);
    ExerciseController exercise(view, random, {}, RecaptureRule{code.fishByFish, code.trick});
    exercise.click(Button::CreateLake);
    for (int haul = 0; haul < code.captureHauls; ++haul) exercise.click(Button::CaptureHaul);
    exercise.click(Button::MarkFish);
    if (exercise.state().marked != code.marked)
        return {std::nullopt, "con " + std::to_string(code.captureHauls) + " cale di cattura non si possono marcare " +
                                  decimalText(code.marked) + " pesci"};
    exercise.click(Button::ReleaseMarked);
    for (int at : code.estimatedAt) {
        while (exercise.recaptureHauls() < at && exercise.isEnabled(Button::RecaptureHaul))
            exercise.click(Button::RecaptureHaul);
        if (exercise.recaptureHauls() < at)
            return {std::nullopt, "questo lago non permette " + std::to_string(at) + " cale di ricattura"};
        exercise.click(Button::EstimatePopulation);
        if (!exercise.estimateShown() || exercise.estimateShown()->recaptureHauls != at)
            return {std::nullopt, "dopo " + std::to_string(at) + " cale di ricattura non c’è una stima"};
    }
    return {exercise.estimateShown(), ""};
}

}  // namespace ricattura
