#pragma once

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
    bool isEnabled(Button button) const { return enabled_.isEnabled(button); }

private:
    // Passes every call through to the window while remembering which buttons respond.
    class EnabledMirror final : public MainView {
    public:
        explicit EnabledMirror(MainView& view);
        void setText(Field field, const std::string& text) override;
        std::string markInputText() const override;
        void setEnabled(Button button, bool enabled) override;
        bool isEnabled(Button button) const { return flags_[indexOf(button)]; }

    private:
        MainView& view_;
        std::array<bool, kButtonCount> flags_;
    };

    void showIntro();
    void restart();

    EnabledMirror enabled_;
    RandomSource& random_;
    ExitRequest exit_;
    SimulationState state_;
};

}  // namespace ricattura
