// Calendar geometry worked out by hand: a 200 x 160 area, caption height 20, so that a day cell is
// 28 wide (200 / 7) and a row 20 high ((160 - 2 * 20) / 6), rows starting at 41 (laid from the bottom).
#include "calendar/control/CalendarLayout.h"

#include <gtest/gtest.h>

using vxcal::CellRect;

namespace {

// Test names from the rows' own names.
struct RowName {
    template <typename P> std::string operator()(const testing::TestParamInfo<P>& row) const {
        return row.param.name;
    }
};

vxcal::LayoutInput base() {
    vxcal::LayoutInput in;
    in.panel = {0, 0, 200, 160};
    in.titleHeight = 20;
    in.monthTextWidth = 60;
    in.yearTextWidth = 28;
    return in;
}

struct CellCase {
    const char* name;
    int firstWeekday, dayStart, days, divider;
    bool weekNumbers;
    int day;
    CellRect expected;
};

class DayCells : public testing::TestWithParam<CellCase> {};

TEST_P(DayCells, SitWhereTheyWereWorkedOut) {
    const CellCase& c = GetParam();
    auto in = base();
    in.firstWeekday = c.firstWeekday;
    in.dayStart = c.dayStart;
    in.daysInMonth = c.days;
    in.dividerStyle = c.divider;
    in.weekNumbers = c.weekNumbers;
    const auto L = vxcal::layOutCalendar(in);
    EXPECT_EQ(L.cells[static_cast<std::size_t>(c.day)], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, DayCells,
    testing::Values(
        // A month beginning on the seventh column (Saturday with Sunday first) fills all six rows.
        CellCase{"FirstOnSeventhColumnReachesTheRightEdge", 6, 0, 31, 0, false, 1, {168, 41, 200, 61}},
        CellCase{"ThirtyFirstInTheBottomRow", 6, 0, 31, 0, false, 31, {28, 141, 56, 161}},
        CellCase{"SingleDividerOnePixelLess", 6, 0, 31, 1, false, 1, {168, 41, 199, 60}},
        CellCase{"LoweredDividerTwoPixelsLess", 6, 0, 31, 3, false, 1, {168, 41, 198, 59}},
        CellCase{"RaisedDividerTwoPixelsLess", 6, 0, 31, 4, false, 31, {28, 141, 54, 159}},
        // February 2015 begins on a Sunday: four rows, the last two empty.
        CellCase{"ShortFebruaryEndsInRowThree", 0, 0, 28, 0, false, 28, {168, 101, 200, 121}},
        CellCase{"ShortFebruaryHasNoTwentyNinth", 0, 0, 28, 0, false, 29, {0, 0, 0, 0}},
        // Monday first: a Saturday 1st is in the sixth column.
        CellCase{"MondayFirstShiftsTheWeek", 6, 1, 31, 0, false, 1, {140, 41, 168, 61}},
        // Week numbers take the first column: 8 columns of 25.
        CellCase{"WeekNumbersMoveDaysRight", 6, 0, 31, 0, true, 1, {175, 41, 200, 61}}),
    RowName());

TEST(Layout, ShortFebruaryLeavesTheLastRowsEmptyAndNumbersWeeksOn) {
    auto in = base();
    in.daysInMonth = 28;
    in.weekNumbers = true;
    in.firstWeek = 5;
    const auto L = vxcal::layOutCalendar(in);
    EXPECT_TRUE(L.rowUsed[3]);
    EXPECT_FALSE(L.rowUsed[4]);
    EXPECT_FALSE(L.rowUsed[5]);
    EXPECT_EQ(L.weekCells[0], (CellRect{0, 41, 25, 61}));
    EXPECT_EQ(L.weekNumbers[3], 8);
    EXPECT_EQ(L.header[0], (CellRect{25, 20, 50, 40}));
}

struct ArrowCase {
    const char* name;
    int titleHeight, mouseExpand, entry;
    CellRect drawn, hit;
};

class Arrows : public testing::TestWithParam<ArrowCase> {};

TEST_P(Arrows, DrawnAndHitRectangles) {
    const ArrowCase& c = GetParam();
    auto in = base();
    in.titleHeight = c.titleHeight;
    in.mouseExpand = c.mouseExpand;
    const auto L = vxcal::layOutCalendar(in);
    EXPECT_EQ(L.arrows[static_cast<std::size_t>(c.entry - 32)], c.drawn);
    EXPECT_EQ(L.cells[static_cast<std::size_t>(c.entry)], c.hit);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, Arrows,
    testing::Values(
        // W3 = 66; tw = 60, ty = 28; size 5 at height 20; halves truncate toward zero.
        ArrowCase{"PrevMonth", 20, 0, 32, {18, 5, 23, 14}, {16, 3, 25, 16}},
        ArrowCase{"NextMonthNegativeQuarter", 20, 0, 33, {105, 5, 110, 14}, {103, 3, 112, 16}},
        ArrowCase{"NextYearTruncatesTowardZero", 20, 0, 35, {186, 5, 191, 14}, {184, 3, 193, 16}},
        ArrowCase{"MouseExpandThreeGrowsByFive", 20, 3, 32, {18, 5, 23, 14}, {13, 0, 28, 19}},
        ArrowCase{"Height12GivesSize4", 12, 0, 32, {18, 2, 22, 9}, {16, 0, 24, 11}},
        ArrowCase{"Height40GivesSize10", 40, 0, 32, {18, 10, 28, 29}, {16, 8, 30, 31}}),
    RowName());

struct HitCase {
    const char* name;
    bool calStatic;
    int x, y, expected;
};

class Hits : public testing::TestWithParam<HitCase> {};

TEST_P(Hits, StrictlyInside) {
    const HitCase& c = GetParam();
    auto in = base();
    in.firstWeekday = 6;
    in.calStatic = c.calStatic;
    EXPECT_EQ(vxcal::hitCell(vxcal::layOutCalendar(in).cells, c.x, c.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Layout, Hits,
                         testing::Values(HitCase{"Inside", false, 169, 42, 1},
                                         HitCase{"OnLeftEdge", false, 168, 50, -1},
                                         HitCase{"OnTopEdge", false, 180, 41, -1},
                                         HitCase{"OnRightEdge", false, 200, 50, -1},
                                         HitCase{"HeaderHitsNothing", false, 100, 30, -1},
                                         HitCase{"ArrowInCaption", false, 20, 10, 32},
                                         HitCase{"LockedCaptionHitsNothing", true, 20, 10, -1}),
                         RowName());

TEST(Layout, InsetAndCenterfold) {
    EXPECT_EQ(vxcal::calendarArea({0, 0, 200, 160}, 0, 5), (CellRect{2, 2, 198, 158}));
    EXPECT_EQ(vxcal::calendarArea({0, 0, 200, 160}, 3, 5), (CellRect{0, 2, 198, 158}));
    EXPECT_EQ(vxcal::calendarArea({0, 0, 200, 160}, 4, 5), (CellRect{2, 2, 200, 158}));
    EXPECT_EQ(vxcal::calendarArea({0, 0, 200, 160}, 9, 5), (CellRect{0, 0, 200, 160}));
    // An odd height: the upper half ends at 161 / 2 = 80 and the calendar starts there.
    EXPECT_EQ(vxcal::centerfoldUpper({0, 0, 200, 161}), (CellRect{0, 0, 200, 80}));
    EXPECT_EQ(vxcal::centerfoldLower({0, 0, 200, 161}), (CellRect{0, 80, 200, 161}));
}

TEST(Layout, DividerLines) {
    auto in = base();
    in.dividerStyle = 1;
    auto L = vxcal::layOutCalendar(in);
    ASSERT_EQ(L.dividers.size(), 13u); // 6 verticals, 6 row lines, the header line
    EXPECT_EQ(L.dividers[0].pixels, (CellRect{27, 20, 28, 159}));
    EXPECT_EQ(L.dividers[6].pixels, (CellRect{0, 40, 200, 41}));
    EXPECT_EQ(L.dividers[12].pixels, (CellRect{0, 20, 200, 21}));
    in.dividerStyle = 3;
    L = vxcal::layOutCalendar(in);
    ASSERT_EQ(L.dividers.size(), 26u);
    EXPECT_EQ(L.dividers[0].pixels, (CellRect{26, 20, 27, 159}));
    EXPECT_EQ(L.dividers[0].pen, 0);
    EXPECT_EQ(L.dividers[6].pixels, (CellRect{27, 20, 28, 159}));
    EXPECT_EQ(L.dividers[6].pen, 1);
    EXPECT_EQ(L.dividers[18].pixels, (CellRect{0, 19, 200, 20})); // the header line's first pen
    in.dividerStyle = 0;
    EXPECT_TRUE(vxcal::layOutCalendar(in).dividers.empty());
}

} // namespace
