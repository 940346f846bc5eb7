#include "vxrun/core/DateNormalizer.h"

namespace vxrun {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

struct Civil {
    std::int64_t year;
    int month; // 1..12
    int day;
};

// Counting from 1 March keeps the leap day at the end of the counted year.
Civil civilFromDays(std::int64_t days) {
    const std::int64_t z = days - 60; // 1 March of year 0
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

} // namespace

std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = month > 2 ? month - 3 : month + 9;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe + 60; // day 0 = 1 January of year 0
}

int normalizeCalendarTime(CalendarTime* time) {
    if (time == nullptr)
        return -1;
    // 64-bit throughout: any 32-bit day or month input carries without overflow.
    const std::int64_t monthIndex = time->month;
    const std::int64_t year = time->year + floorDiv(monthIndex, 12);
    const int month = static_cast<int>(monthIndex - floorDiv(monthIndex, 12) * 12) + 1;
    const std::int64_t days = daysFromCivil(year, month, 1) + (static_cast<std::int64_t>(time->day) - 1);
    const Civil c = civilFromDays(days);
    if (c.year < kMinNormalYear || c.year > kMaxNormalYear)
        return -1;
    time->day = c.day;
    time->month = c.month - 1;
    time->year = static_cast<std::int32_t>(c.year);
    // Day 0 (1 January of year 0) was a Saturday.
    time->weekday = static_cast<std::int32_t>((days % 7 + 7 + 6) % 7);
    time->yearDay = static_cast<std::int32_t>(days - daysFromCivil(c.year, 1, 1));
    return 0;
}

} // namespace vxrun
