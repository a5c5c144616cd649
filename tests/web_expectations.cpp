// Lets the browser test catch a page that strays from the native core: prints the layout and a played series.
#include "control/exercise_controller.h"
#include "core/clock_random_source.h"
#include "core/launch_options.h"
#include "doubles.h"

#include <cstdio>
#include <string>

namespace {

using namespace ricattura;

constexpr LakeCode kCode = 4242;

// The series: click button N ("c"), type into Text3 ("t") or press a key there ("k"), so many times.
struct Action {
    char kind;
    const char* what;
    int times;
};
constexpr Action kSeries[] = {
    {'c', "9", 1}, {'c', "1", 2}, {'c', "2", 2}, {'t', "12.5", 1}, {'k', "Enter", 1}, {'k', "Escape", 1},
    {'c', "3", 1}, {'c', "4", 1}, {'c', "5", 4}, {'c', "6", 1},  // too few marked: the estimate is refused
    {'c', "9", 1}, {'c', "1", 1}, {'c', "2", 12}, {'c', "3", 1}, {'c', "4", 1}, {'c', "5", 12},
    {'c', "6", 1}, {'c', "7", 2}, {'c', "5", 1}, {'c', "6", 1}, {'c', "7", 1},
};

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
        out += static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\' ? escape : std::string(1, c);
    }
    return out + "\"";
}

std::string rect(const TwipRect& twips) {
    const PixelRect r = toPixels(twips);
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + "," +
           std::to_string(r.height) + "]";
}

std::string css(Rgb c) {
    return "\"rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ")\"";
}

std::string shown(const testing::FakeView& view) {
    std::string out = "\"texts\":[";
    for (std::size_t f = 0; f < kFieldCount; ++f) out += (f ? "," : "") + quoted(view.texts[f]);
    out += "],\"enabled\":[";
    for (std::size_t b = 0; b < kButtonCount; ++b) out += std::string(b ? "," : "") + (view.enabled[b] ? "true" : "false");
    return out + "]";
}

}  // namespace

int main() {
    std::string out = "{\"code\":" + std::to_string(kCode) + ",\"title\":" + quoted(windowTitle(kCode)) +
                      ",\"colours\":[" + css(kFormBackground) + "," + css(kLabelText) + "],\"layout\":{\"Form1\":" +
                      rect(kClientArea);
    for (const auto& b : kButtons) out += ",\"" + std::string(b.name) + "\":" + rect(b.rect);
    for (const auto& b : kBoxes) out += ",\"" + std::string(b.name) + "\":" + rect(b.rect);
    for (const auto& l : kLabels) out += ",\"" + std::string(l.name) + "\":" + rect(l.rect);

    testing::FakeView view;
    LakeCodeClock clock(kCode);
    ClockRandomSource random(clock);
    ExerciseController controller(view, random, [] {});
    controller.start();
    out += "},\"start\":{" + shown(view) + "},\"series\":[";
    for (const Action& a : kSeries) {
        for (int i = 0; i < a.times; ++i) {
            if (a.kind == 'c') controller.click(Button(std::stoi(a.what) - 1));
            if (a.kind == 't') view.type(a.what);
            out += std::string("{\"kind\":\"") + a.kind + "\",\"what\":" + quoted(a.what) + "," + shown(view) + "},\n";
        }
    }
    out.resize(out.size() - 2);  // the last ",\n"
    std::puts((out + "]}").c_str());
}
