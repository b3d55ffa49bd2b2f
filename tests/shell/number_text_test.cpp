#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tessaro {
namespace {

double Plain(std::string_view text) {
    return PlainNumericPrefix(text).value();
}
double Comma(std::string_view text) {
    return DecimalCommaConversion(text).value();
}

TEST(PlainNumericPrefix, ReadsTheNumberAtTheStartAndStopsAtAnythingElse) {
    EXPECT_EQ(Plain("12,5"), 12);
    EXPECT_EQ(Plain("12.5 kW"), 12.5);
    EXPECT_EQ(Plain("-60.5"), -60.5);
    EXPECT_EQ(Plain("+7"), 7);
    EXPECT_EQ(Plain(".5"), 0.5);
    EXPECT_EQ(Plain("-.5"), -0.5);
    EXPECT_EQ(Plain("5."), 5);
    EXPECT_EQ(Plain("1.2.3"), 1.2);
    EXPECT_EQ(Plain("abc"), 0);
    EXPECT_EQ(Plain(""), 0);
    EXPECT_EQ(Plain("-"), 0);
    EXPECT_EQ(Plain("."), 0);
    EXPECT_EQ(Plain("35 °C"), 35);
}

TEST(PlainNumericPrefix, IgnoresBlanksTabsAndLineFeedsWhereverTheyStand) {
    EXPECT_EQ(Plain("1 2,5"), 12);
    EXPECT_EQ(Plain("  -\t4\n2"), -42);
    EXPECT_EQ(Plain(" 8"), 8);
    // A carriage return is not ignored: it ends the number.
    EXPECT_EQ(Plain("4\r2"), 4);
}

TEST(PlainNumericPrefix, ReadsAnExponentOnlyWhenDigitsFollowTheLetter) {
    EXPECT_EQ(Plain("1E3"), 1000);
    EXPECT_EQ(Plain("2.5e-1"), 0.25);
    EXPECT_EQ(Plain("1e+2x"), 100);
    EXPECT_EQ(Plain("7E"), 7);
    EXPECT_EQ(Plain("7E+"), 7);
    EXPECT_EQ(Plain("7Ex5"), 7);
    EXPECT_EQ(Plain("1e-400"), 0);
}

TEST(PlainNumericPrefix, ANumberBeyondTheRangeOfADoubleFails) {
    EXPECT_FALSE(PlainNumericPrefix("1e400").has_value());
    EXPECT_FALSE(DecimalCommaConversion("-2e999").has_value());
}

TEST(DecimalCommaConversion, TakesTheFirstCommaAsTheDecimalPointOnlyWithoutAPoint) {
    EXPECT_EQ(Comma("12,5"), 12.5);
    EXPECT_EQ(Comma("0,25"), 0.25);
    EXPECT_EQ(Comma(" 12, 5"), 12.5);
    EXPECT_EQ(Comma("1,5,7"), 1.5);
    EXPECT_EQ(Comma("0,0"), 0);
    EXPECT_EQ(Comma("1.000,5"), 1);  // a point present: read as plain prefix
    EXPECT_EQ(Comma("12.5"), 12.5);
    EXPECT_EQ(Comma(",5"), 0.5);
    EXPECT_EQ(Comma(""), 0);
    EXPECT_EQ(Comma("   "), 0);
    EXPECT_EQ(Comma("-3,5"), -3.5);
}

// Both texts are written the same whatever the user's decimal separator is, apart from the one
// character that the plain number text takes from it.
class NumberTextBySeparator : public ::testing::TestWithParam<char> {};

TEST_P(NumberTextBySeparator, PlainNumberTextIsTheShortestFormWithTheSystemSeparator) {
    const char sep = GetParam();
    auto with = [sep](std::string text) {
        for (char& c : text)
            c = c == '.' ? sep : c;
        return text;
    };
    EXPECT_EQ(PlainNumberText(12.5, sep), with("12.5"));
    EXPECT_EQ(PlainNumberText(-11.6, sep), with("-11.6"));
    EXPECT_EQ(PlainNumberText(46.4, sep), with("46.4"));
    EXPECT_EQ(PlainNumberText(32 + 14.4, sep), with("46.4"));
    EXPECT_EQ(PlainNumberText(-10 + 8 - 9.6, sep), with("-11.6"));
    EXPECT_EQ(PlainNumberText(3, sep), "3");
    EXPECT_EQ(PlainNumberText(0, sep), "0");
    EXPECT_EQ(PlainNumberText(-0.0, sep), "0");
    EXPECT_EQ(PlainNumberText(0.5, sep), with("0.5"));
    EXPECT_EQ(PlainNumberText(1.0 / 3.0, sep), with("0.333333333333333"));
    EXPECT_EQ(PlainNumberText(1e20, sep), "1e+20");
}

TEST_P(NumberTextBySeparator, SignPlaceNumberTextAlwaysUsesAPointAndASignPlace) {
    (void)GetParam();
    EXPECT_EQ(SignPlaceNumberText(8), " 8");
    EXPECT_EQ(SignPlaceNumberText(0.5), " .5");
    EXPECT_EQ(SignPlaceNumberText(-0.5), "-.5");
    EXPECT_EQ(SignPlaceNumberText(-60), "-60");
    EXPECT_EQ(SignPlaceNumberText(0), " 0");
    EXPECT_EQ(SignPlaceNumberText(-0.0), " 0");
    EXPECT_EQ(SignPlaceNumberText(34.4), " 34.4");
    EXPECT_EQ(SignPlaceNumberText(0.25), " .25");
    EXPECT_EQ(SignPlaceNumberText(123456), " 123456");
}

TEST_P(NumberTextBySeparator, TextsWrittenByTheFormReadBackAsTheConversionsSay) {
    const char sep = GetParam();
    std::string text = PlainNumberText(12.5, sep);
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
    // Far enough below the largest double, 15 digits stay.
    EXPECT_EQ(PlainNumberText(1.7976931348623e308, '.'), "1.7976931348623e+308");
    EXPECT_EQ(PlainNumberText(1e308, '.'), "1e+308");
    EXPECT_EQ(PlainNumberText(std::numeric_limits<double>::denorm_min(), '.'),
              "4.94065645841247e-324");
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberTextBySeparator, ::testing::Values('.', ','));

}  // namespace
}  // namespace tessaro
