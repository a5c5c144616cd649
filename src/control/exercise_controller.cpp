#include "control/exercise_controller.h"

#include "core/layout.h"

#include "steps/capture.h"
#include "steps/estimate.h"
#include "steps/lake_creation.h"
#include "steps/recapture.h"

#include <utility>

namespace ricattura {

namespace {

constexpr const char* kIntroText =
    "Per iniziare la simulazione clicca sul bottone in alto a sinistra. "
    "Sarà creato un lago ideale e, dentro di esso, una popolazione di pesci. ";

}  // namespace

ExerciseController::ViewMirror::ViewMirror(MainView& view) : view_(view), flags_(enabledAtStart()) {}

void ExerciseController::ViewMirror::setText(Field field, const std::string& text) {
    view_.setText(field, text);
    texts_[indexOf(field)] = text;
}

std::string ExerciseController::ViewMirror::markInputText() const { return view_.markInputText(); }

void ExerciseController::ViewMirror::setEnabled(Button button, bool enabled) {
    view_.setEnabled(button, enabled);
    flags_[indexOf(button)] = enabled;
}

void ExerciseController::ViewMirror::announce(const std::string& words) { view_.announce(words); }

ExerciseController::ExerciseController(MainView& view, RandomSource& random, ExitRequest exit)
    : view_(view), random_(random), exit_(std::move(exit)) {}

void ExerciseController::start() { showIntro(); }

void ExerciseController::click(Button button) {
    if (!view_.isEnabled(button)) return;
    const FieldTexts before = view_.texts();
    dispatch(button);
    // ToMark may hold what the student typed rather than what was last written: only a rewrite counts.
    const std::string words = announcementFor(before, view_.texts());
    if (!words.empty()) view_.announce(words);
}

void ExerciseController::dispatch(Button button) {
    switch (button) {
        case Button::CreateLake:
            recaptureHauls_ = 0;
            createLake(state_, view_, random_);
            break;
        case Button::CaptureHaul: captureHaul(state_, view_, random_); break;
        case Button::MarkFish: markFish(state_, view_); break;
        case Button::ReleaseMarked: releaseMarked(view_); break;
        case Button::RecaptureHaul:
            ++recaptureHauls_;
            recaptureHaul(state_, view_, random_);
            break;
        case Button::EstimatePopulation: estimatePopulation(state_, view_); break;
        case Button::Compare: compareWithReal(state_, view_); break;
        case Button::Exit:
            if (exit_) exit_();
            break;
        case Button::Restart: restart(); break;
    }
}

void ExerciseController::showIntro() { view_.setText(Field::Instructions, kIntroText); }

void ExerciseController::restart() {
    state_ = SimulationState{};
    view_.setEnabled(Button::CreateLake, true);
    for (Button off : {Button::CaptureHaul, Button::MarkFish, Button::ReleaseMarked, Button::RecaptureHaul, Button::EstimatePopulation,
                       Button::Compare, Button::Restart})
        view_.setEnabled(off, false);
    for (Field emptied : {Field::Caught, Field::ToMark, Field::Recaptured, Field::MarkedRecaptured, Field::Estimate, Field::TrueSize,
                          Field::Error, Field::PercentError, Field::Hauls})
        view_.setText(emptied, "");
    showIntro();
}

}  // namespace ricattura
