#include "calendar/core/DateModel.h"
#include "MapIntl.h"
#include "runtime/Clock.h"

#include <gtest/gtest.h>

namespace {

using vxcal::DateModel;
using vxcal::LanguageTexts;

struct Fixture {
    MapIntl intl;
    runtime::FixedClock clock{runtime::localTimePoint(2026, 12, 7, 10, 30)};
    LanguageTexts texts{intl};
    DateModel model{texts, intl, clock};
};

struct SetterCase {
    const char* name;
    short minYear, maxYear;
    bool dayMath;
    int day, month, year; // start
    char which;           // 'd', 'm' or 'y'
    int value;
    int status;
    int wantDay, wantMonth, wantYear;
};

class DateSetters : public testing::TestWithParam<SetterCase> {};

TEST_P(DateSetters, NormaliseOrReject) {
    const SetterCase& c = GetParam();
    Fixture f;
    f.model.inputs.minYear = c.minYear;
    f.model.inputs.maxYear = c.maxYear;
    f.model.inputs.dayMath = c.dayMath;
    f.model.setDateUnchecked(static_cast<short>(c.day), static_cast<short>(c.month),
                             static_cast<short>(c.year));
    const int status = c.which == 'd'   ? f.model.setDay(c.value)
                       : c.which == 'm' ? f.model.setMonth(c.value)
                                        : f.model.setYear(c.value);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(f.model.day(), c.wantDay);
    EXPECT_EQ(f.model.month(), c.wantMonth);
    EXPECT_EQ(f.model.year(), c.wantYear);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DateSetters,
    testing::Values(
        SetterCase{"Day31InAprilClampsWithoutDayMath", 0, 9999, false, 1, 4, 1997, 'd', 31, 0, 30, 4, 1997},
        SetterCase{"Day31InAprilRollsWithDayMath", 0, 9999, true, 1, 4, 1997, 'd', 31, 0, 1, 5, 1997},
        SetterCase{"Day30InLeapFebruaryClamps", 0, 9999, false, 1, 2, 2000, 'd', 30, 0, 29, 2, 2000},
        SetterCase{"Day100InAprilStaysInAprilWithoutDayMath", 0, 9999, false, 1, 4, 1997, 'd', 100, 0, 30, 4,
                   1997},
        SetterCase{"Day0GivesFirstWithoutDayMath", 0, 9999, false, 9, 4, 1997, 'd', 0, 0, 1, 4, 1997},
        SetterCase{"Day0RollsBackWithDayMath", 0, 9999, true, 9, 4, 1997, 'd', 0, 0, 31, 3, 1997},
        SetterCase{"Month13MovesToNextJanuary", 0, 9999, true, 15, 6, 1997, 'm', 13, 0, 15, 1, 1998},
        SetterCase{"Month0MovesToPreviousDecember", 0, 9999, true, 15, 6, 1997, 'm', 0, 0, 15, 12, 1996},
        SetterCase{"MonthKeepsDay31InRangeWithoutDayMath", 0, 9999, false, 31, 1, 1997, 'm', 2, 0, 28, 2,
                   1997},
        SetterCase{"TwoDigitYearInsideWindow", 1950, 2049, false, 5, 3, 2000, 'y', 97, 0, 5, 3, 1997},
        SetterCase{"TwoDigitYearAtWindowTop", 1950, 2049, false, 5, 3, 2000, 'y', 49, 0, 5, 3, 2049},
        SetterCase{"TwoDigitYearStaysWithDefaults", 0, 9999, false, 5, 3, 2000, 'y', 97, 0, 5, 3, 97},
        SetterCase{"Year10000WrapsToZero", 0, 9999, false, 5, 3, 2000, 'y', 10000, 0, 5, 3, 0},
        SetterCase{"NegativeYearWrapsToMax", 0, 9999, false, 5, 3, 2000, 'y', -1, 0, 5, 3, 9999},
        SetterCase{"CarryPastYear9999Rejected", 0, 9999, true, 15, 12, 9999, 'm', 13, 380, 15, 12, 9999},
        SetterCase{"CarryBeforeYear0Rejected", 0, 9999, true, 1, 1, 0, 'd', 0, 380, 1, 1, 0},
        SetterCase{"CarryPastMaxYearClamped", 1900, 2010, true, 15, 12, 2010, 'm', 13, 0, 15, 1, 2010},
        SetterCase{"Day70InJanuaryStaysInJanuary", 0, 9999, false, 1, 1, 1997, 'd', 70, 0, 31, 1, 1997},
        SetterCase{"ClampedYearDecidesTheLastDay", 1900, 2000, false, 29, 1, 2000, 'm', 14, 0, 29, 2, 2000},
        SetterCase{"MonthKeepsDayInDecemberOfPreviousYear", 0, 9999, false, 31, 1, 1997, 'm', 0, 0, 31, 12,
                   1996}),
    [](const auto& row) { return std::string(row.param.name); });

struct FormatCase {
    const char* name;
    short format;
    const char* text;
};

class FormatMarch5 : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatMarch5, DefaultRegionalSettings) {
    Fixture f;
    f.model.inputs.dateFormat = GetParam().format;
    EXPECT_EQ(f.model.formatDate(3, 5, 1997), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, FormatMarch5,
                         testing::Values(FormatCase{"Normal", 0, "03/05/1997"},
                                         FormatCase{"Julian", 1, "2450513"},
                                         FormatCase{"Verbose", 2, "March 5, 1997"},
                                         FormatCase{"WeekdayVerbose", 3, "Wednesday, March 5, 1997"},
                                         FormatCase{"General", 4, "3/5/97"},
                                         FormatCase{"LongFromIntl", 5, "Wednesday, March 5, 97"},
                                         FormatCase{"Medium", 6, "05-Mar-97"},
                                         FormatCase{"Short", 7, "3/5/97"},
                                         FormatCase{"StoredFormatOutOfRange", 8, ""}),
                         [](const auto& row) { return std::string(row.param.name); });

struct IntlFormatCase {
    const char* name;
    short format;
    int languageNumber;
    const char* key;
    const char* value;
    const char* text;
};

class FormatWithIntl : public testing::TestWithParam<IntlFormatCase> {};

TEST_P(FormatWithIntl, RegionalSettingsApply) {
    const IntlFormatCase& c = GetParam();
    Fixture f;
    f.intl.values[c.key] = c.value;
    f.texts.setLanguageNumber(c.languageNumber);
    f.model.inputs.dateFormat = c.format;
    EXPECT_EQ(f.model.formatDate(3, 5, 1997), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, FormatWithIntl,
    testing::Values(IntlFormatCase{"DashSeparatorDropsSlashes", 0, 0, "sDate", "-", "03051997"},
                    IntlFormatCase{"DashSeparatorKeptInPattern", 6, 0, "sDate", "-", "05-Mar-97"},
                    IntlFormatCase{"ShortDatePattern", 4, 0, "sShortDate", "dd/MM/yyyy", "05/03/1997"},
                    IntlFormatCase{"ShortDateOtherSeparatorDropped", 7, 0, "sShortDate", "dd.MM.yyyy",
                                   "05031997"},
                    IntlFormatCase{"LongDateCopiesEveryCharacter", 5, 2, "sLongDate", "dddd, d. MMMM yyyy",
                                   "Mittwoch, 5. M\xE4rz 1997"},
                    IntlFormatCase{"GermanShortMonth", 6, 2, "sDate", "/", "05-M\xE4r-97"},
                    IntlFormatCase{"ThreeLetterWeekdayAndLongRunOfYears", 5, 8, "sLongDate",
                                   "ddd d MMM yyyyy", "Mer 5 Mar 1997"}),
    [](const auto& row) { return std::string(row.param.name); });

struct DateTextCase {
    const char* name;
    short format;
    short minYear, maxYear;
    const char* text;
    bool accepted;
    int day, month, year;
};

class DateProperty : public testing::TestWithParam<DateTextCase> {};

TEST_P(DateProperty, AssignText) {
    const DateTextCase& c = GetParam();
    Fixture f;
    f.model.inputs.dateFormat = c.format;
    f.model.inputs.minYear = c.minYear;
    f.model.inputs.maxYear = c.maxYear;
    f.model.setDateUnchecked(9, 9, 1999);
    EXPECT_EQ(f.model.setDate(c.text), c.accepted);
    EXPECT_EQ(f.model.day(), c.day);
    EXPECT_EQ(f.model.month(), c.month);
    EXPECT_EQ(f.model.year(), c.year);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateProperty,
    testing::Values(DateTextCase{"EmptyGivesToday", 0, 0, 9999, "", true, 7, 12, 2026},
                    DateTextCase{"EmptyGivesTodayInTextFormat", 2, 0, 9999, "", true, 7, 12, 2026},
                    DateTextCase{"DayAndMonthCarried", 0, 0, 9999, "13/45/1997", true, 14, 2, 1998},
                    DateTextCase{"Normal", 0, 0, 9999, "03/05/1997", true, 5, 3, 1997},
                    DateTextCase{"ShortFieldsInNormal", 0, 0, 9999, "3/5/1997", true, 5, 3, 1997},
                    DateTextCase{"GarbageInVerboseIgnored", 2, 0, 9999, "abc", false, 9, 9, 1999},
                    DateTextCase{"VerboseName", 2, 0, 9999, "March 5, 1997", true, 5, 3, 1997},
                    DateTextCase{"VerboseNameAnyCase", 2, 0, 9999, "mARCH 5, 1997", true, 5, 3, 1997},
                    DateTextCase{"VerboseShortName", 2, 0, 9999, "Mar 5, 1997", true, 5, 3, 1997},
                    DateTextCase{"NumericInVerbose", 2, 0, 9999, "03/05/1997", true, 5, 3, 1997},
                    DateTextCase{"UnpaddedNumericInVerbose", 2, 0, 9999, "3/5/1997", true, 5, 3, 1997},
                    DateTextCase{"NumericYearBoundedByMaxYear", 2, 0, 1990, "3/5/1997", true, 5, 3, 1990},
                    DateTextCase{"NumericInWeekdayFormat", 3, 0, 9999, "12/31/1999", true, 31, 12, 1999},
                    DateTextCase{"WeekdayNameNotChecked", 3, 0, 9999, "Friday, March 5, 1997", true, 5, 3,
                                 1997},
                    DateTextCase{"MediumTwoDigitYearStays", 6, 0, 9999, "05-Mar-97", true, 5, 3, 97},
                    DateTextCase{"MediumTwoDigitYearWindowed", 6, 1950, 2049, "05-Mar-97", true, 5, 3, 1997},
                    DateTextCase{"Julian", 1, 0, 9999, "2450513", true, 5, 3, 1997},
                    DateTextCase{"JulianNonDigitCountsAsZero", 1, 0, 9999, "245051x", true, 2, 3, 1997},
                    DateTextCase{"JulianTooLongReadsZero", 1, 0, 9999, "1234567890", false, 9, 9, 1999},
                    DateTextCase{"JulianBeforeYear0Rejected", 1, 0, 9999, "1721059", false, 9, 9, 1999},
                    DateTextCase{"JulianFirstDayOfYear0", 1, 0, 9999, "1721060", true, 1, 1, 0},
                    DateTextCase{"MediumOwnTextShort", 6, 1950, 2049, "5-mar-97", true, 5, 3, 1997},
                    DateTextCase{"SixDigitYearReadsZero", 0, 1, 9999, "03/05/199700", true, 5, 3, 9999},
                    DateTextCase{"MissingDayAndYearCarryIntoYear0", 0, 0, 9999, "03/", true, 29, 2, 0}),
    [](const auto& row) { return std::string(row.param.name); });

// Whatever a format writes reads back as the same date, in every language.
TEST(DateTextRoundTrip, EveryFourDigitFormatAndLanguage) {
    for (int lang = 0; lang <= 17; ++lang) {
        for (short format : {0, 1, 2, 3, 5}) {
            Fixture f;
            f.intl.values["sLongDate"] = "dddd', 'MMMM' 'd', 'yyyy";
            f.texts.setLanguageNumber(lang);
            f.model.inputs.dateFormat = format;
            for (int m = 1; m <= 12; ++m) {
                const std::string text = f.model.formatDate(m, 28, 2024);
                const vxcal::ParsedDate p = f.model.parseDate(text);
                EXPECT_EQ(p.status, 0) << text;
                EXPECT_EQ((vxcal::MonthDayYear{p.month, p.day, p.year}), (vxcal::MonthDayYear{m, 28, 2024}))
                    << "language " << lang << " format " << format << " text " << text;
            }
        }
    }
}

TEST(WeekdayAndNames, CurrentDateProperties) {
    Fixture f;
    f.model.setDateUnchecked(5, 3, 1997);
    EXPECT_EQ(f.model.weekDay(), 3);
    EXPECT_EQ(f.model.weekDayText(), "Wednesday");
    EXPECT_EQ(f.model.monthText(), "March");
    f.model.setDateUnchecked(5, 13, 1997); // loaded unchecked: no name for month 13
    EXPECT_EQ(f.model.monthText(), "");
}

} // namespace
