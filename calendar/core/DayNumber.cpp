#include "calendar/core/DayNumber.h"

namespace vxcal {

namespace {

// Floor division and modulo: the usual truncating forms count January and February of year 0
// (computed from year -1) one day late, so 29 February and 1 March of year 0 would share a number.
std::int64_t fdiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0)))
        --q;
    return q;
}

std::int64_t fmod(std::int64_t a, std::int64_t b) {
    return a - fdiv(a, b) * b;
}

} // namespace

std::int32_t dayNumber(int month, int day, int year) {
    std::int64_t y = year;
    std::int64_t m = month;
    if (month < 3) {
        y = y - 1;
        m = m + 9;
    } else {
        m = m - 3;
    }
    const std::int64_t n =
        fdiv(fmod(y, 100) * 1461, 4) + fdiv(153 * m + 2, 5) + fdiv(fdiv(y, 100) * 146097, 4) + day + 1721119;
    return static_cast<std::int32_t>(n);
}

MonthDayYear dateOfDayNumber(std::int32_t n) {
    const std::int64_t k = 4 * static_cast<std::int64_t>(n) - 6884477;
    const std::int64_t c = fdiv(k, 146097);
    const std::int64_t d = fdiv(k - 146097 * c, 4) * 4;
    const std::int64_t y = fdiv(d + 3, 1461);
    const std::int64_t e = fdiv(d + 3 - 1461 * y + 4, 4) * 5;
    const std::int64_t day = fdiv(fmod(e - 3, 153) + 5, 5);
    const std::int64_t m = fdiv(e - 3, 153);
    MonthDayYear r;
    r.day = static_cast<int>(day);
    r.month = static_cast<int>(m > 9 ? m - 9 : m + 3);
    r.year = static_cast<int>(100 * c + y + (m > 9 ? 1 : 0));
    return r;
}

} // namespace vxcal
