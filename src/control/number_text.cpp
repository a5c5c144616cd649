#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace ricattura {

namespace {

constexpr int kSignificantDigits = 15;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string decimalText(double value) {
    // Non-finite values cannot arise from the exercise; show a harmless 0 rather than "nan".
    if (!std::isfinite(value) || value == 0.0) return "0";

    // Scientific form with exactly 15 significant digits, then rewritten without the exponent.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t ePos = scientific.find('e');

    std::string digits;
    for (char c : scientific.substr(0, ePos))
        if (isDigit(c)) digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    int exponent = 0;
    const std::string_view expText = scientific.substr(ePos + 1);
    std::from_chars(expText.data() + (expText.front() == '+' ? 1 : 0), expText.data() + expText.size(), exponent);

    std::string text = value < 0 ? "-" : "";
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
    } else {
        text += digits.substr(0, integerDigits);
        text += '.';
        text += digits.substr(integerDigits);
    }
    return text;
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Delimit the longest well-formed number, and note the decimal position of its first
    // significant digit so that an out-of-range result can be told overflow from underflow.
    const std::size_t start = i;
    std::size_t digitCount = 0;
    long long firstSignificantPower = 0;  // power of ten of the leading non-zero digit
    bool seenSignificant = false;
    long long integerDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        if (text[i] != '0' && !seenSignificant) seenSignificant = true;
        if (seenSignificant) ++integerDigits;
        ++digitCount;
        ++i;
    }
    if (seenSignificant) firstSignificantPower = integerDigits - 1;
    if (i < text.size() && text[i] == '.') {
        ++i;
        long long fractionPosition = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++fractionPosition;
            if (text[i] != '0' && !seenSignificant) {
                seenSignificant = true;
                firstSignificantPower = -fractionPosition;
            }
            ++digitCount;
            ++i;
        }
    }
    if (digitCount == 0) return 0.0;

    long long exponent = 0;
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (text[j] == '+' || text[j] == '-') {
            exponentNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            constexpr long long kExponentCap = 1'000'000'000;  // far past any double, safe from overflow
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < kExponentCap) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (exponentNegative) exponent = -exponent;
            i = j;
        }
    }

    double magnitude = 0.0;
    const std::errc error =
        std::from_chars(text.data() + start, text.data() + i, magnitude, std::chars_format::general).ec;
    if (error == std::errc::result_out_of_range) {
        const bool overflow = seenSignificant && firstSignificantPower + exponent > 0;
        magnitude = overflow ? std::numeric_limits<double>::max() : 0.0;
    } else if (error != std::errc{}) {
        magnitude = 0.0;
    }
    if (magnitude == 0.0) return 0.0;
    return negative ? -magnitude : magnitude;
}

}  // namespace ricattura
