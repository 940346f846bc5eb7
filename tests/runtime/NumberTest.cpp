#include "runtime/Currency.h"
#include "runtime/RuntimeError.h"
#include "runtime/Val.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

using runtime::Currency;
using runtime::RuntimeError;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

struct ParseCase {
    const char* name;
    const char* text;
    bool ok;
    std::int64_t ticks;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class CurrencyParse : public testing::TestWithParam<ParseCase> {};

TEST_P(CurrencyParse, ReadsEntryBoxText) {
    const ParseCase& c = GetParam();
    const auto v = Currency::parse(c.text);
    ASSERT_EQ(v.has_value(), c.ok);
    if (c.ok) {
        EXPECT_EQ(v->ticks(), c.ticks);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Currency, CurrencyParse,
    testing::Values(
        ParseCase{"Whole", "12", true, 120000}, ParseCase{"TwoDecimals", "12.34", true, 123400},
        ParseCase{"FourDecimals", "0.0001", true, 1}, ParseCase{"LeadingPoint", ".5", true, 5000},
        ParseCase{"TrailingPoint", "5.", true, 50000}, ParseCase{"DollarDropped", "$1234.56", true, 12345600},
        ParseCase{"Negative", "-25", true, -250000}, ParseCase{"DollarThenMinus", "$-25", true, -250000},
        ParseCase{"MinusThenDollar", "-$25", true, -250000}, ParseCase{"Blanks", "  7.5 ", true, 75000},
        ParseCase{"FifthDecimalRoundsUp", "0.00005", true, 1},
        ParseCase{"FifthDecimalRoundsDown", "0.00004999", true, 0},
        ParseCase{"NegativeRoundsAwayFromZero", "-1.23455", true, -12346},
        ParseCase{"LeadingZeros", "000042", true, 420000},
        ParseCase{"LargestValue", "922337203685477.5807", true, kMax},
        ParseCase{"SmallestValue", "-922337203685477.5808", true, kMin},
        ParseCase{"OneTickTooLarge", "922337203685477.5808", false, 0},
        ParseCase{"RoundsPastLargest", "922337203685477.58075", false, 0},
        ParseCase{"FarTooLarge", "99999999999999999999", false, 0}, ParseCase{"Empty", "", false, 0},
        ParseCase{"OnlyDollar", "$", false, 0}, ParseCase{"OnlyMinus", "-", false, 0},
        ParseCase{"OnlyPoint", ".", false, 0}, ParseCase{"TwoPoints", "1.2.3", false, 0},
        ParseCase{"Comma", "1,234.00", false, 0}, ParseCase{"Letters", "12abc", false, 0},
        ParseCase{"TrailingMinus", "12-", false, 0}, ParseCase{"DoubleMinus", "--5", false, 0},
        ParseCase{"PlusSign", "+5", false, 0}, ParseCase{"InnerBlank", "1 2", false, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Currency, ArithmeticIsExact) {
    const Currency a = *Currency::parse("0.1");
    const Currency b = *Currency::parse("0.2");
    EXPECT_EQ((a + b).ticks(), 3000);
    EXPECT_EQ((a - b).ticks(), -1000);
    EXPECT_EQ((-a).ticks(), -1000);
    EXPECT_EQ((a * 7).ticks(), 7000);
    EXPECT_LT(-a, a);
    EXPECT_EQ(a + b, *Currency::parse("0.3"));
    EXPECT_EQ(Currency::fromUnits(-3).ticks(), -30000);
}

TEST(Currency, OverflowRaisesError6) {
    const Currency max = Currency::fromTicks(kMax);
    const Currency min = Currency::fromTicks(kMin);
    const Currency tick = Currency::fromTicks(1);
    auto expectOverflow = [](auto op) {
        try {
            op();
            ADD_FAILURE() << "no overflow";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), 6);
            EXPECT_STREQ(e.what(), "Overflow");
        }
    };
    expectOverflow([&] { return max + tick; });
    expectOverflow([&] { return min - tick; });
    expectOverflow([&] { return -min; });
    expectOverflow([&] { return max * 2; });
    expectOverflow([&] { return min * -1; });
    expectOverflow([&] { return Currency::fromUnits(kMax / 1000); });
    expectOverflow([&] { return Currency::fromDouble(1e15); });
    expectOverflow([&] { return Currency::fromDouble(std::nan("")); });
    expectOverflow([&] { return Currency::fromDouble(-std::numeric_limits<double>::infinity()); });
    EXPECT_EQ((max - max).ticks(), 0);
    EXPECT_EQ((min + max).ticks(), -1);
}

TEST(Currency, FromDoubleRoundsHalfAwayFromZero) {
    EXPECT_EQ(Currency::fromDouble(1.5).ticks(), 15000);
    EXPECT_EQ(Currency::fromDouble(0.00005).ticks(), 1);
    EXPECT_EQ(Currency::fromDouble(-0.00005).ticks(), -1);
    EXPECT_EQ(Currency::fromDouble(0.00004).ticks(), 0);
    EXPECT_EQ(Currency::fromDouble(-123.45678).ticks(), -1234568);
    EXPECT_EQ(Currency::fromDouble(0.1).toDouble(), 0.1);
}

TEST(Currency, ToStringReadsBack) {
    for (const char* text :
         {"12.5", "-0.0001", "3", "0", "922337203685477.5807", "-922337203685477.5808", "100.01"}) {
        EXPECT_EQ(Currency::parse(text)->toString(), text);
    }
}

struct ValCase {
    const char* name;
    const char* text;
    double value;
};

void PrintTo(const ValCase& c, std::ostream* os) {
    *os << c.name;
}

class Val : public testing::TestWithParam<ValCase> {};

TEST_P(Val, ReadsTheLeadingNumber) {
    EXPECT_EQ(runtime::val(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, Val,
    testing::Values(ValCase{"Empty", "", 0}, ValCase{"NoNumber", "abc", 0}, ValCase{"Integer", "42", 42},
                    ValCase{"Decimal", "12.75", 12.75}, ValCase{"LeadingBlanksAndTabs", " \t 7", 7},
                    ValCase{"Negative", "-3.5", -3.5}, ValCase{"PlusSign", "+8", 8},
                    ValCase{"InnerBlanksSkipped", "1 234 5", 12345}, ValCase{"BlankAfterSign", "- 5", -5},
                    ValCase{"CommaStops", "1,234.56", 1},
                    ValCase{"CommaReplacedByBlank", "1 234.56", 1234.56},
                    ValCase{"SecondPointStops", "1.2.3", 1.2}, ValCase{"TextAfterNumber", "25 apples", 25},
                    ValCase{"DollarIsNoNumber", "$25", 0}, ValCase{"LoneMinus", "-", 0},
                    ValCase{"LeadingPoint", ".5", 0.5}, ValCase{"Exponent", "1.5e3", 1500},
                    ValCase{"NegativeExponent", "25E-2", 0.25}, ValCase{"DExponent", "2d2", 200},
                    ValCase{"BareExponentIgnored", "7e", 7}, ValCase{"ExponentWithoutDigits", "7e+x", 7},
                    ValCase{"Hex", "&HFF", 255}, ValCase{"HexFourDigitsIsInteger", "&HFFFF", -1},
                    ValCase{"HexLong", "&H10000", 65536}, ValCase{"Octal", "&O17", 15},
                    ValCase{"HexWithoutDigits", "&H", 0},
                    ValCase{"Overflow", "1e999", 1.7976931348623157e308}, ValCase{"Underflow", "1e-999", 0},
                    ValCase{"NegativeZero", "-0", 0}, ValCase{"ParenthesesAreNoNumber", "(12.50)", 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ValSign, NegativeZeroHasNoSign) {
    EXPECT_FALSE(std::signbit(runtime::val("-0.0")));
}

} // namespace
