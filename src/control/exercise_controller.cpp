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

ExerciseController::EnabledMirror::EnabledMirror(MainView& view) : view_(view), flags_(enabledAtStart()) {}

void ExerciseController::EnabledMirror::setText(Field field, const std::string& text) {
    view_.setText(field, text);
}

std::string ExerciseController::EnabledMirror::markInputText() const { return view_.markInputText(); }

void ExerciseController::EnabledMirror::setEnabled(Button button, bool enabled) {
    view_.setEnabled(button, enabled);
    flags_[indexOf(button)] = enabled;
}

ExerciseController::ExerciseController(MainView& view, RandomSource& random, ExitRequest exit)
    : enabled_(view), random_(random), exit_(std::move(exit)) {}

void ExerciseController::start() { showIntro(); }

void ExerciseController::click(Button button) {
    if (!enabled_.isEnabled(button)) return;
    switch (button) {
        case Button::Command1: createLake(state_, enabled_, random_); break;
        case Button::Command2: captureHaul(state_, enabled_, random_); break;
        case Button::Command3: markFish(state_, enabled_); break;
        case Button::Command4: releaseMarked(enabled_); break;
        case Button::Command5: recaptureHaul(state_, enabled_, random_); break;
        case Button::Command6: estimatePopulation(state_, enabled_); break;
        case Button::Command7: compareWithReal(state_, enabled_); break;
        case Button::Command8:
            if (exit_) exit_();
            break;
        case Button::Command9: restart(); break;
    }
}

void ExerciseController::showIntro() { enabled_.setText(Field::Text1, kIntroText); }

void ExerciseController::restart() {
    state_ = SimulationState{};
    enabled_.setEnabled(Button::Command1, true);
    for (Button off : {Button::Command2, Button::Command3, Button::Command4, Button::Command5, Button::Command6,
                       Button::Command7, Button::Command9})
        enabled_.setEnabled(off, false);
    for (Field emptied : {Field::Text2, Field::Text3, Field::Text4, Field::Text5, Field::Text6, Field::Text7,
                          Field::Text8, Field::Text9, Field::Text10})
        enabled_.setText(emptied, "");
    showIntro();
}

}  // namespace ricattura
