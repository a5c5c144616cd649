#pragma once

#include "control/random_source.h"
#include "support/fake_view.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string>

namespace ricattura::testing {

// Hands out exactly the draws a test scripts, and fails the test on any draw beyond them.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> draws) : draws_(draws) {}

    void script(std::initializer_list<double> draws) { draws_.insert(draws_.end(), draws); }
    void reseed() override { ++reseeds; }
    double draw() override {
        if (draws_.empty()) {
            ADD_FAILURE() << "a draw that the test did not script";
            return 0.0;
        }
        const double r = draws_.front();
        draws_.pop_front();
        return r;
    }
    std::size_t unused() const { return draws_.size(); }

    int reseeds = 0;

private:
    std::deque<double> draws_;
};

// The draw that makes floor(r * span + lowest) come out as `value`.
inline double drawFor(double value, double span, double lowest) { return (value - lowest + 0.5) / span; }
inline double surfaceDraw(double hectares) { return drawFor(hectares, 90, 10); }
inline double productivityDraw(double kg) { return drawFor(kg, 50, 5); }
inline double sizeDraw(double grams) { return drawFor(grams, 40, 10); }
inline double haulDraw(double fish) { return (fish - 10 + 0.5) / 100; }

}  // namespace ricattura::testing
