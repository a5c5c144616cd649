#include "core/layout.h"

#include <algorithm>

namespace ricattura {

namespace {

constexpr int kTwipsPerPixel = 15;  // 1440 twips an inch at 96 pixels an inch

// Whole twips to the nearest pixel; twips are never negative here.
int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

}  // namespace

const char* spokenName(Field field) {
    const char* name = kBoxes[indexOf(field)].spokenName;
    return *name ? name : kLabels[indexOf(field)].caption;
}

PixelRect toPixels(const TwipRect& r) {
    const int left = twipsToPixels(r.left);
    const int top = twipsToPixels(r.top);
    return {left, top, twipsToPixels(r.left + r.width) - left, twipsToPixels(r.top + r.height) - top};
}

std::vector<ControlRef> controlsInTabOrder() {
    struct Entry {
        int tabIndex;
        ControlRef control;
    };
    std::vector<Entry> all;
    for (std::size_t i = 0; i < kButtonCount; ++i) all.push_back({kButtons[i].tabIndex, {ControlRef::Kind::Button, i}});
    for (std::size_t i = 0; i < kFieldCount; ++i) all.push_back({kBoxes[i].tabIndex, {ControlRef::Kind::Box, i}});
    for (std::size_t i = 0; i < kFieldCount; ++i) all.push_back({kLabels[i].tabIndex, {ControlRef::Kind::Label, i}});
    std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.tabIndex < b.tabIndex; });
    std::vector<ControlRef> ordered;
    for (const Entry& e : all) ordered.push_back(e.control);
    return ordered;
}

std::array<bool, kButtonCount> enabledAtStart() {
    std::array<bool, kButtonCount> flags{};
    std::transform(kButtons.begin(), kButtons.end(), flags.begin(),
                   [](const ButtonLayout& b) { return b.enabledAtStart; });
    return flags;
}

}  // namespace ricattura
