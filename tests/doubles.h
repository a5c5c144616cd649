// Test doubles that let the tests catch a wrong text, switch or draw: a recording view, a scripted random source.
#pragma once

#include "core/layout.h"
#include "core/main_view.h"
#include "core/random_source.h"

#include <array>
#include <optional>
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ricattura::testing {

// Records what the exercise shows, and the order in which it switches buttons.
class FakeView final : public MainView {
public:
    using Switch = std::pair<Button, bool>;

    void setText(Field field, const std::string& text) override { texts[indexOf(field)] = text; }
    std::string markInputText() const override { return texts[indexOf(Field::ToMark)]; }
    void setEnabled(Button button, bool on) override {
        enabled[indexOf(button)] = on;
        switches.push_back({button, on});
    }
    void announce(const std::string& words) override { announced = words; }
    void focus(Button button) override { focused = button; }
    const std::string& text(Field f) const { return texts[indexOf(f)]; }
    void type(const std::string& input) { texts[indexOf(Field::ToMark)] = input; }

    std::array<std::string, kFieldCount> texts{};
    std::array<bool, kButtonCount> enabled = enabledAtStart();
    std::vector<Switch> switches;
    std::string announced;          // the last words spoken
    std::optional<Button> focused;  // where the exercise last put the focus
};

// Hands out the draws a test scripts; a draw beyond them gives 0 and is counted.
class ScriptedRandom final : public RandomSource {
public:
    void script(const std::vector<double>& draws) { draws_.insert(draws_.end(), draws.begin(), draws.end()); }
    void reseed() override { ++reseeds; }
    double draw() override { return next_ < draws_.size() ? draws_[next_++] : (++overdrawn, 0.0); }
    bool spentExactly() const { return next_ == draws_.size() && overdrawn == 0; }

    int reseeds = 0, overdrawn = 0;

private:
    std::vector<double> draws_;
    std::size_t next_ = 0;
};

// The draw that makes floor(r * span + lowest) come out as `value`.
inline double drawFor(double value, double span, double lowest) { return (value - lowest + 0.5) / span; }
inline double haulDraw(double fish) { return drawFor(fish, 100, 10); }
// The four draws of a lake with these parameters and this deviation draw.
inline std::vector<double> lakeDraws(double hectares, double kg, double grams, double deviation) {
    return {drawFor(hectares, 90, 10), drawFor(kg, 50, 5), drawFor(grams, 40, 10), deviation};
}

// True for what the program may show as a number: optional "-", digits without a leading
// zero, an optional decimal comma and fraction without trailing zeros; never "-0", an exponent, "nan" or "inf".
inline bool isPlainNumber(std::string_view text) {
    const std::string_view t = text.substr(text.starts_with('-') ? 1 : 0);
    const std::size_t point = std::min(t.find(','), t.size());
    const bool digits = t.find_first_not_of("0123456789,") == t.npos && t.find(',', point + 1) == t.npos;
    const bool fraction = point == t.size() || (point + 1 < t.size() && t.back() != '0');
    return digits && fraction && point > 0 && (point == 1 || t[0] != '0') && text != "-0";
}

}  // namespace ricattura::testing
