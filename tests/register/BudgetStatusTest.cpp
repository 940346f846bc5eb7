#include "register/core/BudgetStatus.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using runtime::Currency;
using runtime::oleFromCivil;

// Budgets: one income code, a spacer, an expense code and its later duplicate (only the first
// record counts).
ledger::CodeTable codes() {
    return ledger::CodeTable({ledger::makeCodeRecord("Salary", "INC", "  1200.00"), ledger::spacerRecord(),
                              ledger::makeCodeRecord("Rent", "RENT", "  -450.00"),
                              ledger::makeCodeRecord("Rent again", "RENT", "   -99.00")});
}

// A period of November 2026; items on both ends, before, after and outside the view.
ledger::ChequeBook book() {
    ledger::ChequeBook b;
    b.period = {oleFromCivil(2026, 11, 1), oleFromCivil(2026, 11, 30)};
    const auto add = [](std::vector<ledger::Item>& to, int month, int day, const char* units,
                        const char* code) {
        to.push_back(ledger::makeItem(oleFromCivil(2026, month, day), 0, "x", *Currency::parse(units), code));
    };
    add(b.items, 10, 31, "1000", "INC");   // day before the period
    add(b.items, 11, 1, "1200.25", "INC"); // first day
    add(b.items, 11, 30, "-450", "RENT");  // last day, at a time of day
    b.items.back().date += 0.75;
    add(b.items, 11, 15, "-10.5", "INC");          // a withdrawal under an income code
    add(b.items, 12, 1, "-450", "RENT");           // day after
    add(b.items, 11, 20, "25", "ZZ");              // a code the table lacks
    add(b.itemsOutsideView, 11, 2, "-30", "RENT"); // hidden by an earlier period view
    return b;
}

struct StatusCase {
    const char* name;
    std::string code;
    bool listed;
    const char* budgeted;
    const char* periodToDate;
    const char* budgetedText;
    const char* periodText;
    unsigned periodColor;
};

class BudgetStatusFigures : public testing::TestWithParam<StatusCase> {};

TEST_P(BudgetStatusFigures, ComeFromTheTableAndThePeriod) {
    const StatusCase& c = GetParam();
    const ledger::BudgetStatus s = ledger::budgetStatus(c.code, codes(), book());
    EXPECT_EQ(s.listed, c.listed);
    EXPECT_EQ(s.budgeted, *Currency::parse(c.budgeted));
    EXPECT_EQ(s.periodToDate, *Currency::parse(c.periodToDate));
    EXPECT_EQ(ledger::budgetStatusText(s.budgeted), c.budgetedText);
    EXPECT_EQ(ledger::budgetStatusText(s.periodToDate), c.periodText);
    EXPECT_EQ(ledger::budgetStatusColor(s.periodToDate), c.periodColor);
}

INSTANTIATE_TEST_SUITE_P(
    BudgetStatus, BudgetStatusFigures,
    testing::Values(
        StatusCase{"IncomeBothEndsOfThePeriod", "INC", true, "1200", "1189.75", "$1,200.00", "$1,189.75",
                   16711680},
        StatusCase{"ExpenseFirstRecordAndHiddenItems", "RENT", true, "-450", "-480", "($450.00)", "($480.00)",
                   255},
        StatusCase{"ShortCodeIsPadded", "INC ", true, "1200", "1189.75", "$1,200.00", "$1,189.75", 16711680},
        StatusCase{"UnknownCodeStillSumsItsItems", "ZZ", false, "0", "25", "$0.00", "$25.00", 16711680},
        StatusCase{"SpacerIsNoCode", "****", false, "0", "0", "$0.00", "$0.00", 16711680},
        StatusCase{"BlankCodeHasNoStatus", "", false, "0", "0", "$0.00", "$0.00", 16711680}),
    [](const testing::TestParamInfo<StatusCase>& row) { return std::string(row.param.name); });

} // namespace
