#pragma once

#include <random>
#include <string>
#include <vector>

namespace ricattura::testing {

// What a student might type into "Individui da marcare", and what marking then uses
// when 150 fish have been caught.
struct HostileInput {
    std::string label;
    std::string text;
    double markedOf150;
};

inline constexpr double kCatchForHostileInputs = 150;

const std::vector<HostileInput>& hostileInputs();

// A random text for the mark box: one of the inputs above, or a random mix of number-like
// pieces and junk bytes. Huge texts come up only rarely so that long walks stay fast.
std::string randomMarkText(std::mt19937_64& rng);

}  // namespace ricattura::testing
