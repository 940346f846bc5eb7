#include "calendar/core/DateModel.h"

#include "runtime/Clock.h"
#include "vxrun/core/DateNormalizer.h"

#include <algorithm>

namespace vxcal {

namespace {

int daysOfMonth(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

} // namespace

DateModel::DateModel(const LanguageTexts& texts, const IntlSettings& intl, const runtime::Clock& clock)
    : texts_(texts), intl_(intl), clock_(clock) {
    resetToToday();
}

void DateModel::resetToToday() {
    const ParsedDate today = parseDate({});
    setDateUnchecked(static_cast<short>(today.day), static_cast<short>(today.month),
                     static_cast<short>(today.year));
    daySel = day_;
    monthSel = month_;
    yearSel = year_;
}

void DateModel::setDateUnchecked(short day, short month, short year) {
    day_ = day;
    month_ = month;
    year_ = year;
}

void DateModel::fitYear(int& year) const {
    const int lo = inputs.minYear;
    const int hi = inputs.maxYear;
    if (hi - lo < 100) {
        // A window of less than a century: the last two digits place the year inside it.
        const int c = year % 100;
        if (lo % 100 - c < 0)
            year = c + lo - lo % 100;
        else
            year = c + hi - hi % 100;
    }
    if (year < lo)
        year = hi;
    if (year > hi)
        year = lo;
}

bool DateModel::normalizeDate(int& month, int& day, int& year, bool dayMath) const {
    auto clampYear = [this](int y) {
        if (y < inputs.minYear)
            y = inputs.minYear;
        if (y > inputs.maxYear)
            y = inputs.maxYear;
        return y;
    };
    vxrun::CalendarTime t;
    t.month = month - 1;
    t.year = year;
    t.day = day;
    fitYear(t.year);
    if (!dayMath) {
        // Without day arithmetic a day outside the month stays in the requested month (its month
        // overflow carried, its year bounded): past its end it becomes the last day, below 1 the
        // first day. Stepping back from the normalised month instead would land a day of 70 in
        // January on the end of February.
        vxrun::CalendarTime first = t;
        first.day = 1;
        if (vxrun::normalizeCalendarTime(&first) == -1)
            return false;
        t.month = first.month;
        t.year = clampYear(first.year);
        t.day = std::clamp(t.day, 1, daysOfMonth(t.month + 1, t.year));
    }
    if (vxrun::normalizeCalendarTime(&t) == -1)
        return false;
    month = t.month + 1;
    day = t.day;
    year = clampYear(t.year);
    return true;
}

int DateModel::weekdayOf(int month, int day, int year) const {
    vxrun::CalendarTime t;
    t.day = day;
    t.month = month - 1;
    t.year = year;
    vxrun::normalizeCalendarTime(&t);
    return t.weekday;
}

int DateModel::weekNumber(int month, int day, int year, int dayStart) const {
    vxrun::CalendarTime t;
    t.day = day;
    t.month = month - 1;
    t.year = year;
    vxrun::normalizeCalendarTime(&t);
    int off = t.weekday - dayStart;
    if (off < 0)
        off += 7;
    return (t.yearDay - off + 7) / 7;
}

int DateModel::setDay(int value) {
    int m = month_, d = value, y = year_;
    if (!normalizeDate(m, d, y, inputs.dayMath))
        return 380;
    setDateUnchecked(static_cast<short>(d), static_cast<short>(m), static_cast<short>(y));
    return 0;
}

int DateModel::setMonth(int value) {
    int m = value, d = day_, y = year_;
    if (!normalizeDate(m, d, y, inputs.dayMath))
        return 380;
    setDateUnchecked(static_cast<short>(d), static_cast<short>(m), static_cast<short>(y));
    computeMarks();
    return 0;
}

int DateModel::setYear(int value) {
    int m = month_, d = day_, y = value;
    if (!normalizeDate(m, d, y, inputs.dayMath))
        return 380;
    setDateUnchecked(static_cast<short>(d), static_cast<short>(m), static_cast<short>(y));
    computeMarks();
    return 0;
}

bool DateModel::setDate(std::string_view text) {
    const short f = inputs.dateFormat;
    const bool textFormat = f == 2 || f == 3 || f == 5 || f == 6;
    ParsedDate p;
    // Only a numeric text is rewritten: the format's own short texts ("05-Mar-97") parse as given.
    const bool numeric = text.find_first_not_of("0123456789/ ") == std::string_view::npos;
    if (textFormat && text.size() <= 10 && !text.empty() && numeric)
        p = parseDate(numericToFormat(text));
    else
        p = parseDate(text);
    if (p.status != 0)
        return false;
    // Settle the whole date first, so that a rejected day cannot leave a new month behind.
    int m = p.month, d = p.day, y = p.year;
    if (!normalizeDate(m, d, y, inputs.dayMath))
        return false;
    setDateUnchecked(static_cast<short>(d), static_cast<short>(m), static_cast<short>(y));
    computeMarks();
    return true;
}

void DateModel::setSelectedCount(int value) {
    const int keep = std::clamp(value, 0, static_cast<int>(selectedCount_));
    std::fill(selection_.begin() + keep, selection_.end(), 0);
    selectedCount_ = static_cast<short>(keep);
}

std::optional<MonthDayYear> DateModel::selectionEntry(int k) const {
    if (k < 0 || k >= selectedCount_)
        return std::nullopt;
    return dateOfDayNumber(selection_[static_cast<std::size_t>(k)]);
}

bool DateModel::insertSelected(std::int32_t n) {
    if (selectedCount_ >= kMaxSelected)
        return false;
    int i = selectedCount_ - 1;
    while (i >= 0 && selection_[static_cast<std::size_t>(i)] > n) {
        selection_[static_cast<std::size_t>(i) + 1] = selection_[static_cast<std::size_t>(i)];
        --i;
    }
    selection_[static_cast<std::size_t>(i + 1)] = n;
    ++selectedCount_;
    return true;
}

bool DateModel::removeSelected(std::int32_t n) {
    const auto end = selection_.begin() + selectedCount_;
    const auto it = std::find(selection_.begin(), end, n);
    if (it == end)
        return false;
    std::copy(it + 1, end, it);
    --selectedCount_;
    selection_[static_cast<std::size_t>(selectedCount_)] = 0;
    return true;
}

void DateModel::clear() {
    selection_.fill(0);
    selectedCount_ = 0;
    computeMarks();
}

bool DateModel::dateSelOn() const {
    const std::int32_t n = dayNumber(monthSel, daySel, yearSel);
    for (int j = selectedCount_ - 1; j >= 0; --j)
        if (selection_[static_cast<std::size_t>(j)] == n)
            return true;
    return false;
}

bool DateModel::setDateSelOn(bool value) {
    const std::int32_t n = dayNumber(monthSel, daySel, yearSel);
    const bool held = dateSelOn();
    if (value && !held) {
        if (!insertSelected(n))
            return false;
    } else if (!value && held) {
        removeSelected(n);
    }
    computeMarks();
    return true;
}

void DateModel::setMark(int index, bool on) {
    if (index >= 1 && index <= 31)
        marks_[static_cast<std::size_t>(index)] = on ? -1 : 0;
}

void DateModel::computeMarks() {
    marks_.fill(0);
    if (!inputs.userMode)
        return;
    firstOfMonth_ = dayNumber(month_, 1, year_);
    if (inputs.multiSelect <= 0)
        return;
    for (int k = 0; k < selectedCount_; ++k) {
        const std::int32_t n = selection_[static_cast<std::size_t>(k)];
        if (n < firstOfMonth_)
            continue;
        if (n > firstOfMonth_ + 30)
            break;
        marks_[static_cast<std::size_t>(n - firstOfMonth_ + 1)] = -1;
    }
}

void DateModel::storeMarks() {
    if (!inputs.userMode || inputs.multiSelect < 1)
        return;
    // The marks stand for exactly the 31 day numbers from firstOfMonth: replace those entries.
    std::array<bool, 32> held{};
    for (int j = 1; j <= 31; ++j)
        held[static_cast<std::size_t>(j)] = removeSelected(firstOfMonth_ + j - 1);
    // Dates that were selected before go back first, so that a full list refuses only new marks.
    for (int pass = 0; pass < 2; ++pass)
        for (int j = 1; j <= 31; ++j)
            if (marks_[static_cast<std::size_t>(j)] != 0 && held[static_cast<std::size_t>(j)] == (pass == 0))
                insertSelected(firstOfMonth_ + j - 1);
    computeMarks();
}

int DateModel::countDaysInMonth() {
    int days = 28;
    for (int d = 29; d <= 31; ++d) {
        int m = month_, dd = d, y = year_;
        if (!normalizeDate(m, dd, y, true) || m != month_)
            break;
        days = d;
    }
    daysInMonth_ = static_cast<short>(days);
    return days;
}

} // namespace vxcal
