#pragma once

#include <string>

namespace ricattura {

// The first `count` significant decimal digits of a positive finite number, correctly rounded (half to even, as the C
// library's "%e" rounds), and the power of ten of the first one: 33600 to 15 digits is "336000000000000" and 4.
// Exact for every double, by whole-number arithmetic, so every platform writes the same digits.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};
SignificantDigits significantDigits(double value, int count);

}  // namespace ricattura
