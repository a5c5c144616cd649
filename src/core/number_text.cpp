#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace ricattura {

namespace {

constexpr int kSignificantDigits = 15;
// Far past the exponent of any double, and far from overflowing the arithmetic on it.
constexpr long long kExponentCap = 1'000'000'000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string decimalText(double value) {
    // Non-finite values cannot arise from the exercise; show a harmless 0 rather than "nan".
    if (!std::isfinite(value) || value == 0.0) return "0";

    // Both C libraries the program is built with round "%e" exactly. Only the digits and the
    // exponent are read back, so the decimal point a locale may put there does not matter.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.*e", kSignificantDigits - 1, std::fabs(value));
    std::string digits;
    const char* p = scientific;
    for (; *p != 'e'; ++p)
        if (isDigit(*p)) digits += *p;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const bool negativeExponent = p[1] == '-';
    int exponent = 0;
    for (p += 2; isDigit(*p); ++p) exponent = exponent * 10 + (*p - '0');
    if (negativeExponent) exponent = -exponent;

    std::string text = value < 0 ? "-" : "";
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        return text + digits;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
        return text;
    }
    return text + digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // The number is rewritten as whole digits and a power of ten, with no decimal point, so that
    // strtod reads it the same under every locale.
    std::string digits;
    long long exponent = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) digits += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i, --exponent) digits += text[i];
    if (digits.empty()) return 0.0;

    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool exponentNegative = text[j] == '-';
        if (text[j] == '+' || text[j] == '-') ++j;
        long long written = 0;
        for (; j < text.size() && isDigit(text[j]); ++j) written = std::min(written * 10 + (text[j] - '0'), kExponentCap);
        exponent += exponentNegative ? -written : written;
    }

    const double magnitude = std::strtod((digits + 'e' + std::to_string(exponent)).c_str(), nullptr);
    if (magnitude == 0.0) return 0.0;  // never "-0"
    // An overflowing number stands for the largest one the program can hold.
    const double finite = std::isinf(magnitude) ? std::numeric_limits<double>::max() : magnitude;
    return negative ? -finite : finite;
}

}  // namespace ricattura
