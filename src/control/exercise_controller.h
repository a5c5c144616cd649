#pragma once

#include "core/announcement.h"
#include "core/main_view.h"
#include "core/random_source.h"
#include "core/simulation_state.h"

#include <array>
#include <functional>

namespace ricattura {

// Routes each button click to its step and owns the exercise record for the program's lifetime.
class ExerciseController {
public:
    using ExitRequest = std::function<void()>;

    ExerciseController(MainView& view, RandomSource& random, ExitRequest exit);

    // Run once the window stands in its initial state: writes the opening instructions.
    void start();
    // A click on a disabled button is ignored, as the window would ignore it.
    void click(Button button);

    const SimulationState& state() const { return state_; }
    bool isEnabled(Button button) const { return view_.isEnabled(button); }
    // Recapture hauls of the current lake: the record counts them together with the capture hauls.
    int recaptureHauls() const { return recaptureHauls_; }

private:
    // Passes every call through to the window while remembering what it shows and which buttons respond.
    class ViewMirror final : public MainView {
    public:
        explicit ViewMirror(MainView& view);
        void setText(Field field, const std::string& text) override;
        std::string markInputText() const override;
        void setEnabled(Button button, bool enabled) override;
        void announce(const std::string& words) override;
        bool isEnabled(Button button) const { return flags_[indexOf(button)]; }
        const FieldTexts& texts() const { return texts_; }

    private:
        MainView& view_;
        std::array<bool, kButtonCount> flags_;
        FieldTexts texts_{};
    };

    void dispatch(Button button);
    void showIntro();
    void restart();

    ViewMirror view_;
    RandomSource& random_;
    ExitRequest exit_;
    SimulationState state_;
    int recaptureHauls_ = 0;
};

}  // namespace ricattura
