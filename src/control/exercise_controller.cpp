#include "control/exercise_controller.h"

#include "core/layout.h"

#include "steps/capture.h"
#include "steps/estimate.h"
#include "steps/guidance.h"
#include "steps/lake_creation.h"
#include "steps/recapture.h"

#include <utility>

namespace ricattura {

ExerciseController::ViewMirror::ViewMirror(MainView& view) : view_(view), flags_(enabledAtStart()) {}

void ExerciseController::ViewMirror::setText(Field field, const std::string& text) {
    view_.setText(field, text);
    texts_[indexOf(field)] = text;
}

std::string ExerciseController::ViewMirror::markInputText() const { return view_.markInputText(); }

void ExerciseController::ViewMirror::setEnabled(Button button, bool enabled) {
    if (held_ == button) {
        heldOn_ = enabled;
        if (enabled) return;
    }
    view_.setEnabled(button, enabled);
    flags_[indexOf(button)] = enabled;
}

void ExerciseController::ViewMirror::hold(Button button, bool held) {
    if (held) {
        held_ = button;
        heldOn_ = false;
    } else if (held_ == button) {
        held_.reset();
        if (heldOn_) setEnabled(button, true);
    }
}

void ExerciseController::ViewMirror::announce(const std::string& words) { view_.announce(words); }

void ExerciseController::ViewMirror::focus(Button button) { view_.focus(button); }

ExerciseController::ExerciseController(MainView& view, RandomSource& random, ExitRequest exit, RecaptureRule rule)
    : view_(view), random_(random), exit_(std::move(exit)), rule_(rule) {}

void ExerciseController::start() {
    showIntro();
    view_.announce(spokenInstructions(std::string(guidance::kIntro)));
}

void ExerciseController::click(Button button) {
    if (!view_.isEnabled(button)) return;
    const FieldTexts before = view_.texts();
    dispatch(button);
    // A button that switched itself off hands the keyboard on, before its words are spoken, to the next numbered step
    // that responds, round to step 1 if need be, else to «Riparti»; never to «Esci», which one more Enter would press.
    if (!view_.isEnabled(button)) view_.focus(nextStep(button));
    // ToMark may hold what the student typed rather than what was last written: only a rewrite counts.
    const std::string words = announcementFor(before, view_.texts());
    if (!words.empty()) view_.announce(words);
}

Button ExerciseController::nextStep(Button after) const {
    constexpr std::size_t kSteps = indexOf(Button::Compare) + 1;
    const std::size_t from = indexOf(after);  // seven steps from any button reach every step once
    for (std::size_t b = from + 1; b <= from + kSteps; ++b)
        if (view_.isEnabled(Button(b % kSteps))) return Button(b % kSteps);
    return Button::Restart;
}

void ExerciseController::dispatch(Button button) {
    const SimulationState before = state_;
    switch (button) {
        case Button::CreateLake: lake_ = createLake(state_, view_, random_); break;
        case Button::CaptureHaul:
            captureHaul(state_, view_, random_);
            hauls_.push_back({false, before, state_});
            break;
        case Button::MarkFish: markFish(state_, view_); break;
        case Button::ReleaseMarked:
            releaseMarked(view_);
            released_ = true;
            break;
        case Button::RecaptureHaul:
            ++recaptureHauls_;
            recaptureHaul(state_, view_, random_, rule_);
            hauls_.push_back({true, before, state_});
            break;
        case Button::EstimatePopulation:
            if (estimatePopulation(state_, view_)) {
                estimateShown_ = EstimateMade{state_, recaptureHauls_, estimatedAt_};
                estimatedAt_.push_back(recaptureHauls_);
            }
            break;
        case Button::Compare:
            compareWithReal(state_, view_);
            compared_ = true;
            break;
        case Button::Exit:
            if (exit_) exit_();
            break;
        case Button::Restart: restart(); break;
    }
}

void ExerciseController::showIntro() { view_.setText(Field::Instructions, std::string(guidance::kIntro)); }

void ExerciseController::predict(Prediction prediction) {
    if (!awaitingPrediction()) return;
    prediction_ = prediction;
    view_.hold(Button::EstimatePopulation, false);
    view_.focus(nextStep(Button::ReleaseMarked));  // the answer's buttons go: the keyboard goes on to the hauls
}

void ExerciseController::startAnew() {
    reset(WindowPart::All);
    view_.announce(spokenInstructions(std::string(guidance::kIntro)));
}

// «Riparti» never touches «Esci», which stays as it is.
void ExerciseController::restart() { reset(WindowPart::AllButExit); }

// Every button back as the window was created, every box but the instructions emptied, nothing counted any more.
void ExerciseController::reset(WindowPart part) {
    state_ = SimulationState{};
    recaptureHauls_ = 0;
    compared_ = false;
    estimateShown_.reset();
    estimatedAt_.clear();
    lake_ = {};
    hauls_.clear();
    released_ = false;
    prediction_.reset();
    view_.hold(Button::EstimatePopulation, asking_);
    const auto atStart = enabledAtStart();
    for (std::size_t b = 0; b < kButtonCount; ++b)
        if (part == WindowPart::All || Button(b) != Button::Exit) view_.setEnabled(Button(b), atStart[b]);
    for (std::size_t f = 0; f < kFieldCount; ++f)
        if (Field(f) != Field::Instructions) view_.setText(Field(f), "");
    showIntro();
}

}  // namespace ricattura
