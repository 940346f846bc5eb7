#pragma once

#include <optional>
#include <string_view>

namespace runtime {

// OLE Automation date: days since 30 December 1899 (day 0), the fraction being the time of day.
// Before day 0 the integer part still counts days backwards and the fraction stays a positive
// time of that day: -1.25 is 29 December 1899 06:00.
using OleDate = double;

struct CivilDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct TimeOfDay {
    int hour = 0; // 0..23
    int minute = 0;
    int second = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month); // 0 for a month outside 1..12

// Proleptic Gregorian calendar without validation: pass a real date, or use makeDate for typed
// or read values.
OleDate oleFromCivil(int year, int month, int day);
// The calendar day an OLE date falls on (time of day ignored). Values outside the usable range
// are clamped to 01/01/100 .. 12/31/9999 (NaN gives 12/30/1899).
CivilDate civilFromOle(OleDate date);
// Time of day of an OLE date, rounded to the nearest second.
TimeOfDay timeOfDayFromOle(OleDate date);
// Adds hours/minutes/seconds to a whole day number following the OLE rule for negative days.
OleDate oleFromCivilTime(int year, int month, int day, int hour, int minute, int second);

// A validated date: std::nullopt for 02/30, month 13, year outside 100..9999 and so on.
std::optional<OleDate> makeDate(int year, int month, int day);

// 1 = Sunday .. 7 = Saturday.
int weekdayOf(OleDate date);

// Finite and within years 100..9999, the range the platform's dates cover.
bool isUsableDate(double value);

// Typed dates "mm/dd/yy" and "mm/dd/yyyy"; one-digit month or day is accepted ("1/5/98"),
// surrounding blanks are ignored. Two-digit years 00..29 are 2000..2029, 30..99 are
// 1930..1999. Impossible dates (02/30/97, 13/01/98) and anything else give std::nullopt.
// The register bounds are checked by the caller, not here.
std::optional<OleDate> parseTypedDate(std::string_view text);

// The range of dates the register accepts: 01/01/1980 .. 12/31/2099.
inline constexpr OleDate kRegisterMinDate = 29221.0; // 01/01/1980
inline constexpr OleDate kRegisterMaxDate = 73050.0; // 12/31/2099

} // namespace runtime
