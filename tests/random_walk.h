#pragma once
// The choices of a random walk over the exercise, shared by the walk over the core and the one
// over the real window.

#include "doubles.h"

#include <array>
#include <random>
#include <string>
#include <string_view>

namespace ricattura::testing {

// Mostly short exercises, some long enough to fish a lake down to the exhaustion guard.
inline long walkLength(std::mt19937_64& rng) {
    const auto kind = rng() % 100;
    return static_cast<long>(kind == 0 ? 2000 + rng() % 4000 : kind < 10 ? 200 + rng() % 1000 : 1 + rng() % 90);
}

// Mostly a step that responds, so that walks reach the late steps; now and then any step, rarely
// Riparti or Esci.
inline Button pickButton(std::mt19937_64& rng, const std::array<bool, kButtonCount>& enabled) {
    const auto roll = rng() % 1000;
    if (roll < 2) return Button::Command8;
    if (roll < 7) return Button::Command9;
    if (roll < 150) return Button(rng() % 7);
    std::array<Button, 7> responding{};
    std::size_t n = 0;
    for (std::size_t b = 0; b < 7; ++b)
        if (enabled[b]) responding[n++] = Button(b);
    return n == 0 ? Button::Command9 : responding[rng() % n];
}

// What a student might type into "Individui da marcare": number-like pieces, junk and odd bytes.
inline std::string randomMarkText(std::mt19937_64& rng) {
    constexpr std::array<std::string_view, 18> kPieces{"0", "1", "9", "42", "12.5", ".", ",", "e", "E", "+", "-", " ",
                                                       "x", "\t", "\xC3\xA8", "\xFF", "1e308", "nan"};
    std::string text;
    for (auto pieces = rng() % 9; pieces > 0; --pieces) {
        if (rng() % 10 == 0) text += static_cast<char>(rng() % 256);
        else text += kPieces[rng() % kPieces.size()];
    }
    return text;
}

}  // namespace ricattura::testing
