#include "runtime/Clock.h"
#include "runtime/Format.h"
#include "runtime/OleDate.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <ostream>
#include <string>

using namespace runtime;

namespace {

struct CivilCase {
    const char* name;
    int year, month, day;
    double ole;
    int weekday; // 1 = Sunday
};

void PrintTo(const CivilCase& c, std::ostream* os) {
    *os << c.name;
}

class CivilDates : public testing::TestWithParam<CivilCase> {};

TEST_P(CivilDates, ConvertBothWaysAndKnowTheWeekday) {
    const CivilCase& c = GetParam();
    EXPECT_EQ(oleFromCivil(c.year, c.month, c.day), c.ole);
    EXPECT_EQ(civilFromOle(c.ole), (CivilDate{c.year, c.month, c.day}));
    EXPECT_EQ(weekdayOf(c.ole), c.weekday);
    EXPECT_EQ(makeDate(c.year, c.month, c.day), c.ole);
}

INSTANTIATE_TEST_SUITE_P(
    OleDates, CivilDates,
    testing::Values(
        CivilCase{"DayZeroIsSaturday", 1899, 12, 30, 0, 7}, CivilCase{"DayBeforeZero", 1899, 12, 29, -1, 6},
        CivilCase{"FirstOf1900", 1900, 1, 1, 2, 2}, CivilCase{"NoFebruary29In1900", 1900, 2, 28, 60, 4},
        CivilCase{"March1900FollowsFeb28", 1900, 3, 1, 61, 5}, CivilCase{"RegisterMin", 1980, 1, 1, 29221, 3},
        CivilCase{"LastDayOf1999", 1999, 12, 31, 36525, 6}, CivilCase{"FirstDayOf2000", 2000, 1, 1, 36526, 7},
        CivilCase{"LeapDay2000", 2000, 2, 29, 36585, 3}, CivilCase{"LeapDay2024", 2024, 2, 29, 45351, 5},
        CivilCase{"RegisterMax", 2099, 12, 31, 73050, 5}, CivilCase{"FirstUsableDay", 100, 1, 1, -657434, 6},
        CivilCase{"LastUsableDay", 9999, 12, 31, 2958465, 6}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(OleDates, FractionBeforeDayZeroStaysOnItsDay) {
    EXPECT_EQ(civilFromOle(-1.25), (CivilDate{1899, 12, 29}));
    EXPECT_EQ(timeOfDayFromOle(-1.25), (TimeOfDay{6, 0, 0}));
    EXPECT_EQ(weekdayOf(-1.99), 6);
    EXPECT_EQ(oleFromCivilTime(1899, 12, 29, 18, 0, 0), -1.75);
    EXPECT_EQ(oleFromCivilTime(1899, 12, 30, 18, 0, 0), 0.75);
}

TEST(OleDates, ValidationRejectsImpossibleDays) {
    EXPECT_FALSE(makeDate(1997, 2, 29));
    EXPECT_FALSE(makeDate(1900, 2, 29));
    EXPECT_TRUE(makeDate(2000, 2, 29));
    EXPECT_FALSE(makeDate(1997, 4, 31));
    EXPECT_FALSE(makeDate(1997, 13, 1));
    EXPECT_FALSE(makeDate(1997, 0, 1));
    EXPECT_FALSE(makeDate(1997, 1, 0));
    EXPECT_FALSE(makeDate(99, 12, 31));
    EXPECT_FALSE(makeDate(10000, 1, 1));
}

TEST(OleDates, UsableRange) {
    EXPECT_TRUE(isUsableDate(-657434.0));
    EXPECT_FALSE(isUsableDate(-657435.0));
    EXPECT_TRUE(isUsableDate(2958465.99));
    EXPECT_FALSE(isUsableDate(2958466.0));
    EXPECT_FALSE(isUsableDate(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(isUsableDate(std::numeric_limits<double>::infinity()));
    // Values read from a damaged file must not crash the conversions.
    EXPECT_EQ(civilFromOle(std::numeric_limits<double>::quiet_NaN()), (CivilDate{1899, 12, 30}));
    EXPECT_EQ(civilFromOle(1e300), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(civilFromOle(-std::numeric_limits<double>::infinity()), (CivilDate{100, 1, 1}));
    EXPECT_EQ(timeOfDayFromOle(std::numeric_limits<double>::infinity()), (TimeOfDay{0, 0, 0}));
}

struct TypedCase {
    const char* name;
    const char* text;
    int year, month, day; // year 0: rejected
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedDates : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedDates, Parse) {
    const TypedCase& c = GetParam();
    const auto d = parseTypedDate(c.text);
    if (c.year == 0) {
        EXPECT_FALSE(d.has_value()) << formatDate(*d, "mm/dd/yyyy");
    } else {
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(civilFromOle(*d), (CivilDate{c.year, c.month, c.day}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    OleDates, TypedDates,
    testing::Values(
        TypedCase{"ShortYear99", "12/31/99", 1999, 12, 31},
        TypedCase{"RegisterMinShort", "01/01/80", 1980, 1, 1},
        TypedCase{"RegisterMaxLong", "12/31/2099", 2099, 12, 31},
        TypedCase{"OneDigitMonthAndDay", "1/5/98", 1998, 1, 5},
        TypedCase{"PivotLast21stCentury", "01/01/29", 2029, 1, 1},
        TypedCase{"PivotFirst20thCentury", "01/01/30", 1930, 1, 1},
        TypedCase{"ShortYear00", "02/29/00", 2000, 2, 29},
        TypedCase{"LeapDay2000Long", "02/29/2000", 2000, 2, 29},
        TypedCase{"FourDigit1900", "03/01/1900", 1900, 3, 1},
        TypedCase{"SurroundingBlanks", " 12/31/99 ", 1999, 12, 31},
        TypedCase{"February30", "02/30/97", 0, 0, 0}, TypedCase{"February29NonLeap", "02/29/97", 0, 0, 0},
        TypedCase{"February29In1900", "02/29/1900", 0, 0, 0}, TypedCase{"April31", "04/31/98", 0, 0, 0},
        TypedCase{"Month13", "13/01/98", 0, 0, 0}, TypedCase{"MonthZero", "00/10/98", 0, 0, 0},
        TypedCase{"DayZero", "12/00/98", 0, 0, 0}, TypedCase{"Empty", "", 0, 0, 0},
        TypedCase{"Dashes", "12-31-99", 0, 0, 0}, TypedCase{"NoYear", "12/31", 0, 0, 0},
        TypedCase{"ThreeDigitYear", "12/31/999", 0, 0, 0}, TypedCase{"OneDigitYear", "1/1/1", 0, 0, 0},
        TypedCase{"ThreeDigitMonth", "012/1/99", 0, 0, 0}, TypedCase{"EmptyDay", "12//99", 0, 0, 0},
        TypedCase{"TrailingLetter", "12/31/99x", 0, 0, 0}, TypedCase{"ExtraPart", "12/31/99/1", 0, 0, 0},
        TypedCase{"InnerBlank", "12/ 31/99", 0, 0, 0}, TypedCase{"SignedDay", "12/+1/99", 0, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(OleDates, RegisterBoundsAreTheTypedBounds) {
    EXPECT_EQ(parseTypedDate("01/01/80"), kRegisterMinDate);
    EXPECT_EQ(parseTypedDate("12/31/2099"), kRegisterMaxDate);
    EXPECT_EQ(formatDate(kRegisterMinDate, "mm/dd/yy"), "01/01/80");
    EXPECT_EQ(formatDate(kRegisterMaxDate, "mm/dd/yyyy"), "12/31/2099");
    // The day after the upper bound parses but lies outside the register's range.
    EXPECT_GT(*parseTypedDate("01/01/2100"), kRegisterMaxDate);
    EXPECT_LT(*parseTypedDate("12/31/79"), kRegisterMinDate);
}

TEST(Clock, FixedClockGivesLocalDayAndTime) {
    FixedClock clock(localTimePoint(2024, 2, 29, 13, 45, 30));
    EXPECT_EQ(today(clock), oleFromCivil(2024, 2, 29));
    EXPECT_EQ(formatDate(localNow(clock), "mm/dd/yyyy h:mm AMPM "), "02/29/2024 1:45 PM ");
    clock.advance(std::chrono::hours(11));
    EXPECT_EQ(today(clock), oleFromCivil(2024, 3, 1));
    EXPECT_EQ(formatDate(localNow(clock), "h:mm AMPM "), "12:45 AM ");
    clock.set(localTimePoint(1999, 12, 31, 23, 59, 59));
    EXPECT_EQ(formatDate(today(clock), "mm/dd/yy"), "12/31/99");
}

} // namespace
