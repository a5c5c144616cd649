#pragma once

#include <string_view>

namespace ricattura::testing {

// True for what the program may show as a number: optional "-", digits without a leading
// zero, an optional fraction without trailing zeros; never "-0", an exponent, "nan" or "inf".
inline bool isPlainNumber(std::string_view text) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
        if (text == "0") return false;
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (whole.empty() || (whole.size() > 1 && whole.front() == '0')) return false;
    for (char c : whole)
        if (!digit(c)) return false;
    if (point == std::string_view::npos) return true;
    const std::string_view fraction = text.substr(point + 1);
    if (fraction.empty() || fraction.back() == '0') return false;
    for (char c : fraction)
        if (!digit(c)) return false;
    return true;
}

}  // namespace ricattura::testing
