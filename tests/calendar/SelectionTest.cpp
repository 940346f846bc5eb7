#include "MapIntl.h"
#include "calendar/core/DateModel.h"
#include "runtime/Clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using vxcal::DateModel;
using vxcal::dayNumber;

struct Fixture {
    MapIntl intl;
    runtime::FixedClock clock{runtime::localTimePoint(1997, 3, 10, 12)};
    vxcal::LanguageTexts texts{intl};
    DateModel model{texts, intl, clock};
    Fixture() {
        model.inputs.multiSelect = 1;
        model.computeMarks();
    }
    bool select(int m, int d, int y, bool on = true) {
        model.monthSel = static_cast<short>(m);
        model.daySel = static_cast<short>(d);
        model.yearSel = static_cast<short>(y);
        return model.setDateSelOn(on);
    }
    std::vector<int> days() const {
        std::vector<int> out;
        for (int k = 0; k < model.selectedCount(); ++k)
            out.push_back(model.selectionEntry(k)->day);
        return out;
    }
    std::vector<int> markedDays() const {
        std::vector<int> out;
        for (int j = 1; j <= 31; ++j)
            if (model.mark(j))
                out.push_back(j);
        return out;
    }
};

TEST(Selection, InsertsInDateOrderAndReadsEntries) {
    Fixture f;
    f.select(3, 15, 1997);
    f.select(3, 3, 1997);
    f.select(3, 20, 1997);
    EXPECT_EQ(f.days(), (std::vector<int>{3, 15, 20}));
    EXPECT_EQ(f.model.selectionEntry(0), (vxcal::MonthDayYear{3, 3, 1997}));
    EXPECT_FALSE(f.model.selectionEntry(3));
    EXPECT_FALSE(f.model.selectionEntry(-1));
    EXPECT_EQ(f.markedDays(), (std::vector<int>{3, 15, 20}));
    // Selecting a held date changes nothing but is still reported as done (it notifies).
    EXPECT_TRUE(f.select(3, 15, 1997));
    EXPECT_EQ(f.model.selectedCount(), 3);
    f.model.monthSel = 3;
    f.model.daySel = 20;
    EXPECT_TRUE(f.model.dateSelOn());
    EXPECT_TRUE(f.select(3, 15, 1997, false));
    EXPECT_EQ(f.days(), (std::vector<int>{3, 20}));
    EXPECT_TRUE(f.select(3, 16, 1997, false)); // not held: nothing to remove
    EXPECT_EQ(f.model.selectedCount(), 2);
    f.model.clear();
    EXPECT_EQ(f.model.selectedCount(), 0);
    EXPECT_EQ(f.markedDays(), std::vector<int>{});
    EXPECT_EQ(f.model.selection()[0], 0);
}

TEST(Selection, FullListRefusesFurtherDates) {
    Fixture f;
    const std::int32_t start = dayNumber(1, 1, 1997);
    for (int i = 0; i < DateModel::kMaxSelected; ++i) {
        const vxcal::MonthDayYear d = vxcal::dateOfDayNumber(start + 2 * i);
        ASSERT_TRUE(f.select(d.month, d.day, d.year));
    }
    EXPECT_EQ(f.model.selectedCount(), 365);
    EXPECT_FALSE(f.select(1, 2, 1997));
    EXPECT_FALSE(f.model.insertSelected(start + 1));
    EXPECT_EQ(f.model.selectedCount(), 365);
    EXPECT_EQ(f.model.selection()[365], 0); // the spare slot stays unused
    // Removal still works on a full list, and then one date fits again.
    EXPECT_TRUE(f.select(1, 1, 1997, false));
    EXPECT_TRUE(f.select(1, 2, 1997));
    EXPECT_EQ(f.model.selectedCount(), 365);
}

TEST(Selection, MarksAreNotShownInDesignModeOrSingleSelection) {
    Fixture f;
    f.select(3, 5, 1997);
    EXPECT_EQ(f.markedDays(), std::vector<int>{5});
    f.model.inputs.userMode = false;
    f.model.computeMarks();
    EXPECT_EQ(f.markedDays(), std::vector<int>{});
    f.model.inputs.userMode = true;
    f.model.inputs.multiSelect = 0;
    f.model.computeMarks();
    EXPECT_EQ(f.markedDays(), std::vector<int>{});
    EXPECT_EQ(f.model.firstOfMonth(), dayNumber(3, 1, 1997));
}

