// Catches click sequences no example plays that break a rule, on the core and on the real window alike.
#pragma once

#include "control/exercise_controller.h"
#include "doubles.h"

#include <cmath>
#include <random>

namespace ricattura::testing {

// A clock that moves on at every reading, so every lake of a walk differs and the walk replays.
class TickingClock final : public Clock {
public:
    std::uint64_t ticks() override { return next_ += 0x9E3779B97F4A7C15ULL; }

private:
    std::uint64_t next_ = 0;
};

struct WalkFigures {
    long estimates = 0, refused = 0, exhausted = 0;
};

// Clicks at random on a window (anything with texts(), enabled(), type() and click()), mostly on a step that
// responds so the walk reaches the late steps, rarely on Riparti or Esci; types number-like pieces, junk and odd
// bytes. Returns the first rule a click broke, with where, or nothing.
template <class Window>
std::string walk(std::mt19937_64& rng, long clicks, Window& window, const ExerciseController& controller,
                 WalkFigures& figures) {
    constexpr std::string_view kPieces[] = {"0", "1", "42", "12.5", ".", ",", "e", "-", " ", "\xC3\xA8", "1e308", "nan"};
    for (long i = 0; i < clicks; ++i) {
        const auto flags = window.enabled();
        const auto roll = rng() % 1000;
        auto b = roll < 5 ? (roll < 1 ? Button::Command8 : Button::Command9) : Button(rng() % 7);
        for (int tries = 0; roll >= 150 && tries < 10 && !flags[indexOf(b)]; ++tries) b = Button(rng() % 7);
        if (b == Button::Command3 || rng() % 20 == 0) {
            std::string typed;
            for (auto pieces = rng() % 9; pieces > 0; --pieces)
                typed += rng() % 10 ? std::string(kPieces[rng() % std::size(kPieces)]) : std::string(1, char(rng() % 256));
            window.type(typed);
        }
        const auto texts = window.texts();
        const SimulationState before = controller.state();
        window.click(b);
        const SimulationState& after = controller.state();
        const auto shown = window.texts();
        const bool enabled = flags[indexOf(b)];
        const bool refused = enabled && b == Button::Command6 && std::floor(before.ngiamarcati + 0.5) < 1;
        std::string broken;
        if ((!enabled || refused) && before != after) broken = "the record changed";
        if (!enabled && (shown != texts || window.enabled() != flags)) broken = "the window changed";
        for (std::size_t k = 0; k < kButtonCount; ++k)
            if (controller.isEnabled(Button(k)) != window.enabled()[k]) broken = "the controller and the window disagree";
        for (double q : {after.ncatturati, after.nmarcati, after.ngiamarcati, after.k, after.stima})
            if (!std::isfinite(q)) broken = "a quantity is not finite";
        if (after.dimpop > 0 && after.dimpop - after.nricatturati < 1) broken = "the lake was emptied";
        for (std::size_t f = 1; f < kFieldCount; ++f) {
            std::string t = shown[f];
            if (f == indexOf(Field::Text9) && t.ends_with('%')) t.pop_back();
            const bool unchanged = shown[f] == texts[f];  // checked when it was written, or typed
            if (!t.empty() && !unchanged && !isPlainNumber(t)) broken = "Text" + std::to_string(f + 1) + " shows " + t;
        }
        if (!broken.empty())
            return broken + " (click " + std::to_string(i) + ", Command" + std::to_string(indexOf(b) + 1) + ")";
        if (enabled && b == Button::Command6) ++(refused ? figures.refused : figures.estimates);
        if (enabled && b == Button::Command5 && !window.enabled()[indexOf(Button::Command5)]) ++figures.exhausted;
    }
    return {};
}

}  // namespace ricattura::testing
