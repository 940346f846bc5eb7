#pragma once

#include <cstdint>

namespace vxrun {

// The calendar-time record the calendar control exchanges with the runtime's date normaliser:
// nine signed 32-bit fields in this order. Month is 0..11, year is the full year.
struct CalendarTime {
    std::int32_t second = 0;
    std::int32_t minute = 0;
    std::int32_t hour = 0;
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
    std::int32_t weekday = 0; // 0 = Sunday
    std::int32_t yearDay = 0; // zero-based
    std::int32_t daylight = 0;
};

inline constexpr int kMinNormalYear = 0;
inline constexpr int kMaxNormalYear = 9999;

// Carries a day or month outside its range into the neighbouring months and years (proleptic
// Gregorian calendar), rewrites day, month and year and fills weekday and day of year. Returns -1
// and leaves the record untouched when the resulting date falls outside the years 0..9999;
// returns 0 otherwise. Time fields are neither read nor changed.
int normalizeCalendarTime(CalendarTime* time);

// Days from 1 January of year 0 (day 0) in the proleptic Gregorian calendar; defined for any year.
std::int64_t daysFromCivil(std::int64_t year, int month, int day);

} // namespace vxrun
