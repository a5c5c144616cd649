#pragma once

#include "core/main_view.h"

#include <array>
#include <string>

namespace ricattura {

using FieldTexts = std::array<std::string, kFieldCount>;

// The words a screen reader speaks after a click: the instructions when they changed, then every count box that
// changed and still shows something, with its spoken name: «Individui catturati nella cattura 245.» Empty when
// nothing a student reads has changed. No symbol a reader would pronounce: no colon, the formula and «%» in words.
std::string announcementFor(const FieldTexts& before, const FieldTexts& after);

// The instructions as spoken: on one line, the formula and the old apostrophes in words, and the opening text naming
// the button to press, which the screen's «in alto a sinistra» cannot do for a student who does not see it.
std::string spokenInstructions(const std::string& text);

}  // namespace ricattura
