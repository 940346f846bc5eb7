#include "runtime/Clock.h"

#include <ctime>

namespace runtime {

std::chrono::system_clock::time_point SystemClock::now() const {
    return std::chrono::system_clock::now();
}

OleDate localNow(const Clock& clock) {
    const std::time_t t =
        std::chrono::system_clock::to_time_t(std::chrono::time_point_cast<std::chrono::seconds>(clock.now()));
    std::tm local{};
    localtime_r(&t, &local);
    return oleFromCivilTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                            local.tm_min, local.tm_sec);
}

OleDate today(const Clock& clock) {
    const CivilDate d = civilFromOle(localNow(clock));
    return oleFromCivil(d.year, d.month, d.day);
}

std::chrono::system_clock::time_point localTimePoint(int year, int month, int day, int hour, int minute,
                                                     int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1; // let the zone rules decide
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

} // namespace runtime
