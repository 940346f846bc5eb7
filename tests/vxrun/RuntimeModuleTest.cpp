#include "vxrun/RuntimeExports.h"
#include "winapi/Module.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

namespace {

// Loads the suite runtime by its module name and finds the normaliser by name, as any module does.
// It stays loaded for the whole program, as in a running container: unloading it would unload
// QtCore as well, whose start-up allocation then shows as a leak of a library that is gone.
class RuntimeModule : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (module)
            return;
        ::setenv("LEDGERINE_PROGDIR", VXRUN32_DIR, 1);
        module = winapi::LoadLibraryA("VXRUN32");
        ::unsetenv("LEDGERINE_PROGDIR");
    }
    void SetUp() override {
        ASSERT_NE(module, nullptr) << "libvxrun32.so not found in " << VXRUN32_DIR;
        normalize = reinterpret_cast<vxrun::NormalizeCalendarTimeProc>(
            winapi::GetProcAddress(module, vxrun::kNormalizeCalendarTimeExport));
        ASSERT_NE(normalize, nullptr)
            << "libvxrun32.so does not export " << vxrun::kNormalizeCalendarTimeExport;
        // The classic callers' way: by ordinal 16, the same function.
        ASSERT_EQ(reinterpret_cast<void*>(winapi::GetProcAddress(module, winapi::MAKEINTRESOURCEA(16))),
                  reinterpret_cast<void*>(normalize));
    }
    static inline winapi::HMODULE module = nullptr;
    vxrun::NormalizeCalendarTimeProc normalize = nullptr;
};

struct Row {
    const char* name;
    int day, month0, year;
    int result;
    int wantDay, wantMonth0, wantYear, weekday, yearDay;
};

class ExportedNormalizer : public RuntimeModule, public testing::WithParamInterface<Row> {};

// Day, month and year carried, weekday and day of year filled in; the time of day is the caller's.
TEST_P(ExportedNormalizer, CarriesAndFillsTheRecord) {
    const Row& r = GetParam();
    vxrun::CalendarTime t{59, 58, 23, r.day, r.month0, r.year, 42, 420, 1};
    EXPECT_EQ(normalize(&t), r.result);
    const std::array<int, 9> got{t.second, t.minute,  t.hour,    t.day,     t.month,
                                 t.year,   t.weekday, t.yearDay, t.daylight};
    EXPECT_EQ(got,
              (std::array<int, 9>{59, 58, 23, r.wantDay, r.wantMonth0, r.wantYear, r.weekday, r.yearDay, 1}));
}

// Weekdays and days of the year worked out from calendars by hand.
INSTANTIATE_TEST_SUITE_P(
    ByName, ExportedNormalizer,
    testing::Values(Row{"Jan32IsFeb1Sunday", 32, 0, 2026, 0, 1, 1, 2026, 0, 31},
                    Row{"Month12IsJanuaryOfNextYear", 15, 12, 1999, 0, 15, 0, 2000, 6, 14},
                    Row{"March0IsLeapDay", 0, 2, 2024, 0, 29, 1, 2024, 4, 59},
                    Row{"MonthMinus1IsDecemberBefore", 10, -1, 2000, 0, 10, 11, 1999, 5, 343},
                    Row{"FirstDayOfYear0IsSaturday", 1, 0, 0, 0, 1, 0, 0, 6, 0},
                    Row{"LastDayOfYear9999IsFriday", 31, 11, 9999, 0, 31, 11, 9999, 5, 364},
                    Row{"Year10000IsRejectedUntouched", 1, 0, 10000, -1, 1, 0, 10000, 42, 420},
                    Row{"DayBeforeYear0IsRejectedUntouched", 0, 0, 0, -1, 0, 0, 0, 42, 420}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