TEST(Selection, MarksPastMonthEndStandForNextMonth) {
    Fixture f;
    f.model.setDateUnchecked(10, 2, 1997); // 28 days
    f.select(3, 1, 1997);
    f.select(3, 3, 1997);
    f.select(3, 4, 1997);
    f.model.computeMarks();
    EXPECT_EQ(f.markedDays(), (std::vector<int>{29, 31}));
}

TEST(Selection, StoreMarksReplacesTheShownMonth) {
    Fixture f; // March 1997, 31 days
    f.select(2, 28, 1997);
    f.select(3, 10, 1997);
    f.select(4, 1, 1997);
    f.model.computeMarks();
    f.model.setMark(10, false);
    f.model.setMark(11, true);
    f.model.setMark(31, true);
    f.model.storeMarks();
    std::vector<std::int32_t> want{dayNumber(2, 28, 1997), dayNumber(3, 11, 1997), dayNumber(3, 31, 1997),
                                   dayNumber(4, 1, 1997)};
    std::vector<std::int32_t> got(f.model.selection().begin(),
                                  f.model.selection().begin() + f.model.selectedCount());
    EXPECT_EQ(got, want); // 1 April, beyond the 31 marks, is kept
    // Design mode or single selection: marks are not stored.
    f.model.setMark(20, true);
    f.model.inputs.multiSelect = 0;
    f.model.storeMarks();
    EXPECT_EQ(f.model.selectedCount(), 4);
}

TEST(Selection, StoreMarksOnFullListKeepsEarlierDates) {
    Fixture f;
    const std::int32_t start = dayNumber(1, 1, 1990);
    for (int i = 0; i < 360; ++i)
        ASSERT_TRUE(f.model.insertSelected(start + i));
    for (int d : {2, 4, 6, 8, 10})
        f.select(3, d, 1997);
    ASSERT_EQ(f.model.selectedCount(), 365);
    f.model.computeMarks();
    f.model.setMark(1, true); // a new mark ahead of the held ones
    f.model.storeMarks();
    EXPECT_EQ(f.model.selectedCount(), 365);
    EXPECT_EQ(f.markedDays(), (std::vector<int>{2, 4, 6, 8, 10}));
}

struct CountRow {
    const char* name;
    int assigned;
    int count;
};

class SelectedCountRows : public testing::TestWithParam<CountRow> {};

TEST_P(SelectedCountRows, CountNeverDisagreesWithList) {
    Fixture f;
    for (int d : {3, 15, 20})
        f.select(3, d, 1997);
    f.model.setSelectedCount(GetParam().assigned);
    EXPECT_EQ(f.model.selectedCount(), GetParam().count);
    for (int k = GetParam().count; k < DateModel::kSelectionSlots; ++k)
        ASSERT_EQ(f.model.selection()[static_cast<std::size_t>(k)], 0);
}

INSTANTIATE_TEST_SUITE_P(Bounds, SelectedCountRows,
                         testing::Values(CountRow{"ZeroEmpties", 0, 0}, CountRow{"NegativeEmpties", -5, 0},
                                         CountRow{"SmallerDropsLatest", 2, 2}, CountRow{"SameKeeps", 3, 3},
                                         CountRow{"LargerKeeps", 300, 3},
                                         CountRow{"BeyondSlotsKeeps", 32767, 3}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(DaysOfMonth, CountedFromTheNormaliser) {
    Fixture f;
    struct Row {
        int month, year, days;
    };
    for (Row r : {Row{2, 1997, 28}, Row{2, 2000, 29}, Row{2, 1900, 28}, Row{4, 1997, 30}, Row{12, 9999, 31},
                  Row{1, 0, 31}, Row{2, 0, 29}}) {
        f.model.setDateUnchecked(1, static_cast<short>(r.month), static_cast<short>(r.year));
        EXPECT_EQ(f.model.countDaysInMonth(), r.days) << r.month << "/" << r.year;
        EXPECT_EQ(f.model.daysInMonth(), r.days);
    }
}

TEST(WeekNumbers, CountFromFirstDayStartWeekday) {
    Fixture f;
    // 1 January 1997 was a Wednesday: with Sunday first, 1..4 January are week 0, 5 January week 1.
    EXPECT_EQ(f.model.weekNumber(1, 4, 1997, 0), 0);
    EXPECT_EQ(f.model.weekNumber(1, 5, 1997, 0), 1);
    EXPECT_EQ(f.model.weekNumber(1, 1, 1997, 3), 1);
    EXPECT_EQ(f.model.weekNumber(12, 31, 1997, 0), 52);
}

} // namespace
