// The strict and the lenient conversion, rounding halves to even, Boolean
// text and number text: never the process locale.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <locale>
#include <optional>

#include "data/numbers.h"

namespace {

using namespace data;

TEST(Numbers, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(2.4999999), 2);
}

TEST(Numbers, MoneyStopsAtTheLimitsOfTheLongRange) {
    const struct {
        long long money;
        double amount;
        long long result;
    } cases[] = {
        {50, 2.5, 52},          {50, 3.5, 54},           {2147483000, 647, 2147483647}, {2147483000, 1e12, 2147483647},
        {2147483647, 1, 2147483647}, {2147483647, 1e300, 2147483647}, {-2147483000, -1e12, -2147483648LL},
        {100, -30, 70},         {100, std::nan(""), 100},
    };
    for (const auto& c : cases) EXPECT_EQ(AddMoney(c.money, c.amount), c.result) << c.money << " + " << c.amount;
}

TEST(Numbers, RoundingSaturatesBeyondTheWholeNumberRange) {
    constexpr long long max = std::numeric_limits<long long>::max(), min = std::numeric_limits<long long>::min();
    const std::pair<double, long long> cases[] = {
        {9.2e18, 9200000000000000000LL}, {9.3e18, max}, {1e300, max}, {HUGE_VAL, max},
        {-9.3e18, min},                  {-HUGE_VAL, min}, {std::nan(""), 0}, {-9223372036854775808.0, min},
    };
    for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(Numbers, StrictIntegerTakesANumberInTheUsersLocale) {
    EXPECT_EQ(StrictInteger("1500", ','), 1500);
    EXPECT_EQ(StrictInteger("  42  ", ','), 42);
    EXPECT_EQ(StrictInteger("-7", ','), -7);
    EXPECT_EQ(StrictInteger("+7", ','), 7);
    EXPECT_EQ(StrictInteger("2,5", ','), 2);
    EXPECT_EQ(StrictInteger("3,5", ','), 4);
    EXPECT_EQ(StrictInteger("2.5", '.'), 2);
    EXPECT_EQ(StrictInteger("1E3", '.'), 1000);
    EXPECT_EQ(StrictInteger(",5", ','), 0);
}

TEST(Numbers, StrictIntegerRejectsWhatIsNotANumber) {
    for (const char* text : {"", "   ", "abc", "12a", "1 2", "2.5", "1;2", "-", ",", "1e", "--1", "0x10"})
        EXPECT_EQ(StrictInteger(text, ','), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(StrictInteger("2,5", '.'), std::nullopt);
    // Beyond the range of a double: an overflow, not some other number.
    EXPECT_EQ(StrictNumber("1e400", '.'), std::nullopt);
    EXPECT_EQ(StrictInteger("1e400", '.'), std::nullopt);
}

TEST(Numbers, LenientTakesTheLeadingNumberWithAPoint) {
    EXPECT_EQ(LenientInteger("1500;30"), 1500);
    EXPECT_EQ(LenientInteger("  5000 twips"), 5000);
    EXPECT_EQ(LenientInteger("2.5"), 2);
    EXPECT_EQ(LenientInteger("3.5kg"), 4);
    EXPECT_EQ(LenientInteger("1,5"), 1);  // the comma is no decimal point here
    EXPECT_EQ(LenientInteger("-12"), -12);
    EXPECT_EQ(LenientInteger("1e3"), 1000);
    EXPECT_EQ(LenientInteger("abc"), 0);
    EXPECT_EQ(LenientInteger(""), 0);
    EXPECT_EQ(LenientInteger(";30"), 0);
    EXPECT_EQ(LenientInteger("1e400"), 0);
    EXPECT_DOUBLE_EQ(LenientNumber("0.25 кг"), 0.25);
}

TEST(Numbers, BooleanTextIsTrueFalseInAnyCaseOrANumber) {
    EXPECT_EQ(BooleanText("true", ','), true);
    EXPECT_EQ(BooleanText("TRUE", ','), true);
    EXPECT_EQ(BooleanText("False", ','), false);
    EXPECT_EQ(BooleanText(" false ", ','), false);
    EXPECT_EQ(BooleanText("0", ','), false);
    EXPECT_EQ(BooleanText("-1", ','), true);
    EXPECT_EQ(BooleanText("0,5", ','), true);
    EXPECT_EQ(BooleanText("yes", ','), std::nullopt);
    EXPECT_EQ(BooleanText("", ','), std::nullopt);
    EXPECT_EQ(BooleanText("truely", ','), std::nullopt);
}

TEST(Numbers, NumberTextIsTheShortestFormWithTheUsersSeparator) {
    EXPECT_EQ(NumberText(1.5, ','), "1,5");
    EXPECT_EQ(NumberText(1.25, '.'), "1.25");
    EXPECT_EQ(NumberText(2, ','), "2");
    EXPECT_EQ(NumberText(0, ','), "0");
    EXPECT_EQ(NumberText(-0.0, ','), "0");
    EXPECT_EQ(NumberText(-3.75, ','), "-3,75");
    EXPECT_EQ(NumberText(0.001, ','), "0,001");
    EXPECT_EQ(NumberText(1.0 / 3.0, '.'), "0.333333333333333");
    EXPECT_EQ(NumberText(123456.789, ','), "123456,789");
    EXPECT_EQ(NumberText(0.00001, ','), "1E-05");
    EXPECT_EQ(NumberText(1e15, '.'), "1E+15");
    EXPECT_EQ(IntText(-42), "-42");
}

TEST(Numbers, PlainTextNeverUsesAnExponent) {
    EXPECT_EQ(SingleText(5400.0f, '.'), "5400");
    EXPECT_EQ(SingleText(15000000.0f, '.'), "15000000");
    EXPECT_EQ(SingleText(0.1f, '.'), "0.1");
    EXPECT_EQ(SingleText(-2.5f, ','), "-2,5");
    EXPECT_EQ(PlainText(1e-5, '.'), "0.00001");
    EXPECT_EQ(PlainText(2.0, '.'), "2");
}

// A locale whose decimal point is a comma, as the desktop toolkit may set.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(Numbers, TheProcessLocaleChangesNothing) {
    const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    EXPECT_EQ(StrictInteger("2.5", '.'), 2);
    EXPECT_EQ(StrictInteger("3,5", '.'), std::nullopt);
    EXPECT_EQ(LenientInteger("3.5"), 4);
    EXPECT_EQ(NumberText(1.5, '.'), "1.5");
    EXPECT_EQ(SingleText(0.25f, '.'), "0.25");
    std::locale::global(saved);
}

}  // namespace
