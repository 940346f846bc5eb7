#include "register/core/RegisterList.h"
#include "register/ItemBuilder.h"
#include "register/core/ChequeBookFile.h"
#include "runtime/Format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <limits>

namespace {

using ledger::Item;
using ledger::SortOrder;
using runtime::Currency;

using booktest::item;

struct LineCase {
    const char* name;
    Item item;
    std::size_t index;
    std::int64_t balanceTicks;
    const char* line;
};

class LedgerRegisterLine : public testing::TestWithParam<LineCase> {};

TEST_P(LedgerRegisterLine, FieldsFollowTheirPatterns) {
    const LineCase& c = GetParam();
    EXPECT_EQ(ledger::registerLine(c.item, c.index, Currency::fromTicks(c.balanceTicks)), c.line);
}

constexpr double kAug1 = 46235.0; // 08/01/2026

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerRegisterLine,
    testing::Values(
        LineCase{"Deposit", item(1, kAug1, 0, "Opening Balance", 23'500'000, "OPEN", 'd'), 0, 23'500'000,
                 "d\t1\t08/01/26\t00000\tOpening Balance          \t2,350.00\t\tOPEN\t2,350.00"},
        LineCase{"WithdrawalWithNegativeBalance", item(-1, kAug1, 101, "Rent", 125'000, "RENT"), 1, -125'000,
                 " \t2\t08/01/26\t00101\tRent                     \t\t12.50\tRENT\t(12.50)"},
        LineCase{"ThousandsGroups", item(1, kAug1, 32767, "Lottery", 12'345'678'900, "WIN", 'd'), 998,
                 12'345'678'900,
                 "d\t999\t08/01/26\t32767\tLottery                  \t1,234,567.89\t\tWIN \t1,234,567.89"},
        LineCase{"ItemNumberBeyondPattern", item(1, kAug1, 0, "", 0, "", ' '), 1234, 0,
                 " \t1235\t08/01/26\t00000\t                         \t0.00\t\t    \t0.00"},
        LineCase{"HalfCentRoundsAwayFromZero", item(-1, kAug1, 0, "Fee", 50, "BANK", 'c'), 0, -50,
                 "c\t1\t08/01/26\t00000\tFee                      \t\t0.01\tBANK\t(0.01)"},
        LineCase{"BelowHalfCentShowsZero", item(-1, kAug1, 0, "Fee", 49, "BANK", 'c'), 0, -49,
                 "c\t1\t08/01/26\t00000\tFee                      \t\t0.00\tBANK\t0.00"},
        LineCase{"NegativeChequeNumber", item(-1, kAug1, -3, "Odd", 10000, "X"), 0, -10000,
                 " \t1\t08/01/26\t-00003\tOdd                      \t\t1.00\tX   \t(1.00)"},
        LineCase{"FirstDayOf2000", item(1, 36526.0, 0, "Y2K", 10000, "X"), 0, 10000,
                 " \t1\t01/01/00\t00000\tY2K                      \t1.00\t\tX   \t1.00"},
        LineCase{"LastRegisterDayKeepsTimeOut", item(1, 73050.75, 0, "End", 10000, "X"), 0, 10000,
                 " \t1\t12/31/99\t00000\tEnd                      \t1.00\t\tX   \t1.00"},
        LineCase{"LargestBalance", item(1, kAug1, 0, "Max", std::numeric_limits<std::int64_t>::max(), "X"), 0,
                 std::numeric_limits<std::int64_t>::max(),
                 " \t1\t08/01/26\t00000\tMax                      \t922,337,203,685,477.58\t\tX   "
                 "\t922,337,203,685,477.58"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerRegisterLines, RunningBalanceIgnoresClearedMarks) {
    const std::vector<Item> items = {
        item(1, kAug1, 0, "Opening Balance", 1'000'000, "OPEN", 'd'),
        item(-1, kAug1 + 1, 7, "Groceries", 1'125'000, "GROC", 'c'),
        item(1, kAug1 + 2, 0, "Refund", 200'000, "GROC", ' '),
    };
    const std::vector<std::string> lines = ledger::registerLines(items);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(lines[0].rfind('\t') + 1), "100.00");
    EXPECT_EQ(lines[1].substr(lines[1].rfind('\t') + 1), "(12.50)");
    EXPECT_EQ(lines[2].substr(lines[2].rfind('\t') + 1), "7.50");
    EXPECT_EQ(ledger::finalBalance(items), Currency::fromTicks(75'000));
    std::vector<std::int64_t> balances{42};
    ledger::runningBalances(items, balances);
    EXPECT_EQ(balances, (std::vector<std::int64_t>{1'000'000, -125'000, 75'000}));
    EXPECT_EQ(runtime::formatCurrency(ledger::finalBalance({items[1]}), ledger::kBalancePattern),
              "($112.50)");
}

TEST(LedgerRegisterLines, BalanceBeyondTheRangeIsAnError) {
    const std::int64_t most = std::numeric_limits<std::int64_t>::max();
    const std::vector<Item> items = {item(1, kAug1, 0, "Max", most, "X"), item(1, kAug1, 0, "One", 1, "X")};
    std::vector<std::int64_t> balances;
    EXPECT_ANY_THROW(ledger::runningBalances(items, balances));
    EXPECT_ANY_THROW(ledger::finalBalance(items));
    EXPECT_EQ(ledger::finalBalance({items[0], item(-1, kAug1, 0, "Back", most, "X")}), Currency());
}

TEST(LedgerRegisterLines, AutoDuplicateLineShowsTheDayNumber) {
    EXPECT_EQ(ledger::autoDupLine(item(-1, 14, 0, "Northline Mobile", 655'400, "PHON", 'A'), 2),
              "A\t3\t14\t00000\tNorthline Mobile         \t\t65.54\tPHON");
    EXPECT_EQ(ledger::autoDupLine(item(1, 3, 12, "Payroll", 31'204'500, "SAL", 'P'), 0),
              "P\t1\t3\t00012\tPayroll                  \t3,120.45\t\tSAL ");
}

// Shell sort: each register is a list of keys; items are named A, B, C... in their starting order
// and the expected string is the order the passes leave them in (worked through by hand: equal
// keys are not kept in their first order).
struct SortCase {
    const char* name;
    std::vector<double> dates;
    std::vector<const char*> codes; // used instead of dates when not empty
    const char* order;
};

class LedgerShellSort : public testing::TestWithParam<SortCase> {};

TEST_P(LedgerShellSort, LeavesEqualKeysWhereThePassesPutThem) {
    const SortCase& c = GetParam();
    std::vector<Item> items;
    const std::size_t n = c.codes.empty() ? c.dates.size() : c.codes.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::string name(1, static_cast<char>('A' + i));
        items.push_back(
            item(1, c.codes.empty() ? c.dates[i] : kAug1, 0, name, 100, c.codes.empty() ? "" : c.codes[i]));
    }
    ledger::shellSort(items, c.codes.empty() ? SortOrder::Date : SortOrder::Code);
    std::string order;
    for (const Item& i : items) {
        order += i.particulars[0];
    }
    EXPECT_EQ(order, c.order);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerShellSort,
    testing::Values(
        SortCase{"Empty", {}, {}, ""}, SortCase{"One", {5}, {}, "A"},
        SortCase{"TwoInWrongOrder", {2, 1}, {}, "BA"}, SortCase{"SortedStaysPut", {1, 1, 2, 2}, {}, "ABCD"},
        // Gaps 3 then 1: D jumps over A in the first pass, E over C and A in the second.
        SortCase{"FiveWithGapThree", {2, 1, 2, 1, 1}, {}, "DBECA"},
        // Gaps 7, 3, 1.
        SortCase{"NineWithGapSeven", {3, 1, 2, 1, 3, 2, 1, 2, 3}, {}, "DBGCFHEAI"},
        SortCase{"TimeOfDayCounts", {46240.75, 46240.25}, {}, "BA"},
        SortCase{"CodesAsText", {}, {"RENT", "GROC", "SAL", "GROC", "RENT", "CASH", "GROC"}, "FDBGEAC"},
        SortCase{"CodesCaseAndBlanks", {}, {"b", "B", "", "a"}, "CBDA"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerShellSort, SortCommandRecordsOrderAndMarksChanged) {
    ledger::ChequeBook book;
    book.items = {item(1, 2, 0, "x", 1, "B"), item(1, 1, 0, "y", 1, "A")};
    ledger::sortRegister(book, SortOrder::Code);
    EXPECT_EQ(book.sortOrder, SortOrder::Code);
    EXPECT_TRUE(book.changed);
    EXPECT_EQ(ledger::sortingProgressText("Home", SortOrder::Code),
              "Sorting Cheque Book - Home on CODE sequence");
    EXPECT_EQ(ledger::sortingProgressText("Home", SortOrder::Date),
              "Sorting Cheque Book - Home on DATE sequence");
}

// --- The --list command --------------------------------------------------------------------

std::string sourceFile(const std::string& relative) {
    const char* root = std::getenv("VX_SOURCE_DIR");
    return std::string(root ? root : LEDGER_SOURCE_DIR) + "/" + relative;
}

// The listing's text as the sink received it.
struct Collected {
    std::string text;
    ledger::TextSink sink() {
        return [this](std::string_view piece) {
            text += piece;
            return true;
        };
    }
};

TEST(LedgerListing, SampleBookListsAsCheckedIn) {
    Collected out;
    const ledger::Listing listing = ledger::listRegister(
        sourceFile("samples/sample.lgn"), [] { return std::optional<std::string>(); }, out.sink());
    ASSERT_TRUE(listing.ok) << listing.error;
    EXPECT_TRUE(listing.warnings.empty());
    std::ifstream expected(sourceFile("tests/register/sample.list.txt"), std::ios::binary);
    ASSERT_TRUE(expected) << "missing tests/register/sample.list.txt";
    const std::string text{std::istreambuf_iterator<char>(expected), std::istreambuf_iterator<char>()};
    EXPECT_EQ(out.text, text);
}

TEST(LedgerListing, PasswordIsAskedOnlyWhenThereIsOne) {
    ledger::ChequeBook book;
    book.items = {item(1, 46240, 0, "Pay", 10000, "SAL", 'd'),
                  item(-1, 46235, 5, "Rent", 30000, "RENT", ' ')};
    const std::string path = testing::TempDir() + "ledgercore-listing.lgn";

    struct Row {
        const char* name;
        const char* password;
        std::optional<std::string> answer;
        bool ok;
        int asked;
    };
    const Row rows[] = {
        {"NoPassword", "5827", std::nullopt, true, 0},
        {"RightPassword", "ab1 ", "ab1", true, 1},
        {"WrongPassword", "ab1 ", "AB1", false, 1},
        {"NoAnswer", "ab1 ", std::nullopt, false, 1},
    };
    for (const Row& row : rows) {
        book.password = row.password;
        ledger::saveChequeBook(path, book, "");
        int asked = 0;
        Collected out;
        const ledger::Listing listing = ledger::listRegister(
            path,
            [&] {
                ++asked;
                return row.answer;
            },
            out.sink());
        EXPECT_EQ(listing.ok, row.ok) << row.name;
        EXPECT_EQ(asked, row.asked) << row.name;
        if (row.ok) {
            // Listed in the stored order (dates), so the rent of the 1st comes first.
            EXPECT_EQ(out.text,
                      " \t1\t08/01/26\t00005\tRent                     \t\t3.00\tRENT\t(3.00)\n"
                      "d\t2\t08/06/26\t00000\tPay                      \t1.00\t\tSAL \t(2.00)\n")
                << row.name;
        } else {
            EXPECT_EQ(listing.error, "PassWord entered is not VALID!") << row.name;
            EXPECT_TRUE(out.text.empty());
        }
    }
    std::remove(path.c_str());

    Collected none;
    const ledger::Listing missing = ledger::listRegister(path, {}, none.sink());
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "That file cannot be found.");
}

// Output that cannot be written (a full disk, a closed pipe) is a failure, never a silent short listing.
TEST(LedgerListing, RefusedOutputIsAFailure) {
    int pieces = 0;
    const ledger::Listing listing = ledger::listRegister(
        sourceFile("samples/sample.lgn"), [] { return std::optional<std::string>(); },
        [&](std::string_view) { return ++pieces, false; });
    EXPECT_FALSE(listing.ok);
    EXPECT_TRUE(listing.writeFailed);
    EXPECT_EQ(pieces, 1);
}

} // namespace
