#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tessaro {
namespace {

struct Reading {
    std::string_view text;
    double plain;  // PlainNumericPrefix
    double comma;  // DecimalCommaConversion
};

// The plain prefix stops at anything that is no part of a number, skipping blanks, tabs and line
// feeds wherever they stand (a carriage return ends it) and reading an exponent only when digits
// follow the letter. The comma conversion takes the first comma as the point, only without one.
TEST(NumberConversions, ReadTheNumberAtTheStartOfTheText) {
    const Reading cases[] = {
        {"12,5", 12, 12.5},
        {"12.5 kW", 12.5, 12.5},
        {"-60.5", -60.5, -60.5},
        {"+7", 7, 7},
        {".5", 0.5, 0.5},
        {"-.5", -0.5, -0.5},
        {"5.", 5, 5},
        {"1.2.3", 1.2, 1.2},
        {"abc", 0, 0},
        {"", 0, 0},
        {"-", 0, 0},
        {".", 0, 0},
        {"35 °C", 35, 35},
        {"1 2,5", 12, 12.5},
        {"  -\t4\n2", -42, -42},
        {"4\r2", 4, 4},
        {"1E3", 1000, 1000},
        {"2.5e-1", 0.25, 0.25},
        {"1e+2x", 100, 100},
        {"7E", 7, 7},
        {"7E+", 7, 7},
        {"7Ex5", 7, 7},
        {"1e-400", 0, 0},
        {"0,25", 0, 0.25},
        {" 12, 5", 12, 12.5},
        {"1,5,7", 1, 1.5},
        {"0,0", 0, 0},
        {"1.000,5", 1, 1},
        {",5", 0, 0.5},
        {"   ", 0, 0},
        {"-3,5", -3, -3.5},
    };
    for (const Reading& c : cases) {
        EXPECT_EQ(PlainNumericPrefix(c.text).value(), c.plain) << c.text;
        EXPECT_EQ(DecimalCommaConversion(c.text).value(), c.comma) << c.text;
    }
    EXPECT_FALSE(PlainNumericPrefix("1e400").has_value());
    EXPECT_FALSE(DecimalCommaConversion("-2e999").has_value());
}

// Both texts are written the same whatever the user's decimal separator is, apart from the one
// character that the plain number text takes from it.
class NumberTextBySeparator : public ::testing::TestWithParam<char> {};

TEST_P(NumberTextBySeparator, PlainTextIsShortestWithTheSystemSeparatorSignPlaceTextUsesAPoint) {
    const char sep = GetParam();
    const std::pair<double, std::string> plain[] = {
        {12.5, "12.5"},  {-11.6, "-11.6"}, {32 + 14.4, "46.4"}, {-10 + 8 - 9.6, "-11.6"},
        {3, "3"},        {-0.0, "0"},      {0.5, "0.5"},        {1.0 / 3.0, "0.333333333333333"},
        {1e20, "1e+20"},
    };
    for (auto [value, text] : plain) {
        std::replace(text.begin(), text.end(), '.', sep);
        EXPECT_EQ(PlainNumberText(value, sep), text) << value;
    }
    const std::pair<double, const char*> signPlace[] = {
        {8, " 8"}, {0.5, " .5"}, {-0.5, "-.5"},   {-60, "-60"},
        {0, " 0"}, {-0.0, " 0"}, {34.4, " 34.4"}, {123456, " 123456"},
    };
    for (auto [value, text] : signPlace)
        EXPECT_EQ(SignPlaceNumberText(value), text) << value;

    const std::string text = PlainNumberText(12.5, sep);
    EXPECT_EQ(DecimalCommaConversion(text).value(), 12.5);
    EXPECT_EQ(PlainNumericPrefix(text).value(), sep == ',' ? 12 : 12.5);
    EXPECT_EQ(DecimalCommaConversion(SignPlaceNumberText(-0.5)).value(), -0.5);
}

// No text the program writes reads back as out of range: 15 digits everywhere, 17 only where 15
// would round past the largest double.
TEST_P(NumberTextBySeparator, TheLargestNumbersReadBackExactly) {
    const char sep = GetParam();
    const double max = std::numeric_limits<double>::max();
    const double belowMax = std::nextafter(max, 0.0);
    for (double value : {max, -max, belowMax, -belowMax}) {
        EXPECT_EQ(DecimalCommaConversion(PlainNumberText(value, sep)), value);
        EXPECT_EQ(DecimalCommaConversion(SignPlaceNumberText(value)), value);
    }
    EXPECT_EQ(PlainNumberText(max, '.'), "1.7976931348623157e+308");
    EXPECT_EQ(SignPlaceNumberText(-max), "-1.7976931348623157e+308");
    EXPECT_EQ(PlainNumberText(1.7976931348623e308, '.'), "1.7976931348623e+308");
    EXPECT_EQ(PlainNumberText(std::numeric_limits<double>::denorm_min(), '.'),
              "4.94065645841247e-324");
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberTextBySeparator, ::testing::Values('.', ','));

}  // namespace
}  // namespace tessaro
