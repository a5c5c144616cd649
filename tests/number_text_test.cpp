#include "control/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace ricattura {
namespace {

struct FormatCase {
    double value;
    std::string text;
};

class DecimalTextTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DecimalTextTest, WritesPlainDecimal) { EXPECT_EQ(decimalText(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Values, DecimalTextTest,
    ::testing::Values(FormatCase{0, "0"}, FormatCase{-0.0, "0"}, FormatCase{33600, "33600"},
                      FormatCase{-2100, "-2100"}, FormatCase{3.5, "3.5"}, FormatCase{6.25, "6.25"},
                      FormatCase{0.1, "0.1"}, FormatCase{-0.5, "-0.5"}, FormatCase{0.1 + 0.2, "0.3"},
                      FormatCase{2.0 / 3.0, "0.666666666666667"}, FormatCase{1.5e-7, "0.00000015"},
                      FormatCase{1e20, "100000000000000000000"},
                      FormatCase{123456789012345678.0, "123456789012346000"},
                      FormatCase{999999999999999.9, "1000000000000000"}, FormatCase{588059, "588059"},
                      FormatCase{std::nan(""), "0"}, FormatCase{std::numeric_limits<double>::infinity(), "0"}));

TEST(DecimalText, ExtremesStayPlainDigits) {
    const std::string largest = decimalText(DBL_MAX);
    EXPECT_EQ(largest.size(), 309U);
    EXPECT_EQ(largest.substr(0, 16), "1797693134862320");
    EXPECT_EQ(largest.find_first_not_of("0123456789"), std::string::npos);

    const std::string tiny = decimalText(-DBL_MIN);
    EXPECT_EQ(tiny.substr(0, 4), "-0.0");
    EXPECT_EQ(tiny.find_first_of("eE"), std::string::npos);
    EXPECT_EQ(tiny.substr(tiny.size() - 13), "2250738585072");  // 15 digits, the trailing 0 dropped
}

struct ParseCase {
    std::string text;
    double value;
};

class LeadingNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumberOnly) {
    const double got = leadingNumber(GetParam().text);
    EXPECT_TRUE(std::isfinite(got));
    EXPECT_DOUBLE_EQ(got, GetParam().value) << "input: \"" << GetParam().text << '"';
    if (got == 0) {
        EXPECT_FALSE(std::signbit(got)) << "negative zero from \"" << GetParam().text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(
        ParseCase{"", 0}, ParseCase{"   ", 0}, ParseCase{"abc", 0}, ParseCase{"42", 42}, ParseCase{"  42", 42},
        ParseCase{"\t 3", 3}, ParseCase{"+7", 7}, ParseCase{"-12", -12}, ParseCase{"--5", 0},
        ParseCase{"+-5", 0}, ParseCase{"4 2", 4}, ParseCase{"1,5", 1}, ParseCase{"1.000", 1},
        ParseCase{".5", 0.5}, ParseCase{"+.5", 0.5}, ParseCase{"5.", 5}, ParseCase{".", 0}, ParseCase{"-", 0},
        ParseCase{"1.2.3", 1.2}, ParseCase{"1e", 1}, ParseCase{"1e+", 1}, ParseCase{"1ex", 1},
        ParseCase{"1e3", 1000}, ParseCase{"1E-2", 0.01}, ParseCase{"-.5e1", -5}, ParseCase{"2.5e1x", 25},
        ParseCase{"12abc", 12}, ParseCase{"-0", 0}, ParseCase{"-0.0e5", 0}, ParseCase{"-inf", 0},
        ParseCase{"0x10", 0}, ParseCase{"1e309", DBL_MAX}, ParseCase{"-1e309", -DBL_MAX},
        ParseCase{"1e99999999999999999999999", DBL_MAX}, ParseCase{"1e-400", 0}, ParseCase{"-1e-400", 0},
        ParseCase{"0.000000001e9", 1}, ParseCase{std::string(400, '9'), DBL_MAX},
        ParseCase{"0." + std::string(400, '0') + "1e401", 1},
        ParseCase{"0." + std::string(1 << 20, '0'), 0}, ParseCase{std::string("3\0" "9", 3), 3}));

}  // namespace
}  // namespace ricattura
