#include "core/number_text.h"

#include "core/exact_digits.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ricattura {

namespace {

constexpr int kSignificantDigits = 15;
// Far past the exponent of any double, and far from overflowing the arithmetic on it.
constexpr long long kExponentCap = 1'000'000'000;

constexpr std::string_view kBlanks = " \t\r\n";
// Italian pupils read a point between digits as a thousands separator.
constexpr char kDecimalComma = ',';

}  // namespace

std::string decimalText(double value) {
    // Non-finite values cannot arise from the exercise; show a harmless 0 rather than "nan".
    if (!std::isfinite(value) || value == 0.0) return "0";

    // Exact digits of our own: the same on every platform, with no locale and no C library's printf.
    auto [digits, exponent] = significantDigits(std::fabs(value), kSignificantDigits);
    while (digits.back() == '0') digits.pop_back();  // the first digit never is

    std::string text = std::signbit(value) ? "-" : "";
    if (exponent < 0) {
        text += "0";
        text += kDecimalComma;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        return text + digits;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
        return text;
    }
    return text + digits.substr(0, integerDigits) + kDecimalComma + digits.substr(integerDigits);
}

double leadingNumber(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(kBlanks), text.size()));
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);

    // The number is rewritten as whole digits and a power of ten, with no decimal point, so that
    // strtod reads it the same under every locale.
    std::string digits;
    long long exponent = 0;
    auto takeDigits = [&](long long powerPerDigit) {
        for (; !text.empty() && isDigit(text.front()); text.remove_prefix(1), exponent += powerPerDigit)
            digits += text.front();
    };
    takeDigits(0);
    if (text.starts_with('.') || text.starts_with(kDecimalComma)) {
        text.remove_prefix(1);
        takeDigits(-1);
    }
    if (digits.empty()) return 0.0;

    if (text.starts_with('e') || text.starts_with('E')) {
        text.remove_prefix(1);
        const bool exponentNegative = text.starts_with('-');
        if (exponentNegative || text.starts_with('+')) text.remove_prefix(1);
        long long written = 0;
        for (; !text.empty() && isDigit(text.front()); text.remove_prefix(1))
            written = std::min(written * 10 + (text.front() - '0'), kExponentCap);
        exponent += exponentNegative ? -written : written;
    }

    const double magnitude = std::strtod((digits + 'e' + std::to_string(exponent)).c_str(), nullptr);
    if (magnitude == 0.0) return 0.0;  // never "-0"
    // An overflowing number stands for the largest one the program can hold.
    const double finite = std::isinf(magnitude) ? std::numeric_limits<double>::max() : magnitude;
    return negative ? -finite : finite;
}

}  // namespace ricattura
