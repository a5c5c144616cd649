// Catches a misplaced control, a broken tab order, a wrong pixel conversion and a bad command line.
#include "core/launch_options.h"
#include "core/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace ricattura {
namespace {

using enum Button;
using enum Field;

int right(const TwipRect& r) { return r.left + r.width; }
int bottom(const TwipRect& r) { return r.top + r.height; }
const TwipRect& at(Button b) { return kButtons[indexOf(b)].rect; }
const TwipRect& at(Field f) { return kBoxes[indexOf(f)].rect; }

TEST(Layout, KeepsItsColumnsSpacingAndMargins) {
    // Left column: steps 1 to 6 with the boxes each one fills, flush right at 3240.
    const std::vector<TwipRect> left{at(Command1), at(Command2), at(Text2), at(Text3), at(Command3), at(Command4),
                                     at(Command5), at(Text4),    at(Text5), at(Command6), at(Text6)};
    for (std::size_t i = 0; i < left.size(); ++i) {
        EXPECT_EQ(right(left[i]), 3240) << i;
        if (i > 0) {
            EXPECT_EQ(left[i].top - bottom(left[i - 1]), i == 3 || i == 8 ? 80 : 200) << i;
        }
    }
    // Right column: the instructions, step 7 and the result boxes, then Riparti and Esci.
    EXPECT_EQ(at(Command7).top - bottom(at(Text1)), 225);
    EXPECT_EQ(at(Text7).top - bottom(at(Command7)), 200);
    for (Field f : {Text7, Text8, Text9, Text10}) EXPECT_EQ(right(at(f)), right(at(Command7)));
    EXPECT_EQ(right(at(Command8)), right(at(Command7)));
    for (Field f : {Text8, Text9, Text10}) EXPECT_EQ(at(f).top - bottom(at(Field(indexOf(f) - 1))), 80);
    EXPECT_EQ(at(Command9).top - bottom(at(Text10)), 440);
    EXPECT_EQ(at(Command8).left - right(at(Command9)), 120);
    EXPECT_EQ(at(Command8).top, at(Text6).top);
    // Margins to the client area's edges.
    EXPECT_EQ(at(Command1).left, 240);
    EXPECT_EQ(at(Command1).top, 120);
    EXPECT_EQ(kClientArea.width - right(at(Text1)), 150);
    EXPECT_EQ(kClientArea.width - right(at(Command8)), 165);
    EXPECT_EQ(kClientArea.height - bottom(at(Command8)), 125);
    // Labels: "Istruzioni" above its box, every other label 105 short of its box and 120 lower.
    EXPECT_EQ(kLabels[0].rect.left, at(Text1).left);
    EXPECT_EQ(bottom(kLabels[0].rect) - at(Text1).top, 15);
    for (std::size_t f = 1; f < kFieldCount; ++f) {
        EXPECT_EQ(kLabels[f].rect.top, kBoxes[f].rect.top + 120) << kLabels[f].name;
        EXPECT_EQ(right(kLabels[f].rect), kBoxes[f].rect.left - 105) << kLabels[f].name;
    }
}

TEST(Layout, UsesEveryTabIndexOnceAndConvertsBothEdgesToPixels) {
    std::vector<int> seen;
    for (const ControlRef& c : controlsInTabOrder()) {
        seen.push_back(c.kind == ControlRef::Kind::Button ? kButtons[c.index].tabIndex
                       : c.kind == ControlRef::Kind::Box  ? kBoxes[c.index].tabIndex
                                                          : kLabels[c.index].tabIndex);
    }
    for (int i = 0; i < static_cast<int>(kControlCount); ++i) EXPECT_EQ(seen[static_cast<std::size_t>(i)], i);

    EXPECT_EQ(toPixels(kClientArea), (PixelRect{0, 0, 451, 427}));
    EXPECT_EQ(toPixels(at(Command1)), (PixelRect{16, 8, 200, 27}));   // 26 2/3 pixels high, rounded
    EXPECT_EQ(toPixels(kLabels[2].rect), (PixelRect{16, 128, 121, 17}));
    EXPECT_EQ(toPixels({7, 8, 7, 7}), (PixelRect{0, 1, 1, 0}));        // each edge to its nearest pixel
    // Edges flush in twips stay flush in pixels.
    const PixelRect box = toPixels(at(Text2));
    const PixelRect button = toPixels(at(Command1));
    EXPECT_EQ(box.left + box.width, button.left + button.width);
}

TEST(LaunchOptions, TakesAClassLakeCodeAndRefusesAnythingElse) {
    using Action = LaunchOptions::Action;
    struct Case {
        std::vector<std::string_view> args;
        Action action;
        std::optional<LakeCode> code;
    };
    const std::optional<LakeCode> none;
    const Case cases[] = {
        {{}, Action::Run, none}, {{"--lago", "1"}, Action::Run, 1}, {{"--lago=999999"}, Action::Run, 999999},
        {{"--help"}, Action::Help, none}, {{"--version"}, Action::Version, none}, {{"--lago", "42", "--help"}, Action::Help, 42},
        {{"--lago"}, Action::Refuse, none}, {{"--lago", "0"}, Action::Refuse, none}, {{"--lago=1000000"}, Action::Refuse, none},
        {{"--lago=042"}, Action::Refuse, none}, {{"--lago", "+42"}, Action::Refuse, none}, {{"--lago="}, Action::Refuse, none},
        {{"--lago", "4 2"}, Action::Refuse, none}, {{"--lago", "1", "--lago=1"}, Action::Refuse, none},
        {{"-platform", "offscreen"}, Action::Refuse, none}, {{"--lagoo=1"}, Action::Refuse, none},
    };
    for (const Case& c : cases) {
        const LaunchOptions got = parseCommandLine(c.args);
        EXPECT_EQ(got.action, c.action) << (c.args.empty() ? "" : c.args[0]);
        if (got.action == Action::Refuse) {
            EXPECT_EQ(got.refusal.rfind("ricattura: ", 0), 0U) << got.refusal;
            EXPECT_EQ(got.refusal.find('\n'), std::string::npos);
        } else {
            EXPECT_EQ(got.lakeCode, c.code);
        }
    }
    EXPECT_EQ(windowTitle(std::nullopt), "Stima della popolazione di un lago");
    EXPECT_EQ(windowTitle(37), "Stima della popolazione di un lago – lago 37");
}

}  // namespace
}  // namespace ricattura
