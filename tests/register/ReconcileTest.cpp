// Reconciliation against a bank statement: which items are outstanding, the difference and when it
// is announced, the statement box's reading, and exact sums on large and extreme registers.
#include "register/core/Reconcile.h"
#include "runtime/Format.h"

#include "ItemBuilder.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

using runtime::Currency;

Currency money(const char* text) {
    return *Currency::parse(text);
}

struct Entry {
    std::int16_t flag;
    const char* amount;
    char status;
};

struct ReconcileCase {
    const char* name;
    std::vector<Entry> items;
    std::vector<Entry> outsideView; // left out of the register by a budget-period view
    const char* statement;
    const char* deposits;
    const char* withdrawals;
    const char* calculated;
    const char* net;
    bool announced;
    unsigned netColour;
};

ledger::ChequeBook bookOf(const std::vector<Entry>& items, const std::vector<Entry>& outside = {}) {
    ledger::ChequeBook book;
    for (const Entry& e : items)
        book.items.push_back(booktest::item(e.flag, 46000, 0, "x", money(e.amount).ticks(), "X", e.status));
    for (const Entry& e : outside)
        book.itemsOutsideView.push_back(
            booktest::item(e.flag, 45000, 0, "y", money(e.amount).ticks(), "Y", e.status));
    return book;
}

class LedgerReconcile : public testing::TestWithParam<ReconcileCase> {};

TEST_P(LedgerReconcile, Figures) {
    const ReconcileCase& c = GetParam();
    const std::optional<ledger::Reconciliation> r =
        ledger::reconcile(bookOf(c.items, c.outsideView), money(c.statement));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->deposits, money(c.deposits));
    EXPECT_EQ(r->withdrawals, money(c.withdrawals));
    EXPECT_EQ(r->calculated, money(c.calculated));
    EXPECT_EQ(r->net, money(c.net));
    EXPECT_EQ(r->calculated - r->net, r->currentBalance);
    EXPECT_EQ(r->differenceFound(), c.announced);
    EXPECT_EQ(ledger::netColour(*r), c.netColour);
}

constexpr unsigned kBlue = 16711680, kMagenta = 16711935, kBlack = 0;

// Rows: items as (kind, amount, mark); the window's own tests cover the announcement boundaries.
INSTANTIATE_TEST_SUITE_P(
    Cases, LedgerReconcile,
    testing::Values(ReconcileCase{"EveryItemClearedNetIsStatementMinusBalance",
                                  {{1, "500", 'd'}, {-1, "120.40", 'c'}},
                                  {},
                                  "400",
                                  "0",
                                  "0",
                                  "400",
                                  "20.40",
                                  true,
                                  kBlack},
                    ReconcileCase{"JustPastOneCentAnnounced",
                                  {{1, "100", 'd'}},
                                  {},
                                  "99.9899",
                                  "0",
                                  "0",
                                  "99.9899",
                                  "-0.0101",
                                  true,
                                  kMagenta},
                    // A wrong kind of mark (a deposit marked "c") still means the bank has it.
                    ReconcileCase{
                        "ClearedMarksNeverOutstandingWhateverTheAmount",
                        {{1, "900000000", 'c'}, {-1, "800000000", 'd'}, {1, "0.0001", ' '}, {-1, "7", ' '}},
                        {},
                        "100000000",
                        "0.0001",
                        "7",
                        "99999993.0001",
                        "0",
                        false,
                        kBlue},
                    ReconcileCase{"OverdrawnStatement",
                                  {{-1, "80", 'c'}, {-1, "20", ' '}},
                                  {},
                                  "-80",
                                  "0",
                                  "20",
                                  "-100",
                                  "0",
                                  false,
                                  kBlue},
                    ReconcileCase{"ItemsOutsideThePeriodViewCount",
                                  {{-1, "30", ' '}},
                                  {{1, "1000", 'd'}, {1, "15", ' '}},
                                  "1000",
                                  "15",
                                  "30",
                                  "985",
                                  "0",
                                  false,
                                  kBlue}),
    [](const auto& row) { return std::string(row.param.name); });

