#include "register/core/AutoDuplicate.h"
#include "register/core/RegisterList.h"
#include "runtime/Format.h"

#include <gtest/gtest.h>

#include <limits>

#include <string>
#include <vector>

namespace {

using ledger::ChequeBook;
using ledger::Item;
using ledger::ProcessResult;
using runtime::Currency;

Item standing(int day, const char* particulars, char st = 'A') {
    Item i = ledger::makeItem(day, 0, particulars, -Currency::fromUnits(10), "FIX", st);
    return i;
}

std::string statuses(const ChequeBook& book) {
    std::string s;
    for (const Item& i : book.autoDupItems)
        s += i.status;
    return s;
}

// "mm/dd/yyyy particulars" of each register item, in table order.
std::vector<std::string> entered(const ChequeBook& book) {
    std::vector<std::string> out;
    for (const Item& i : book.items)
        out.push_back(runtime::formatDate(i.date, "mm/dd/yyyy") + " " + ledger::trimRight(i.particulars));
    return out;
}

// Opening the book on one day and answering ALL when something is due.
void openOnAndProcessAll(ChequeBook& book, int year, int month, int day, int* assumed = nullptr) {
    const ledger::AutoDupCheck check = ledger::checkAutoDuplicates(book, day);
    if (check.due == 0)
        return;
    const auto results = ledger::processAllDue(book, check, runtime::oleFromCivil(year, month, day));
    for (ProcessResult r : results) {
        if (r == ProcessResult::ProcessedOnToday && assumed)
            ++*assumed;
    }
    // Saving and opening again turns "T" into "A", as the file does.
    for (Item& i : book.autoDupItems) {
        if (i.status == 'T')
            i.status = 'A';
    }
}

ChequeBook fourStandingItems() {
    ChequeBook book;
    book.autoDupItems = {standing(1, "Rent"), standing(15, "Salary"), standing(30, "Thirtieth"),
                         standing(31, "Last day")};
    return book;
}

TEST(LedgerAutoDup, DailyUseAcrossTheYearBoundaryEntersEachItemOncePerMonth) {
    ChequeBook book = fourStandingItems();
    int assumed = 0;
    for (int d = 1; d <= 31; ++d)
        openOnAndProcessAll(book, 2026, 12, d, &assumed);
    for (int d = 1; d <= 31; ++d)
        openOnAndProcessAll(book, 2027, 1, d, &assumed);
    EXPECT_EQ(entered(book),
              (std::vector<std::string>{"12/01/2026 Rent", "12/15/2026 Salary", "12/30/2026 Thirtieth",
                                        "12/31/2026 Last day", "01/01/2027 Rent", "01/15/2027 Salary",
                                        "01/30/2027 Thirtieth", "01/31/2027 Last day"}));
    EXPECT_EQ(assumed, 0);
    EXPECT_EQ(statuses(book), "PPPP");
    EXPECT_EQ(book.lastAutoDupDay, 31);
}

TEST(LedgerAutoDup, AprilEnteredDailyUsesTodayForDayThirtyOne) {
    ChequeBook book = fourStandingItems();
    book.lastAutoDupDay = 31; // last opened on March 31st, everything processed
    for (Item& i : book.autoDupItems)
        i.status = 'P';
    int assumed = 0;
    for (int d = 1; d <= 30; ++d)
        openOnAndProcessAll(book, 2027, 4, d, &assumed);
    // Day 31 never comes in April: the item stays waiting, nothing made up for it.
    EXPECT_EQ(entered(book),
              (std::vector<std::string>{"04/01/2027 Rent", "04/15/2027 Salary", "04/30/2027 Thirtieth"}));
    EXPECT_EQ(statuses(book), "PPPA");
    // On May 1st the waiting day 31 is taken back to April, which lacks it: today's date.
    openOnAndProcessAll(book, 2027, 5, 1, &assumed);
    EXPECT_EQ(assumed, 1);
    EXPECT_EQ(entered(book).back(), "05/01/2027 Last day");
    EXPECT_EQ(entered(book)[3], "05/01/2027 Rent");
    EXPECT_EQ(statuses(book), "PAAA");
}

TEST(LedgerAutoDup, WaitingItemOfLastMonthIsEnteredThereAndWaitsAgain) {
    // Day 28 still waiting when the book was last opened on the 30th; opened again on the 2nd.
    ChequeBook book;
    book.lastAutoDupDay = 30;
    book.autoDupItems = {standing(28, "Insurance"), standing(1, "Rent", 'P')};
    const ledger::AutoDupCheck check = ledger::checkAutoDuplicates(book, 2);
    EXPECT_TRUE(check.newMonth);
    EXPECT_EQ(check.due, 2);
    EXPECT_EQ(statuses(book), "TT");
    EXPECT_EQ(book.lastAutoDupDay, 1);
    ledger::processAllDue(book, check, runtime::oleFromCivil(2027, 1, 2));
    EXPECT_EQ(entered(book), (std::vector<std::string>{"12/28/2026 Insurance", "01/01/2027 Rent"}));
    EXPECT_EQ(statuses(book), "AP");
    // ... and is due again on the 28th.
    EXPECT_EQ(ledger::checkAutoDuplicates(book, 27).due, 0);
    EXPECT_EQ(ledger::checkAutoDuplicates(book, 28).due, 1);
}

TEST(LedgerAutoDup, ProcessingOneByOneEntersLastMonthsItemAsAllDoes) {
    ChequeBook book;
    book.lastAutoDupDay = 30;
    book.autoDupItems = {standing(28, "Insurance"), standing(1, "Rent", 'P')};
    const ledger::AutoDupCheck check = ledger::checkAutoDuplicates(book, 2);
    const runtime::OleDate today = runtime::oleFromCivil(2027, 1, 2);
    EXPECT_EQ(ledger::processAutoDup(book, 0, today, &check), ProcessResult::Processed);
    EXPECT_EQ(ledger::processAutoDup(book, 1, today, &check), ProcessResult::Processed);
    EXPECT_EQ(entered(book), (std::vector<std::string>{"12/28/2026 Insurance", "01/01/2027 Rent"}));
    EXPECT_EQ(statuses(book), "AP");
    // Without the check (a waiting item processed by hand) the current month is used.
    EXPECT_EQ(ledger::processAutoDup(book, 0, today), ProcessResult::Processed);
    EXPECT_EQ(entered(book).back(), "01/28/2027 Insurance");
    EXPECT_EQ(statuses(book), "PP");
}

struct CheckCase {
    const char* name;
    int lastDay;
    int today;
    const char* before; // statuses of items with days 5, 10, 20
    bool newMonth;
    int due;
    const char* after;
    const char* afterCancel;
};

class LedgerAutoDupCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(LedgerAutoDupCheck, DueItemsAndCancel) {
    const CheckCase& c = GetParam();
    ChequeBook book;
    book.lastAutoDupDay = c.lastDay;
    for (int i = 0; i < 3; ++i)
        book.autoDupItems.push_back(standing(i == 0 ? 5 : i == 1 ? 10 : 20, "x", c.before[i]));
    const ledger::AutoDupCheck check = ledger::checkAutoDuplicates(book, c.today);
    EXPECT_EQ(check.newMonth, c.newMonth);
    EXPECT_EQ(check.due, c.due);
    EXPECT_EQ(statuses(book), c.after);
    ledger::cancelAutoDupProcessing(book, check);
    EXPECT_EQ(statuses(book), c.afterCancel);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerAutoDupCheck,
    testing::Values(CheckCase{"SameDayNothingNew", 10, 10, "PPA", false, 0, "PPA", "PPA"},
                    CheckCase{"DayReached", 4, 12, "AAA", false, 2, "TTA", "TTA"},
                    CheckCase{"DayNotReached", 1, 4, "AAA", false, 0, "AAA", "AAA"},
                    CheckCase{"ProcessedStayProcessed", 6, 25, "PAA", false, 2, "PTT", "PTT"},
                    CheckCase{"NewMonthWaitingAllDue", 25, 3, "PAA", true, 2, "ATT", "AAA"},
                    CheckCase{"NewMonthProcessedDueOnTheirDay", 25, 7, "PPP", true, 1, "TAA", "AAA"},
                    CheckCase{"NewMonthNothingDue", 25, 2, "PPP", true, 0, "AAA", "AAA"},
                    CheckCase{"FirstCheckEver", 0, 31, "AAA", false, 3, "TTT", "TTT"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace

namespace {

struct MonthEndCase {
    const char* name;
    int year;
    int month;
    int day;
    const char* entered; // the register date; today's (the 10th) when the day does not exist
    bool assumed;        // "Invalid Date - Current date assumed"
};

class LedgerAutoDupMonthEnd : public testing::TestWithParam<MonthEndCase> {};

TEST_P(LedgerAutoDupMonthEnd, ShortMonthsAndFebruary) {
    const MonthEndCase& c = GetParam();
    ChequeBook book;
    book.autoDupItems = {standing(c.day, "Standing")};
    const ProcessResult result = ledger::processAutoDup(book, 0, runtime::oleFromCivil(c.year, c.month, 10));
    EXPECT_EQ(result, c.assumed ? ProcessResult::ProcessedOnToday : ProcessResult::Processed);
    ASSERT_EQ(book.items.size(), 1u);
    EXPECT_EQ(runtime::formatDate(book.items[0].date, "mm/dd/yyyy"), c.entered);
    EXPECT_EQ(book.items[0].status, ' ');
    EXPECT_EQ(book.autoDupItems[0].status, 'P');
    // A second time in the same period changes nothing.
    EXPECT_EQ(ledger::processAutoDup(book, 0, runtime::oleFromCivil(c.year, c.month, 11)),
              ProcessResult::AlreadyProcessed);
    EXPECT_EQ(book.items.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerAutoDupMonthEnd,
    testing::Values(MonthEndCase{"Day31InApril", 2027, 4, 31, "04/10/2027", true},
                    MonthEndCase{"Day31InJune", 2027, 6, 31, "06/10/2027", true},
                    MonthEndCase{"Day31InSeptember", 2027, 9, 31, "09/10/2027", true},
                    MonthEndCase{"Day31InNovember", 2027, 11, 31, "11/10/2027", true},
                    MonthEndCase{"Day30InNovember", 2027, 11, 30, "11/30/2027", false},
                    MonthEndCase{"Day31InDecember", 2027, 12, 31, "12/31/2027", false},
                    MonthEndCase{"Day28InCommonFebruary", 2027, 2, 28, "02/28/2027", false},
                    MonthEndCase{"Day29InCommonFebruary", 2027, 2, 29, "02/28/2027", false},
                    MonthEndCase{"Day30InCommonFebruary", 2027, 2, 30, "02/28/2027", false},
                    MonthEndCase{"Day31InCommonFebruary", 2027, 2, 31, "02/28/2027", false},
                    MonthEndCase{"Day29InLeapFebruary", 2028, 2, 29, "02/28/2028", false},
                    MonthEndCase{"Day30InLeapFebruary", 2028, 2, 30, "02/28/2028", false},
                    MonthEndCase{"Day31InLeapFebruary", 2028, 2, 31, "02/28/2028", false},
                    MonthEndCase{"Day31InLastMonthOfRange", 2099, 12, 31, "12/31/2099", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerAutoDup, AmountsBeyondTheRangeAreNotCopied) {
    ChequeBook book;
    book.items = {ledger::makeItem(
        1, 0, "Huge", Currency::fromTicks(std::numeric_limits<std::int64_t>::max() - 250000), "X")};
    book.autoDupItems = {standing(5, "Ten dollars"), standing(6, "Also ten")};
    book.lastAutoDupDay = 1;
    EXPECT_EQ(ledger::processAutoDup(book, 0, runtime::oleFromCivil(2027, 3, 9)), ProcessResult::TooLarge);
    EXPECT_EQ(statuses(book), "AA");
    const ledger::AutoDupCheck check = ledger::checkAutoDuplicates(book, 9);
    EXPECT_EQ(ledger::processAllDue(book, check, runtime::oleFromCivil(2027, 3, 9)),
              (std::vector<ProcessResult>{ProcessResult::TooLarge, ProcessResult::TooLarge}));
    EXPECT_EQ(book.items.size(), 1u);
    EXPECT_EQ(statuses(book), "TT"); // still due, for the frame
}

} // namespace
