#pragma once

#include "calendar/core/DayNumber.h"
#include "calendar/core/IntlSettings.h"
#include "calendar/core/LanguageTexts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace runtime {
class Clock;
}

namespace vxcal {

// The properties of the control that steer the date model; the control object writes them.
struct DateInputs {
    bool userMode = true; // the container is in run mode
    short minYear = 0;
    short maxYear = 9999;
    bool dayMath = false;
    short dateFormat = 0; // DateFormatConstants 0..7
    short multiSelect = 0;
};

struct ParsedDate {
    int month = 0;
    int day = 0;
    int year = 0;
    int status = 0; // 0 accepted, 380 rejected
};

// The calendar's current date, its selection list and the per-month selection marks, with the day
// arithmetic, year bounds and date texts they rest on. Status results are 0 or an error number
// (380) that the control raises; notifications and invalidation stay with the control.
class DateModel {
public:
    static constexpr int kSelectionSlots = 366;
    static constexpr int kMaxSelected = 365;

    DateModel(const LanguageTexts& texts, const IntlSettings& intl, const runtime::Clock& clock);

    DateInputs inputs;

    // The current date and the DateSelOn address, as stored.
    short day() const { return day_; }
    short month() const { return month_; }
    short year() const { return year_; }
    short daySel = 0;
    short monthSel = 0;
    short yearSel = 0;

    // Today's date into Day/Month/Year and the DateSelOn address (construction and reset).
    void resetToToday();
    // Loading and a press on a day cell store their values without a check.
    void setDateUnchecked(short day, short month, short year);

    // Property setters: 0 when accepted, 380 when the date is rejected (nothing changes). The Year
    // setter of the control marks the control modified before the check, whatever the result.
    int setDay(int value);
    int setMonth(int value);
    int setYear(int value);
    // The Date setter: false when the text does not give a date (ignored silently, nothing changes).
    // In the text formats a short numeric text ("3/5/1997") is first rewritten into the format.
    bool setDate(std::string_view text);
    std::string date() const { return formatDate(month_, day_, year_); }
    int weekDay() const { return weekdayOf(month_, day_, year_); }
    std::string weekDayText() const { return texts_.weekdayName(weekDay()); }
    std::string monthText() const { return texts_.monthName(month_); }

    // Date arithmetic. fitYear places a year into MinYear..MaxYear (by its last two digits when
    // the window is under a century; out-of-range years wrap to the other bound). normalizeDate
    // carries month and day overflow (dayMath) or keeps the day inside the requested month (no
    // dayMath), bounds the year and writes the date back; false when the date is rejected.
    void fitYear(int& year) const;
    bool normalizeDate(int& month, int& day, int& year, bool dayMath) const;
    int weekdayOf(int month, int day, int year) const;
    // Week of the year counted from the first dayStart weekday (days before it are week 0).
    int weekNumber(int month, int day, int year, int dayStart) const;

    // Date texts in the current DateFormat (Windows-1252 bytes).
    std::string formatDate(int month, int day, int year) const;
    ParsedDate parseDate(std::string_view text) const;
    std::string numericToFormat(std::string_view text) const;

    // Selection list: ascending distinct day numbers.
    short selectedCount() const { return selectedCount_; }
    // Bounded so that the count always matches the list: 0 or less empties it, a smaller count
    // drops the latest dates, a larger one changes nothing.
    void setSelectedCount(int value);
    const std::array<std::int32_t, kSelectionSlots>& selection() const { return selection_; }
    // The date of entry k, or nothing outside 0..SelectedCount-1.
    std::optional<MonthDayYear> selectionEntry(int k) const;
    // False when the list is full (365) and nothing was inserted.
    bool insertSelected(std::int32_t n);
    bool removeSelected(std::int32_t n);
    void clear();

    bool dateSelOn() const;
    // False when a full list refused the insertion: the caller then sends no notification.
    bool setDateSelOn(bool value);

    // Marks of the displayed month, index 1..31 (day number firstOfMonth + index - 1).
    bool mark(int index) const {
        return index >= 1 && index <= 31 && marks_[static_cast<std::size_t>(index)] != 0;
    }
    void setMark(int index, bool on);
    const std::array<std::int16_t, 32>& marks() const { return marks_; }
    void computeMarks();
    void storeMarks();
    std::int32_t firstOfMonth() const { return firstOfMonth_; }

    // Days of the displayed month (28..31), also kept for the painter.
    int countDaysInMonth();
    short daysInMonth() const { return daysInMonth_; }

private:
    std::optional<std::string> pattern() const;
    char separator() const;
    void skipWeekdayName(std::string_view text, std::size_t& pos) const;

    const LanguageTexts& texts_;
    const IntlSettings& intl_;
    const runtime::Clock& clock_;

    short day_ = 1;
    short month_ = 1;
    short year_ = 2000;
    short selectedCount_ = 0;
    short daysInMonth_ = 0;
    std::int32_t firstOfMonth_ = 0;
    std::array<std::int32_t, kSelectionSlots> selection_{};
    std::array<std::int16_t, 32> marks_{};
};

} // namespace vxcal
