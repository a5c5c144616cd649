// Catches numbers written with an exponent, "-0", trailing zeros or a locale's comma, and texts misread.
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace ricattura {
namespace {

TEST(DecimalText, WritesPlainDecimalsWithFifteenSignificantDigits) {
    const std::pair<double, std::string> cases[] = {
        {0, "0"}, {-0.0, "0"}, {33600, "33600"}, {-2100, "-2100"}, {0.5, "0.5"}, {6.25, "6.25"}, {-0.5, "-0.5"},
        {0.1 + 0.2, "0.3"}, {2.0 / 3.0, "0.666666666666667"}, {1.5e-7, "0.00000015"}, {1e20, "100000000000000000000"},
        {123456789012345678.0, "123456789012346000"}, {999999999999999.9, "1000000000000000"},
        {std::nan(""), "0"}, {std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(decimalText(value), text);
    const std::string largest = decimalText(DBL_MAX);
    EXPECT_EQ(largest, "179769313486232" + std::string(294, '0'));
    EXPECT_EQ(decimalText(-DBL_MIN), "-0." + std::string(307, '0') + "22250738585072");
}

TEST(LeadingNumber, ReadsOnlyTheNumberAtTheStart) {
    using namespace std::string_literals;
    const std::pair<std::string, double> cases[] = {
        {"", 0}, {"   ", 0}, {"pesci", 0}, {"42", 42}, {"\t 3", 3}, {"+7", 7}, {"-12", -12}, {"--5", 0},
        {"+-5", 0}, {"4 2", 4}, {"12,5", 12}, {"1.000", 1}, {".5", 0.5}, {"+.5", 0.5}, {"5.", 5}, {".", 0},
        {"-", 0}, {"1.2.3", 1.2}, {"1e", 1}, {"1e+", 1}, {"1ex", 1}, {"1e3", 1000}, {"1E-2", 0.01},
        {"-.5e1", -5}, {"2.5e1x", 25}, {"12abc", 12}, {"-0", 0}, {"-0.0e5", 0}, {"nan", 0}, {"-inf", 0},
        {"infinity", 0}, {"0x10", 0}, {"&H10", 0}, {"1e309", DBL_MAX}, {"-1e309", -DBL_MAX},
        {"1e99999999999999999999999", DBL_MAX}, {"1e-400", 0}, {"-1e-400", 0}, {"0.000000001e9", 1},
        {std::string(400, '9'), DBL_MAX}, {"0." + std::string(400, '0') + "1e401", 1},
        {std::string(1 << 20, '7'), DBL_MAX}, {"0." + std::string(1 << 20, '0'), 0}, {"3\0" "9"s, 3},
        {"\xEF\xBC\x94\xEF\xBC\x92", 0}, {"\xF0\x9F\x90\x9F" "20", 0}, {"20\xF0\x9F\x90\x9F", 20}, {"\xFF\xFE" "20", 0},
    };
    for (const auto& [text, value] : cases) {
        const double got = leadingNumber(text);
        EXPECT_DOUBLE_EQ(got, value) << '"' << text.substr(0, 40) << '"';
        EXPECT_FALSE(got == 0 && std::signbit(got)) << "negative zero from \"" << text << '"';
    }
}

// The window toolkit puts the user's locale in force; an Italian one writes and reads "," as the point.
TEST(NumberText, IgnoresTheLocaleInForce) {
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "LOCPATH must hold it_IT.UTF-8";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const std::string text = decimalText(6.25);
    const double value = leadingNumber("12.5");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(text, "6.25");
    EXPECT_EQ(value, 12.5);
}

}  // namespace
}  // namespace ricattura
