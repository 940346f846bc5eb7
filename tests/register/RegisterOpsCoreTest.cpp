// Operations on the register as a whole: the Shell sort's order, the room left for amounts and
// where the list stands after a delete.
#include "register/ExchangingShellSort.h"
#include "register/core/RegisterList.h"
#include "register/core/RegisterOps.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using runtime::Currency;

struct SortCase {
    const char* name;
    std::size_t count;
    int distinctKeys; // few keys: many equal ones
    bool onCodes;
};

class LedgerShellSortOrder : public testing::TestWithParam<SortCase> {};

TEST_P(LedgerShellSortOrder, EqualKeysEndWhereTheExchangesLeaveThem) {
    const SortCase& c = GetParam();
    std::mt19937 random(static_cast<unsigned>(c.count * 31 + c.distinctKeys));
    std::vector<ledger::Item> items;
    for (std::size_t i = 0; i < c.count; ++i) {
        const int key = static_cast<int>(random() % static_cast<unsigned>(c.distinctKeys));
        const std::string code(1, static_cast<char>('A' + key % 26));
        items.push_back(ledger::makeItem(30000 + key, 0, std::to_string(i), Currency::fromUnits(1), code));
    }
    std::vector<ledger::Item> expected = items;
    exchangingShellSort(expected, c.onCodes);
    ledger::shellSort(items, c.onCodes ? ledger::SortOrder::Code : ledger::SortOrder::Date);
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        ASSERT_EQ(items[i].particulars, expected[i].particulars) << "line " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerShellSortOrder,
    testing::Values(SortCase{"Empty", 0, 1, false}, SortCase{"One", 1, 1, false},
                    SortCase{"TwoEqual", 2, 1, true}, SortCase{"SevenDates", 7, 3, false},
                    SortCase{"HundredDatesFewKeys", 100, 4, false}, SortCase{"HundredCodes", 100, 5, true},
                    SortCase{"ThousandDates", 1000, 50, false}, SortCase{"ThousandCodes", 1000, 26, true}),
    [](const auto& row) { return std::string(row.param.name); });

struct FitCase {
    const char* name;
    std::int64_t registerTicks; // one register item
    std::int64_t autoDupTicks;  // one auto-duplicate item
    std::int64_t added;
    std::int64_t removed;
    bool fits;
};

class LedgerAmountsFit : public testing::TestWithParam<FitCase> {};

TEST_P(LedgerAmountsFit, EveryBalanceStaysInRange) {
    const FitCase& c = GetParam();
    ledger::ChequeBook book;
    book.items = {ledger::makeItem(1, 0, "a", -Currency::fromTicks(c.registerTicks), "X")};
    book.autoDupItems = {ledger::makeItem(1, 0, "b", Currency::fromTicks(c.autoDupTicks), "X", 'A')};
    EXPECT_EQ(ledger::amountsFit(book, Currency::fromTicks(c.added), Currency::fromTicks(c.removed)), c.fits);
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(Rows, LedgerAmountsFit,
                         testing::Values(FitCase{"Everyday", 5000000, 20000, 10000, 0, true},
                                         FitCase{"ExactlyTheRange", kMax - 10, 5, 5, 0, true},
                                         FitCase{"OneTickOver", kMax - 10, 5, 6, 0, false},
                                         FitCase{"ChangeGivesBackTheOldAmount", kMax - 10, 10, 10, 10, true},
                                         FitCase{"ChangeToMoreThanGivenBack", kMax - 10, 10, 11, 10, false},
                                         FitCase{"TwoHugeAmounts", kMax, kMax, 0, 0, false},
                                         FitCase{"HugeAddedToHuge", kMax, 0, kMax, 0, false}),
                         [](const auto& row) { return std::string(row.param.name); });

struct AfterDeleteCase {
    const char* name;
    std::vector<int> deleted;
    std::size_t remaining;
    int current;
};

class LedgerLineAfterDelete : public testing::TestWithParam<AfterDeleteCase> {};

TEST_P(LedgerLineAfterDelete, WhereTheFirstDeletedLineWas) {
    const AfterDeleteCase& c = GetParam();
    EXPECT_EQ(ledger::lineAfterDelete(c.deleted, c.remaining), c.current);
}

INSTANTIATE_TEST_SUITE_P(Rows, LedgerLineAfterDelete,
                         testing::Values(AfterDeleteCase{"Middle", {2, 4}, 5, 2},
                                         AfterDeleteCase{"LastLine", {6}, 6, 5},
                                         AfterDeleteCase{"LastTwoLines", {4, 5}, 4, 3},
                                         AfterDeleteCase{"FirstLine", {0}, 3, 0},
                                         AfterDeleteCase{"Everything", {0, 1}, 0, -1}),
                         [](const auto& row) { return std::string(row.param.name); });

// The items left by a delete, in order, named by their cheque numbers 0..5; and the balances
// worked out from the ones before are those of the items left.
TEST(LedgerEraseSelected, KeepsTheRestInOrder) {
    const std::vector<std::pair<std::vector<int>, std::vector<int>>> cases = {
        {{}, {0, 1, 2, 3, 4, 5}},       {{0}, {1, 2, 3, 4, 5}},     {{5}, {0, 1, 2, 3, 4}},
        {{1, 2, 3}, {0, 4, 5}},         {{0, 2, 4}, {1, 3, 5}},     {{0, 1, 2, 3, 4, 5}, {}},
        {{2, 2, -1, 9}, {0, 1, 3, 4, 5}}, // repeated and missing rows are passed over
    };
    for (const auto& [selected, kept] : cases) {
        std::vector<ledger::Item> items;
        for (int i = 0; i < 6; ++i)
            items.push_back(ledger::makeItem(36526.0, static_cast<std::int16_t>(i), "",
                                             Currency::fromTicks((i % 2 ? -1 : 1) * (i + 1) * 12345), ""));
        std::vector<std::int64_t> balances;
        ledger::runningBalances(items, balances);
        const std::vector<std::int64_t> amounts = ledger::erasedAmounts(items, selected);
        ledger::eraseSelected(items, selected);
        std::vector<int> left;
        for (const ledger::Item& item : items)
            left.push_back(item.chequeNumber);
        EXPECT_EQ(left, kept) << testing::PrintToString(selected);
        std::vector<std::int64_t> fresh;
        ledger::runningBalances(items, fresh);
        EXPECT_TRUE(ledger::eraseFromBalances(balances, selected, amounts));
        EXPECT_EQ(balances, fresh) << testing::PrintToString(selected);
    }
}

// A register whose sums never fitted: taking the withdrawal out of max, -max, max would make the
// last balance twice the range. That is reported, not wrapped round.
TEST(LedgerEraseSelected, BalancesThatWouldNotFitAreReported) {
    const std::int64_t top = std::numeric_limits<std::int64_t>::max() - 1;
    std::vector<std::int64_t> balances{top, 0, top};
    EXPECT_FALSE(ledger::eraseFromBalances(balances, {1}, {-top}));
}

} // namespace
