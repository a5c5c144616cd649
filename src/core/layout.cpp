#include "core/layout.h"

#include <algorithm>

namespace ricattura {

namespace {

constexpr int kTwipsPerPixel = 15;  // 1440 twips an inch at 96 pixels an inch

// Whole twips to the nearest pixel, halves upward; twips are never negative here.
int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

int tabIndexOf(const ControlRef& c) {
    switch (c.kind) {
        case ControlRef::Kind::Button: return kButtons[c.index].tabIndex;
        case ControlRef::Kind::Box: return kBoxes[c.index].tabIndex;
        case ControlRef::Kind::Label: return kLabels[c.index].tabIndex;
    }
    return 0;
}

}  // namespace

PixelRect toPixels(const TwipRect& r) {
    const int left = twipsToPixels(r.left);
    const int top = twipsToPixels(r.top);
    return {left, top, twipsToPixels(r.left + r.width) - left, twipsToPixels(r.top + r.height) - top};
}

std::array<ControlRef, kControlCount> controlsInTabOrder() {
    std::array<ControlRef, kControlCount> all{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < kButtonCount; ++i) all[n++] = {ControlRef::Kind::Button, i};
    for (std::size_t i = 0; i < kFieldCount; ++i) all[n++] = {ControlRef::Kind::Box, i};
    for (std::size_t i = 0; i < kFieldCount; ++i) all[n++] = {ControlRef::Kind::Label, i};
    std::sort(all.begin(), all.end(), [](const ControlRef& a, const ControlRef& b) { return tabIndexOf(a) < tabIndexOf(b); });
    return all;
}

std::array<bool, kButtonCount> enabledAtStart() {
    std::array<bool, kButtonCount> flags{};
    for (std::size_t i = 0; i < kButtonCount; ++i) flags[i] = kButtons[i].enabledAtStart;
    return flags;
}

}  // namespace ricattura
