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
    // Text3 may hold what the student typed rather than what was last written: only a rewrite counts.
    const std::string words = announcementFor(before, view_.texts());
    if (!words.empty()) view_.announce(words);
}

void ExerciseController::dispatch(Button button) {
    switch (button) {
        case Button::Command1:
            recaptureHauls_ = 0;
            createLake(state_, view_, random_);
            break;
        case Button::Command2: captureHaul(state_, view_, random_); break;
        case Button::Command3: markFish(state_, view_); break;
        case Button::Command4: releaseMarked(view_); break;
        case Button::Command5:
            ++recaptureHauls_;
            recaptureHaul(state_, view_, random_);
            break;
        case Button::Command6: estimatePopulation(state_, view_); break;
        case Button::Command7: compareWithReal(state_, view_); break;
        case Button::Command8:
            if (exit_) exit_();
            break;
        case Button::Command9: restart(); break;
    }
}

void ExerciseController::showIntro() { view_.setText(Field::Text1, kIntroText); }

void ExerciseController::restart() {
    state_ = SimulationState{};
    view_.setEnabled(Button::Command1, true);
    for (Button off : {Button::Command2, Button::Command3, Button::Command4, Button::Command5, Button::Command6,
                       Button::Command7, Button::Command9})
        view_.setEnabled(off, false);
    for (Field emptied : {Field::Text2, Field::Text3, Field::Text4, Field::Text5, Field::Text6, Field::Text7,
                          Field::Text8, Field::Text9, Field::Text10})
        view_.setText(emptied, "");
    showIntro();
}

}  // namespace ricattura
