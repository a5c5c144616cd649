#pragma once

#include <string>
#include <string_view>

namespace ricattura {

// The line break inside every guidance text.
inline constexpr std::string_view kCrLf = "\r\n";

// Plain decimal text of a number, as Italians write it: "," before the decimals, a leading "0" before
// fractions below 1, at most 15 significant digits, no trailing zeros, never an exponent and never "-0".
std::string decimalText(double value);

// True for the ten ASCII digits, whatever the locale.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number at the start of a text, 0 when there is none; "," and "." both separate the
// decimals, as students type either. Always finite: an overflowing
// value saturates to the largest finite double of its sign.
double leadingNumber(std::string_view text);

}  // namespace ricattura
