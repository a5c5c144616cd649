#pragma once

#include "control/main_view.h"

#include <array>
#include <string>
#include <vector>

namespace ricattura::testing {

// Records what the exercise shows, and the order in which it switches buttons.
class FakeView final : public MainView {
public:
    FakeView() : enabled(kEnabledAtStart) {}

    void setText(Field field, const std::string& text) override { texts[indexOf(field)] = text; }
    std::string markInputText() const override { return texts[indexOf(Field::Text3)]; }
    void setEnabled(Button button, bool on) override {
        enabled[indexOf(button)] = on;
        switches.push_back({button, on});
    }

    const std::string& text(Field f) const { return texts[indexOf(f)]; }
    bool isEnabled(Button b) const { return enabled[indexOf(b)]; }
    void type(const std::string& input) { texts[indexOf(Field::Text3)] = input; }

    struct Switch {
        Button button;
        bool on;
        bool operator==(const Switch&) const = default;
    };

    std::array<std::string, kFieldCount> texts{};
    std::array<bool, kButtonCount> enabled;
    std::vector<Switch> switches;
};

}  // namespace ricattura::testing
