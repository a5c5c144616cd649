#pragma once

#include "control/main_view.h"

#include <array>
#include <random>
#include <vector>

namespace ricattura::testing {

// The next button a random walk clicks: mostly a step that responds, so that walks reach the
// late steps and the exhaustion guard; now and then any step at all, and rarely Riparti or Esci.
inline Button pickWalkButton(std::mt19937_64& rng, const std::array<bool, kButtonCount>& enabled) {
    const int roll = std::uniform_int_distribution<int>(0, 999)(rng);
    if (roll < 2) return Button::Command8;
    if (roll < 7) return Button::Command9;
    std::uniform_int_distribution<std::size_t> step(indexOf(Button::Command1), indexOf(Button::Command7));
    if (roll < 150) return static_cast<Button>(step(rng));
    std::vector<Button> responding;
    for (std::size_t b = indexOf(Button::Command1); b <= indexOf(Button::Command7); ++b)
        if (enabled[b]) responding.push_back(static_cast<Button>(b));
    if (responding.empty()) return Button::Command9;
    return responding[std::uniform_int_distribution<std::size_t>(0, responding.size() - 1)(rng)];
}

}  // namespace ricattura::testing
