#pragma once

// Geometry of the calendar: where the captions, arrows, weekday header, day cells, week numbers and
// divider lines go for a given calendar area and settings. The painter draws from it and the mouse
// handling hits against the same table, so both always agree. Plain integers only: no toolkit.

#include <array>
#include <cstdint>
#include <vector>

namespace vxcal {

// A rectangle in pixels: right and bottom are one past the last pixel. An all-zero rectangle never
// matches a point.
struct CellRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

// Entries of the cell table: 1..31 the days of the shown month, then the four arrows.
enum CellEntry : int {
    cellPrevMonth = 32,
    cellNextMonth = 33,
    cellPrevYear = 34,
    cellNextYear = 35,
    cellCount = 36,
};
using CellTable = std::array<CellRect, cellCount>;

struct LayoutInput {
    CellRect panel;     // the calendar's panel as the panel routine left it
    int bevelStyle = 0; // outer bevel: 0..2 inset all round, 3 not on the left, 4 not on the right
    int bevelSize = 0;
    int titleHeight = 0;    // caption height TH
    int monthTextWidth = 0; // width of the ninth month's name in the caption font
    int yearTextWidth = 0;  // width of the shown year
    bool weekNumbers = false;
    int dayStart = 0;     // weekday of the first day column, 0 = Sunday
    int firstWeekday = 0; // weekday of the 1st of the shown month
    int daysInMonth = 31;
    int firstWeek = 0; // week number of the 1st of the month
    int dividerStyle = 0;
    bool calStatic = false;
    int mouseExpand = 0;
};

// One divider line as the pixels it covers, and which of the style's two pens draws it.
struct DividerLine {
    CellRect pixels;
    int pen = 0;
};

struct CalendarLayout {
    CellRect area; // the calendar area C inside the panel and its inset
    int cols = 7;  // 8 with week numbers
    int first = 0; // first day column (1 with week numbers)
    int cellW = 0;
    int rowH = 0;
    int arrowSize = 0;
    CellRect monthCaption; // month name: left two thirds
    CellRect yearCaption;  // year: the right third
    std::array<CellRect, 7> header{};
    std::array<int, 7> headerWeekday{};
    int lead = 0; // empty day columns before the 1st
    // The hit table: days by day of month, arrows grown by 2 + MouseExpand (empty while CalStatic).
    CellTable cells{};
    std::array<CellRect, 4>
        arrows{}; // drawn arrow rectangles, entries 32..35 in order (empty while CalStatic)
    std::array<CellRect, 6> weekCells{};
    std::array<int, 6> weekNumbers{};
    std::array<bool, 6> rowUsed{};
    std::vector<DividerLine> dividers;
};

// The area C left after the outer bevel's inset of half its size.
CellRect calendarArea(const CellRect& panel, int bevelStyle, int bevelSize);
CalendarLayout layOutCalendar(const LayoutInput& in);
// Arrow size for a caption height: a quarter of it, at least 4.
int arrowSizeFor(int titleHeight);
// The first entry 1..35 whose rectangle strictly contains the point, or -1.
int hitCell(const CellTable& cells, int x, int y);
// Centerfold: the picture half on top (to half the height, truncated) and the calendar half below.
CellRect centerfoldUpper(const CellRect& r);
CellRect centerfoldLower(const CellRect& r);
// Day-cell row (0..5) and column (0..6) of day k, given the empty columns before the 1st.
inline int dayRow(int lead, int k) {
    return (lead + k - 1) / 7;
}
inline int dayColumn(int lead, int k) {
    return (lead + k - 1) % 7;
}

} // namespace vxcal
