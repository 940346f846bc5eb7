#include "runtime/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

using runtime::Currency;
using runtime::formatCurrency;
using runtime::formatDate;
using runtime::formatNumber;

namespace {

struct NumberCase {
    const char* name;
    const char* pattern;
    const char* value; // decimal text: read as a double and as an exact currency
    const char* expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.name;
}

std::string caseName(const testing::TestParamInfo<NumberCase>& info) {
    return info.param.name;
}

// Every row holds for a double and for the same amount as an exact currency value.
class NumberPatterns : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberPatterns, DoubleAndCurrencyGiveTheSameText) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(formatNumber(std::stod(c.value), c.pattern), c.expected);
    const auto money = Currency::parse(c.value);
    ASSERT_TRUE(money.has_value());
    EXPECT_EQ(formatCurrency(*money, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Format, NumberPatterns,
    testing::Values(
        // cheque numbers
        NumberCase{"ChequeNoPadsToFiveDigits", "00000", "42", "00042"},
        NumberCase{"ChequeNoZero", "00000", "0", "00000"},
        NumberCase{"ChequeNoWiderThanPattern", "00000", "123456", "123456"},
        NumberCase{"ChequeNoNegativeOneSection", "00000", "-42", "-00042"},
        NumberCase{"ChequeNoRoundsHalfUp", "00000", "7.5", "00008"},
        NumberCase{"ChequeNoRoundsHalfAwayBelowZero", "00000", "-7.5", "-00008"},
        // "#" places only
        NumberCase{"HashesZeroIsEmpty", "###", "0", ""},
        NumberCase{"HashesBelowHalfIsEmpty", "###", "0.4", ""},
        NumberCase{"HashesRoundHalfUp", "###", "2.5", "3"},
        NumberCase{"HashesShowAllDigits", "###", "1234", "1234"},
        NumberCase{"HashesNegative", "###", "-3", "-3"}, NumberCase{"TwoHashesDay", "##", "7", "7"},
        NumberCase{"TwoHashesYearShowsAllDigits", "##", "2026", "2026"},
        NumberCase{"TwoHashesZeroIsEmpty", "##", "0", ""},
        // counts and settings
        NumberCase{"CountZero", "###0", "0", "0"}, NumberCase{"CountLarge", "###0", "12345", "12345"},
        NumberCase{"CountNegative", "###0", "-5", "-5"},
        NumberCase{"CountWithBlankKeepsBlank", "###0 ", "7", "7 "},
        NumberCase{"CountWithBlankZero", "###0 ", "0", "0 "},
        NumberCase{"CountWithBlankLarge", "###0 ", "10000", "10000 "},
        NumberCase{"SmallIntZero", "##0", "0", "0"}, NumberCase{"SmallIntTrueFlag", "##0", "-1", "-1"},
        NumberCase{"SmallIntRoundsFontSize", "##0", "9.75", "10"},
        NumberCase{"TwipsRounded", "####0", "12345.5", "12346"}, NumberCase{"TwipsZero", "####0", "0", "0"},
        NumberCase{"ColourWhite", "#####0", "16777215", "16777215"},
        NumberCase{"ColourBlack", "#####0", "0", "0"},
        // list amounts
        NumberCase{"AmountGrouped", "###,##0.00", "1234.5", "1,234.50"},
        NumberCase{"AmountZero", "###,##0.00", "0", "0.00"},
        NumberCase{"AmountHalfCentRoundsUp", "###,##0.00", "0.005", "0.01"},
        NumberCase{"AmountNegativeOneSection", "###,##0.00", "-1234.5", "-1,234.50"},
        NumberCase{"AmountMillionsGrouped", "###,##0.00", "1234567.891", "1,234,567.89"},
        NumberCase{"AmountRoundingCarriesIntoNewGroup", "###,##0.00", "999.995", "1,000.00"},
        NumberCase{"AmountNegativeRoundsToZeroHasNoMinus", "###,##0.00", "-0.004", "0.00"},
        // balances
        NumberCase{"BalanceNegativeInParentheses", "###,##0.00;(###,##0.00)", "-12.5", "(12.50)"},
        NumberCase{"BalancePositive", "###,##0.00;(###,##0.00)", "12.5", "12.50"},
        NumberCase{"BalanceZero", "###,##0.00;(###,##0.00)", "0", "0.00"},
        NumberCase{"BalanceTinyNegativeIsPlainZero", "###,##0.00;(###,##0.00)", "-0.004", "0.00"},
        NumberCase{"BalanceHalfCentNegative", "###,##0.00;(###,##0.00)", "-0.005", "(0.01)"},
        NumberCase{"BalanceLargeNegative", "###,##0.00;(###,##0.00)", "-1234567", "(1,234,567.00)"},
        NumberCase{"ExportAmount", "##,##0.00", "12345.678", "12,345.68"},
        NumberCase{"ExportAmountNegative", "##,##0.00", "-0.5", "-0.50"},
        // money with a dollar sign
        NumberCase{"StatusNegative", "$#,##0.00;($#,##0.00)", "-25", "($25.00)"},
        NumberCase{"StatusPositive", "$#,##0.00;($#,##0.00)", "25", "$25.00"},
        NumberCase{"StatusZero", "$#,##0.00;($#,##0.00)", "0", "$0.00"},
        NumberCase{"StatusMillionsRounded", "$#,##0.00;($#,##0.00)", "1234567.125", "$1,234,567.13"},
        NumberCase{"StatusTinyNegative", "$#,##0.00;($#,##0.00)", "-0.001", "$0.00"},
        NumberCase{"ReportNegativeThousand", "$###,##0.00;($###,##0.00)", "-1000", "($1,000.00)"},
        NumberCase{"ReportRoundsToMillion", "$###,##0.00;($###,##0.00)", "999999.999", "$1,000,000.00"},
        NumberCase{"ReconcileBlankPositive", "$###,##0.00 ", "12.3", "$12.30 "},
        NumberCase{"ReconcileBlankNegativeMinusFirst", "$###,##0.00 ", "-12.3", "-$12.30 "},
        NumberCase{"StatementHundredMillions", "$###,###,##0.00;($###,###,##0.00)", "123456789.1",
                   "$123,456,789.10"},
        NumberCase{"StatementNegative", "$###,###,##0.00;($###,###,##0.00)", "-1", "($1.00)"},
        NumberCase{"CalculatedDime", "$##,###,##0.00 ", "0.1", "$0.10 "},
        NumberCase{"CalculatedNegative", "$##,###,##0.00 ", "-5", "-$5.00 "},
        NumberCase{"NetNegativeKeepsBlank", "$###,##0.00;($###,##0.00) ", "-3.5", "($3.50) "},
        NumberCase{"NetPositiveHasNoBlank", "$###,##0.00;($###,##0.00) ", "3.5", "$3.50"},
        NumberCase{"NetZeroUsesFirstSection", "$###,##0.00;($###,##0.00) ", "0", "$0.00"},
        NumberCase{"MixedSectionsPositive", "#,###,##0.00;(###,##0.00)", "1234567.5", "1,234,567.50"},
        NumberCase{"MixedSectionsNegative", "#,###,##0.00;(###,##0.00)", "-1234567.5", "(1,234,567.50)"},
        NumberCase{"BudgetExpense", "#####,##0.00;(###,##0.00)", "-250", "(250.00)"},
        NumberCase{"BudgetIncome", "#####,##0.00;(###,##0.00)", "1500", "1,500.00"},
        // optional decimals
        NumberCase{"OptionalDecimalsRoundToFour", "###,###,##0.00##;(###,###,##0.00##)", "3.14159", "3.1416"},
        NumberCase{"OptionalDecimalsWholeKeepsTwo", "###,###,##0.00##;(###,###,##0.00##)", "3", "3.00"},
        NumberCase{"OptionalDecimalsOneGivesTwo", "###,###,##0.00##;(###,###,##0.00##)", "3.1", "3.10"},
        NumberCase{"OptionalDecimalsThree", "###,###,##0.00##;(###,###,##0.00##)", "3.123", "3.123"},
        NumberCase{"OptionalDecimalsNegative", "###,###,##0.00##;(###,###,##0.00##)", "-2.00005", "(2.0001)"},
        NumberCase{"OptionalDecimalsGrouped", "###,###,##0.00##;(###,###,##0.00##)", "1234567.12345",
                   "1,234,567.1235"},
        // loan table
        NumberCase{"PrincipalHead", "$#,######", "150000", "$150,000"},
        NumberCase{"PrincipalHeadZeroShowsSign", "$#,######", "0", "$"},
        NumberCase{"PrincipalHeadRounded", "$#,######", "2499.5", "$2,500"},
        NumberCase{"PaymentCell", "$#,####.00", "1234.567", "$1,234.57"},
        NumberCase{"PaymentCellBelowOneHasNoLeadingZero", "$#,####.00", "0.5", "$.50"},
        NumberCase{"PaymentCellZero", "$#,####.00", "0", "$.00"},
        NumberCase{"RatePercent", "0.00%", "0.0825", "8.25%"},
        NumberCase{"RatePercentZero", "0.00%", "0", "0.00%"},
        NumberCase{"RatePercentRounded", "0.00%", "0.123456", "12.35%"},
        NumberCase{"RatePercentNegative", "0.00%", "-0.05", "-5.00%"},
        NumberCase{"RatePercentOverHundred", "0.00%", "1.5", "150.00%"}),
    caseName);

TEST(FormatNumber, DoubleRoundsItsDecimalValueNotItsBinaryNeighbour) {
    // 1.005 and 2.675 are stored a hair below the half; users expect the written value to round up.
    EXPECT_EQ(formatNumber(1.005, "###,##0.00"), "1.01");
    EXPECT_EQ(formatNumber(2.675, "###,##0.00"), "2.68");
    EXPECT_EQ(formatNumber(-2.675, "###,##0.00;(###,##0.00)"), "(2.68)");
}

TEST(FormatNumber, LargeDoublesShowEveryIntegerDigit) {
    EXPECT_EQ(formatNumber(1e15, "###,##0.00"), "1,000,000,000,000,000.00");
    EXPECT_EQ(formatNumber(-1e20, "$#,##0.00;($#,##0.00)"), "($100,000,000,000,000,000,000.00)");
    EXPECT_EQ(formatNumber(123456789012.0, "00000"), "123456789012");
}

TEST(FormatNumber, PatternSyntaxBeyondTheRegistersPatterns) {
    EXPECT_EQ(formatNumber(5, "0 \"items;\""), "5 items;");
    EXPECT_EQ(formatNumber(5, "\\#0"), "#5");
    EXPECT_EQ(formatNumber(0, "0.00;(0.00);\"nil\""), "nil");
    EXPECT_EQ(formatNumber(-0.001, "0.00;(0.00);\"nil\""), "nil");
    EXPECT_EQ(formatNumber(-5, "0.00;"), "-5.00");
    EXPECT_EQ(formatNumber(5, "#.##"), "5.");
}

TEST(FormatNumber, UnusableValuesGiveEmptyText) {
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), "###0"), "");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), "###0"), "");
}