// Sums of many small amounts, and of amounts too large for a double to hold to the last
// ten-thousandth, come out exact.
TEST(LedgerReconcileSums, LargeRegisterSummedExactly) {
    ledger::ChequeBook book;
    const std::size_t count = 50000;
    book.items.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        book.items.push_back(booktest::item(1, 46000, 0, "d", money("0.10").ticks(), "D"));
        book.items.push_back(booktest::item(-1, 46000, 0, "w", money("0.0001").ticks(), "W", 'c'));
    }
    const auto r = ledger::reconcile(book, money("100"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->deposits, money("5000"));
    EXPECT_EQ(r->withdrawals, Currency());
    EXPECT_EQ(r->currentBalance, money("4995"));
    EXPECT_EQ(runtime::formatCurrency(r->calculated, ledger::kCalculatedPattern), "$5,100.00 ");
    EXPECT_EQ(runtime::formatCurrency(r->net, ledger::kNetPattern), "$105.00");

    ledger::ChequeBook huge = bookOf({{1, "900000000000.0001", ' '}, {-1, "0.0001", ' '}});
    const auto h = ledger::reconcile(huge, money("0.0001"));
    ASSERT_TRUE(h);
    EXPECT_EQ(h->calculated.ticks(), 9000000000000001);
    EXPECT_EQ(h->net.ticks(), 1);
}

TEST(LedgerReconcileSums, StatementTooLargeForTheSumsIsRefused) {
    const ledger::ChequeBook book = bookOf({{1, "10", ' '}});
    EXPECT_FALSE(ledger::reconcile(book, Currency::fromTicks(std::numeric_limits<std::int64_t>::max())));
    EXPECT_TRUE(
        ledger::reconcile(book, Currency::fromTicks(std::numeric_limits<std::int64_t>::max() - 100000)));
}

struct StatementCase {
    const char* name;
    const char* text;
    std::optional<std::int64_t> ticks;
};

class LedgerStatementValue : public testing::TestWithParam<StatementCase> {};

TEST_P(LedgerStatementValue, Reads) {
    const std::optional<Currency> value = ledger::statementValue(GetParam().text);
    EXPECT_EQ(value ? std::optional(value->ticks()) : std::nullopt, GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LedgerStatementValue,
    testing::Values(StatementCase{"OpeningText", "0.00", 0}, StatementCase{"Empty", "", 0},
                    StatementCase{"Letters", "abc", 0}, StatementCase{"LeadingNumberOnly", "12abc", 120000},
                    StatementCase{"Typed", "1234.5", 12345000}, StatementCase{"Blanks", "  7 ", 70000},
                    StatementCase{"EchoOfThePattern", "$1,234,567.89", 12345678900},
                    StatementCase{"LeadingMinus", "-50", -500000},
                    StatementCase{"MinusAfterDollar", "$-50", -500000},
                    StatementCase{"PastedParentheses", "($1,234.50)", -12345000},
                    StatementCase{"RoundsHalfAwayFromZero", "1.23455", 12346},
                    StatementCase{"FifthPlaceBelowHalf", "-1.234549", -12345},
                    StatementCase{"CommaEndsWhenNotBetweenDigits", "12,", 120000},
                    StatementCase{"LargestAmount", "922337203685477.5807",
                                  std::numeric_limits<std::int64_t>::max()},
                    StatementCase{"BeyondTheRange", "922337203685477.5808", std::nullopt},
                    StatementCase{"FarBeyondTheRange", "99999999999999999999", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

// Calculate twice in a row reads back what the first run wrote into the box.
TEST(LedgerStatementValueEcho, EchoedStatementReadsBack) {
    for (const char* amount : {"0.01", "-0.01", "1234567.89", "-98765.4", "999999999.99"}) {
        const std::string echo = runtime::formatCurrency(money(amount), ledger::kStatementPattern);
        EXPECT_EQ(ledger::statementValue(echo), money(amount)) << echo;
    }
}

} // namespace
