#pragma once

#include "core/main_view.h"

#include <array>
#include <string>

namespace ricattura {

using FieldTexts = std::array<std::string, kFieldCount>;

// The words a screen reader speaks after a click: the instructions when they changed, then every count box
// that changed and still shows something, with its caption ("Individui catturati: 245."). Empty when
// nothing a student reads has changed.
std::string announcementFor(const FieldTexts& before, const FieldTexts& after);

}  // namespace ricattura
