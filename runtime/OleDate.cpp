#include "runtime/OleDate.h"

#include <algorithm>
#include <cmath>

namespace runtime {

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's civil calendar algorithm).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long long kOleEpochFromUnix = -25569; // 1899-12-30 counted from 1970-01-01

constexpr double kFirstUsableDay = -657434.0; // 01/01/100
constexpr double kLastUsableDay = 2958465.0;  // 12/31/9999

// The day an OLE date falls on: its integer part, truncated toward zero, because a negative
// date keeps its time as a positive fraction (-1.25 is day -1 at 06:00). Values beyond the
// usable range are clamped to it (NaN to day 0) so that no conversion overflows.
long long oleDay(OleDate date) {
    if (!std::isfinite(date)) {
        return std::isnan(date) ? 0
               : date < 0       ? static_cast<long long>(kFirstUsableDay)
                                : static_cast<long long>(kLastUsableDay);
    }
    return static_cast<long long>(std::trunc(std::clamp(date, kFirstUsableDay, kLastUsableDay)));
}

// The time-of-day fraction (0 <= f < 1) of an OLE date; 0 for NaN and infinities.
double oleFraction(OleDate date) {
    return std::isfinite(date) ? std::fabs(date - std::trunc(date)) : 0.0;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

OleDate oleFromCivil(int year, int month, int day) {
    return static_cast<double>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                               kOleEpochFromUnix);
}

CivilDate civilFromOle(OleDate date) {
    return civilFromDays(oleDay(date) + kOleEpochFromUnix);
}

TimeOfDay timeOfDayFromOle(OleDate date) {
    long long seconds = std::llround(oleFraction(date) * 86400.0);
    if (seconds >= 86400) {
        seconds = 86399; // a fraction a hair below midnight stays on its own day
    }
    return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
}

OleDate oleFromCivilTime(int year, int month, int day, int hour, int minute, int second) {
    const double day0 = oleFromCivil(year, month, day);
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    // Day -1 at 06:00 is -1.25, not -0.75.
    return day0 < 0 ? day0 - fraction : day0 + fraction;
}

std::optional<OleDate> makeDate(int year, int month, int day) {
    if (year < 100 || year > 9999 || day < 1 || day > daysInMonth(year, month)) {
        return std::nullopt;
    }
    return oleFromCivil(year, month, day);
}

int weekdayOf(OleDate date) {
    // Day 0 (30 December 1899) was a Saturday.
    const long long d = oleDay(date);
    return static_cast<int>(((d % 7) + 7 + 6) % 7) + 1;
}

bool isUsableDate(double value) {
    // 01/01/100 .. 12/31/9999 23:59:59
    return std::isfinite(value) && value >= kFirstUsableDay && value < kLastUsableDay + 1;
}

std::optional<OleDate> parseTypedDate(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    int parts[3] = {0, 0, 0};
    std::size_t widths[3] = {0, 0, 0};
    std::size_t part = 0;
    for (char c : text) {
        if (c == '/') {
            if (++part > 2) {
                return std::nullopt;
            }
        } else if (isDigit(c)) {
            if (++widths[part] > 4) {
                return std::nullopt;
            }
            parts[part] = parts[part] * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || widths[0] < 1 || widths[0] > 2 || widths[1] < 1 || widths[1] > 2 ||
        (widths[2] != 2 && widths[2] != 4)) {
        return std::nullopt;
    }
    int year = parts[2];
    if (widths[2] == 2) {
        year += year < 30 ? 2000 : 1900;
    }
    return makeDate(year, parts[0], parts[1]);
}

} // namespace runtime
