// Prints, from the native core, what the browser edition must show: the layout in pixels and, for a
// series of clicks, keys and typed texts under a class lake code, every box and button after each.
#include "control/exercise_controller.h"
#include "core/clock_random_source.h"
#include "core/launch_options.h"
#include "doubles.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace ricattura;

constexpr LakeCode kCode = 4242;

struct Action {
    std::string kind;  // "click", "type" into Text3, or "key" pressed in Text3
    int button = 0;
    std::string text;
};

std::vector<Action> series() {
    std::vector<Action> all;
    auto clicks = [&all](int button, int times) {
        for (int i = 0; i < times; ++i) all.push_back({"click", button, ""});
    };
    clicks(9, 1);  // disabled: nothing happens
    clicks(1, 2);
    clicks(2, 2);
    all.push_back({"type", 0, "12.5"});
    all.push_back({"key", 0, "Enter"});
    all.push_back({"key", 0, "Escape"});
    clicks(3, 1);
    clicks(4, 1);
    clicks(5, 4);
    clicks(6, 1);
    clicks(9, 1);  // the same lake again, now with a larger catch, all of it marked
    clicks(1, 1);
    clicks(2, 12);
    clicks(3, 1);
    clicks(4, 1);
    clicks(5, 12);
    clicks(6, 1);
    clicks(7, 2);
    clicks(5, 1);
    clicks(6, 1);
    clicks(7, 1);
    return all;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') out += {'\\', static_cast<char>(c)};
        else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}

std::string rect(const TwipRect& twips) {
    const PixelRect r = toPixels(twips);
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + "," +
           std::to_string(r.height) + "]";
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
                      ",\"layout\":{\"Form1\":" + rect(kClientArea);
    for (const auto& b : kButtons) out += ",\"" + std::string(b.name) + "\":" + rect(b.rect);
    for (const auto& b : kBoxes) out += ",\"" + std::string(b.name) + "\":" + rect(b.rect);
    for (const auto& l : kLabels) out += ",\"" + std::string(l.name) + "\":" + rect(l.rect);

    testing::FakeView view;
    LakeCodeClock clock(kCode);
    ClockRandomSource random(clock);
    ExerciseController controller(view, random, [] {});
    controller.start();
    out += "},\"start\":{" + shown(view) + "},\"series\":[";
    bool first = true;
    for (const Action& a : series()) {
        if (a.kind == "click") controller.click(Button(a.button - 1));
        if (a.kind == "type") view.type(a.text);
        out += std::string(first ? "" : ",\n") + "{\"kind\":\"" + a.kind + "\",\"button\":" + std::to_string(a.button) +
               ",\"text\":" + quoted(a.text) + "," + shown(view) + "}";
        first = false;
    }
    std::puts((out + "]}").c_str());
}