TEST(FormatNumber, EmptyPatternGivesPlainNumber) {
    EXPECT_EQ(formatNumber(12.5, ""), "12.5");
    EXPECT_EQ(formatNumber(-0.25, ""), "-0.25");
    EXPECT_EQ(formatNumber(0.1 + 0.2, ""), "0.3");
    EXPECT_EQ(formatCurrency(Currency::fromTicks(-10000), ""), "-1");
}

TEST(FormatCurrency, ExtremesAreExact) {
    const Currency max = Currency::fromTicks(std::numeric_limits<std::int64_t>::max());
    const Currency min = Currency::fromTicks(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(formatCurrency(max, "###,###,##0.00##;(###,###,##0.00##)"), "922,337,203,685,477.5807");
    EXPECT_EQ(formatCurrency(min, "###,###,##0.00##;(###,###,##0.00##)"), "(922,337,203,685,477.5808)");
    EXPECT_EQ(formatCurrency(max, "$#,##0.00;($#,##0.00)"), "$922,337,203,685,477.58");
    EXPECT_EQ(formatCurrency(min, "###0"), "-922337203685478");
    // A sum a double could not hold exactly: 0.1 added ten times is exactly 1.
    Currency sum;
    for (int i = 0; i < 10; ++i) {
        sum += *Currency::parse("0.1");
    }
    EXPECT_EQ(formatCurrency(sum, "###,###,##0.00##"), "1.00");
}

struct DateCase {
    const char* name;
    int year, month, day, hour, minute;
    const char* pattern;
    const char* expected;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << c.name;
}

class DatePatterns : public testing::TestWithParam<DateCase> {};

TEST_P(DatePatterns, Formats) {
    const DateCase& c = GetParam();
    const runtime::OleDate d = runtime::oleFromCivilTime(c.year, c.month, c.day, c.hour, c.minute, 0);
    EXPECT_EQ(formatDate(d, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Format, DatePatterns,
    testing::Values(DateCase{"EndOfCentury", 1999, 12, 31, 0, 0, "mm/dd/yy", "12/31/99"},
                    DateCase{"FirstRegisterDay", 1980, 1, 1, 0, 0, "mm/dd/yy", "01/01/80"},
                    DateCase{"LastRegisterDayShort", 2099, 12, 31, 0, 0, "mm/dd/yy", "12/31/99"},
                    DateCase{"LastRegisterDayLong", 2099, 12, 31, 0, 0, "mm/dd/yyyy", "12/31/2099"},
                    DateCase{"YearTwoThousandShort", 2000, 1, 1, 0, 0, "mm/dd/yy", "01/01/00"},
                    DateCase{"LeapDay", 2000, 2, 29, 0, 0, "mm/dd/yyyy", "02/29/2000"},
                    DateCase{"NineteenHundredMarch", 1900, 3, 1, 0, 0, "mm/dd/yyyy", "03/01/1900"},
                    DateCase{"OneDigitMonth", 2024, 3, 5, 0, 0, "m/dd/yyyy", "3/05/2024"},
                    DateCase{"TwoDigitMonthInShortForm", 2024, 11, 5, 0, 0, "m/dd/yyyy", "11/05/2024"},
                    DateCase{"DayZeroOfOleDates", 1899, 12, 30, 0, 0, "mm/dd/yyyy", "12/30/1899"},
                    DateCase{"MorningClock", 2024, 3, 5, 9, 5, "h:mm AMPM ", "9:05 AM "},
                    DateCase{"NoonIsPm", 2024, 3, 5, 12, 30, "h:mm AMPM ", "12:30 PM "},
                    DateCase{"MidnightIsTwelveAm", 2024, 3, 5, 0, 0, "h:mm AMPM ", "12:00 AM "},
                    DateCase{"LastMinuteOfDay", 2024, 3, 5, 23, 59, "h:mm AMPM ", "11:59 PM "},
                    DateCase{"BeforeDayZeroKeepsPositiveTime", 1899, 12, 29, 6, 0, "mm/dd/yyyy h:mm AMPM ",
                             "12/29/1899 6:00 AM "},
                    DateCase{"NamesAndTwentyFourHours", 2024, 2, 29, 18, 7, "dddd d mmmm yyyy hh:nn",
                             "Thursday 29 February 2024 18:07"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FormatDate, NegativeDateKeepsTimeAsPositiveFraction) {
    EXPECT_EQ(formatDate(-1.25, "mm/dd/yyyy h:mm AMPM "), "12/29/1899 6:00 AM ");
    EXPECT_EQ(formatDate(-1.75, "mm/dd/yyyy h:mm AMPM "), "12/29/1899 6:00 PM ");
}

TEST(FormatDate, UnusableDateGivesEmptyText) {
    EXPECT_EQ(formatDate(std::nan(""), "mm/dd/yy"), "");
    EXPECT_EQ(formatDate(1e12, "mm/dd/yy"), "");
    EXPECT_EQ(formatDate(-700000.0, "mm/dd/yy"), "");
}

} // namespace
