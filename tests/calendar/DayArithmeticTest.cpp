#include "calendar/core/DayNumber.h"
#include "vxrun/core/DateNormalizer.h"

#include <gtest/gtest.h>

using vxcal::dateOfDayNumber;
using vxcal::dayNumber;
using vxcal::MonthDayYear;

namespace {

bool leap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
int monthLength(int m, int y) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : kDays[m - 1];
}

TEST(DayNumberTest, KnownDates) {
    EXPECT_EQ(dayNumber(1, 1, 2000), 2451545);
    EXPECT_EQ(dateOfDayNumber(2451545), (MonthDayYear{1, 1, 2000}));
    EXPECT_EQ(dayNumber(3, 1, 2000) - dayNumber(2, 28, 2000), 2);
    EXPECT_EQ(dayNumber(3, 5, 1997), 2450513);
    EXPECT_EQ(dayNumber(1, 1, 0), 1721060);
    EXPECT_EQ(dayNumber(12, 31, 9999), 5373484);
}

// Every day of years 0..9999 in order: consecutive numbers, the inverse gives the date back, and
// the normaliser names the same weekday and day of year.
TEST(DayNumberTest, EveryDayOfYearsZeroTo9999) {
    std::int32_t expected = dayNumber(1, 1, 0);
    int failures = 0;
    for (int y = 0; y <= 9999 && failures < 5; ++y) {
        const std::int32_t firstOfYear = expected;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= monthLength(m, y); ++d, ++expected) {
                const std::int32_t n = dayNumber(m, d, y);
                vxrun::CalendarTime t;
                t.day = d;
                t.month = m - 1;
                t.year = y;
                const bool ok = n == expected && dateOfDayNumber(n) == MonthDayYear{m, d, y} &&
                                vxrun::normalizeCalendarTime(&t) == 0 && t.weekday == (n + 1) % 7 &&
                                t.yearDay == n - firstOfYear && t.day == d && t.month == m - 1 && t.year == y;
                if (!ok) {
                    ADD_FAILURE() << m << "/" << d << "/" << y << " gives " << n;
                    ++failures;
                }
            }
        }
    }
}

} // namespace
