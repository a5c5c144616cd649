#pragma once
// Test doubles for the exercise: a view that records, a random source that is scripted.

#include "core/layout.h"
#include "core/main_view.h"
#include "core/random_source.h"

#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace ricattura::testing {

// Records what the exercise shows, and the order in which it switches buttons.
class FakeView final : public MainView {
public:
    struct Switch {
        Button button;
        bool on;
        bool operator==(const Switch&) const = default;
    };

    void setText(Field field, const std::string& text) override { texts[indexOf(field)] = text; }
    std::string markInputText() const override { return texts[indexOf(Field::Text3)]; }
    void setEnabled(Button button, bool on) override {
        enabled[indexOf(button)] = on;
        switches.push_back({button, on});
    }
    const std::string& text(Field f) const { return texts[indexOf(f)]; }
    void type(const std::string& input) { texts[indexOf(Field::Text3)] = input; }

    std::array<std::string, kFieldCount> texts{};
    std::array<bool, kButtonCount> enabled = enabledAtStart();
    std::vector<Switch> switches;
};

// Hands out exactly the draws a test scripts; a draw beyond them is counted and gives 0.
class ScriptedRandom final : public RandomSource {
public:
    void script(const std::vector<double>& draws) { draws_.insert(draws_.end(), draws.begin(), draws.end()); }
    void reseed() override { ++reseeds; }
    double draw() override {
        if (draws_.empty()) return ++overdrawn, 0.0;
        const double r = draws_.front();
        draws_.pop_front();
        return r;
    }
    std::size_t unused() const { return draws_.size(); }

    int reseeds = 0;
    int overdrawn = 0;

private:
    std::deque<double> draws_;
};

// The draw that makes floor(r * span + lowest) come out as `value`.
inline double drawFor(double value, double span, double lowest) { return (value - lowest + 0.5) / span; }
inline double haulDraw(double fish) { return drawFor(fish, 100, 10); }
// The four draws of a lake with these parameters and this deviation draw.
inline std::vector<double> lakeDraws(double hectares, double kg, double grams, double deviation) {
    return {drawFor(hectares, 90, 10), drawFor(kg, 50, 5), drawFor(grams, 40, 10), deviation};
}

// True for what the program may show as a number: optional "-", digits without a leading
// zero, an optional fraction without trailing zeros; never "-0", an exponent, "nan" or "inf".
inline bool isPlainNumber(std::string_view text) {
    auto allDigits = [](std::string_view s) { return !s.empty() && s.find_first_not_of("0123456789") == s.npos; };
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (!allDigits(whole) || (whole.size() > 1 && whole.front() == '0')) return false;
    if (point == text.npos) return !(negative && whole == "0");
    const std::string_view fraction = text.substr(point + 1);
    return allDigits(fraction) && fraction.back() != '0';
}

}  // namespace ricattura::testing
