#include "vxrun/core/DateNormalizer.h"
#include "calendar/core/DayNumber.h"

#include <gtest/gtest.h>

#include <string>

using vxcal::dayNumber;

namespace {

bool leap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
int monthLength(int m, int y) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : kDays[m - 1];
}

// At every month end and year end the normaliser carries a day past the end into the next month,
// day 0 back into the previous one, and a month of 12 or -1 into the neighbouring year.
TEST(DateNormalizerTest, CarriesAtEveryMonthAndYearEnd) {
    int failures = 0;
    auto check = [&](int d, int m0, int y, int wantD, int wantM, int wantY) {
        vxrun::CalendarTime t;
        t.day = d;
        t.month = m0;
        t.year = y;
        const bool ok = vxrun::normalizeCalendarTime(&t) == 0 && t.day == wantD && t.month == wantM - 1 &&
                        t.year == wantY && t.weekday == (dayNumber(wantM, wantD, wantY) + 1) % 7;
        if (!ok && ++failures < 5)
            ADD_FAILURE() << "day " << d << " month0 " << m0 << " year " << y;
    };
    for (int y = 0; y <= 9999; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const int nextM = m == 12 ? 1 : m + 1;
            const int nextY = m == 12 ? y + 1 : y;
            const int prevM = m == 1 ? 12 : m - 1;
            const int prevY = m == 1 ? y - 1 : y;
            if (nextY <= 9999)
                check(monthLength(m, y) + 1, m - 1, y, 1, nextM, nextY);
            if (prevY >= 0)
                check(0, m - 1, y, monthLength(prevM, prevY), prevM, prevY);
        }
        if (y < 9999)
            check(15, 12, y, 15, 1, y + 1);
        if (y > 0)
            check(15, -1, y, 15, 12, y - 1);
    }
}

struct Rejected {
    const char* name;
    int day, month0, year;
};

class DateNormalizerRejects : public testing::TestWithParam<Rejected> {};

TEST_P(DateNormalizerRejects, LeavesRecordUntouched) {
    const Rejected& r = GetParam();
    vxrun::CalendarTime t;
    t.day = r.day;
    t.month = r.month0;
    t.year = r.year;
    t.weekday = 42;
    EXPECT_EQ(vxrun::normalizeCalendarTime(&t), -1);
    EXPECT_EQ(t.day, r.day);
    EXPECT_EQ(t.month, r.month0);
    EXPECT_EQ(t.year, r.year);
    EXPECT_EQ(t.weekday, 42);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, DateNormalizerRejects,
                         testing::Values(Rejected{"DayPastYear9999", 32, 11, 9999},
                                         Rejected{"DayBeforeYear0", 0, 0, 0},
                                         Rejected{"Year10000", 1, 0, 10000},
                                         Rejected{"NegativeYear", 1, 0, -1},
                                         Rejected{"HugeDay", 2147483647, 0, 2000},
                                         Rejected{"HugeNegativeMonth", 1, -2147483647 - 1, 2000}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
