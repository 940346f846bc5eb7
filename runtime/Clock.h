#pragma once

#include "runtime/OleDate.h"

#include <chrono>

namespace runtime {

// The one source of "now"; passed in so that tests can pin the date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::system_clock::time_point now() const = 0;
};

class SystemClock final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(std::chrono::system_clock::time_point t = {}) : now_(t) {}
    std::chrono::system_clock::time_point now() const override { return now_; }
    void set(std::chrono::system_clock::time_point t) { now_ = t; }
    void advance(std::chrono::system_clock::duration d) { now_ += d; }

private:
    std::chrono::system_clock::time_point now_;
};

// The clock's time in the local time zone as an OLE date (to the second).
OleDate localNow(const Clock& clock);
// The local calendar day only (whole number).
OleDate today(const Clock& clock);

// The time point at which the local wall clock shows the given date and time; lets tests set a
// FixedClock to a local day without caring about the machine's time zone.
std::chrono::system_clock::time_point localTimePoint(int year, int month, int day, int hour = 0,
                                                     int minute = 0, int second = 0);

} // namespace runtime
