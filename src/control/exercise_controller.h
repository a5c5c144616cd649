#pragma once

#include "control/announcement.h"
#include "core/main_view.h"
#include "core/random_source.h"
#include "core/simulation_state.h"
#include "steps/estimate.h"
#include "steps/lake_creation.h"
#include "steps/recapture.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace ricattura {

// One haul of the exercise: which phase, and the record just before and just after it.
struct HaulRecord {
    bool recapture = false;
    SimulationState before, after;
};

// Routes each button click to its step and owns the exercise record for the program's lifetime.
class ExerciseController {
public:
    using ExitRequest = std::function<void()>;

    ExerciseController(MainView& view, RandomSource& random, ExitRequest exit, RecaptureRule rule = kMarkedShare);

    // Run once the window stands in its initial state: writes the opening instructions and speaks them.
    void start();
    // A click on a disabled button is ignored, as the window would ignore it.
    void click(Button button);
    // A new exercise in a window that may have been used, or ended: every box and button as at start, then the
    // opening instructions, spoken.
    void startAnew();

    const SimulationState& state() const { return state_; }
    bool isEnabled(Button button) const { return view_.isEnabled(button); }
    // Recapture hauls of the current lake: the record counts them together with the capture hauls.
    int recaptureHauls() const { return recaptureHauls_; }
    // Whether the estimate has been compared with the true size since the exercise began.
    bool compared() const { return compared_; }
    // The exercise as it stood at the estimate shown in «Numero stimato»: later hauls change nothing here until the
    // next estimate. None before the first.
    const std::optional<EstimateMade>& estimateShown() const { return estimateShown_; }
    RecaptureRule rule() const { return rule_; }
    // With a trick the page asks what the student expects before step 6 may be pressed: from now on, until a
    // prediction, step 6 stays off whatever a haul brings up. The desktop never asks.
    void askPrediction() {
        asking_ = true;
        view_.hold(Button::EstimatePopulation, true);
    }
    // True once the marked fish are back in the lake and no prediction has been made.
    bool awaitingPrediction() const { return asking_ && released_ && !prediction_; }
    // Takes the student's prediction and lets step 6 respond as the hauls would have let it.
    void predict(Prediction prediction);
    const std::optional<Prediction>& prediction() const { return prediction_; }

    // The lake step 1 made (all zero before), and every haul since, in order.
    const Lake& lake() const { return lake_; }
    const std::vector<HaulRecord>& hauls() const { return hauls_; }

private:
    // Passes every call through to the window while remembering what it shows and which buttons respond.
    class ViewMirror final : public MainView {
    public:
        explicit ViewMirror(MainView& view);
        void setText(Field field, const std::string& text) override;
        std::string markInputText() const override;
        void setEnabled(Button button, bool enabled) override;
        void announce(const std::string& words) override;
        void focus(Button button) override;
        bool isEnabled(Button button) const { return flags_[indexOf(button)]; }
        const FieldTexts& texts() const { return texts_; }
        // While held, a step that switches `button` on is remembered, not obeyed, until it is let go.
        void hold(Button button, bool held);

    private:
        MainView& view_;
        std::array<bool, kButtonCount> flags_;
        FieldTexts texts_{};
        std::optional<Button> held_;
        bool heldOn_ = false;  // what the steps last asked of the held button
    };

    enum class WindowPart { All, AllButExit };

    void dispatch(Button button);
    Button nextStep(Button after) const;
    void showIntro();
    void restart();
    void reset(WindowPart part);

    ViewMirror view_;
    RandomSource& random_;
    ExitRequest exit_;
    RecaptureRule rule_;
    SimulationState state_;
    int recaptureHauls_ = 0;
    bool compared_ = false;
    std::optional<EstimateMade> estimateShown_;
    std::vector<int> estimatedAt_;  // recapture hauls at each estimate made
    bool asking_ = false, released_ = false;
    std::optional<Prediction> prediction_;
    Lake lake_;
    std::vector<HaulRecord> hauls_;
};

}  // namespace ricattura
