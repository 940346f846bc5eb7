#pragma once

#include <cstdint>

namespace vxcal {

struct MonthDayYear {
    int month = 0;
    int day = 0;
    int year = 0;
    friend bool operator==(const MonthDayYear&, const MonthDayYear&) = default;
};

// Julian Day Number of a proleptic Gregorian date (1 January 2000 is 2451545). The month and day
// are not checked: day 0 is the last day of the month before, month 13 is January of the next year.
std::int32_t dayNumber(int month, int day, int year);
// The date of a day number; the inverse of dayNumber for every real date.
MonthDayYear dateOfDayNumber(std::int32_t n);

} // namespace vxcal
