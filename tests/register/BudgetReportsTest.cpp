#include "register/core/BudgetReports.h"
#include "register/ItemBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using booktest::item;
using runtime::Currency;
using runtime::oleFromCivil;

std::string sp(std::size_t n) {
    return std::string(n, ' ');
}

ledger::CodeTable codes() {
    return ledger::CodeTable({ledger::makeCodeRecord("Salary", "SAL", "  1200.00"), ledger::spacerRecord(),
                              ledger::makeCodeRecord("Rent", "RENT", "  -450.00"),
                              ledger::makeCodeRecord("Spare", "SPAR", "   -10.00")});
}

// November: salary in, rent out twice, two codes the table lacks (in and out), one item after the
// range and one hidden from the register view.
ledger::ChequeBook book() {
    ledger::ChequeBook b;
    b.title = "Home";
    const auto on = [](int day) {
        return oleFromCivil(2026, 11, day);
    };
    b.items = {item(1, on(1), 0, "Pay", 12000000, "SAL", 'd'), item(-1, on(2), 10, "Rent", 4500000, "RENT"),
               item(1, on(3), 0, "Found", 200000, "ZZ"), item(-1, on(4), 11, "Kiosk", 500000, "YY"),
               item(-1, oleFromCivil(2026, 12, 1), 12, "Rent", 4500000, "RENT")};
    b.itemsOutsideView = {item(-1, on(5), 13, "Rent part", 500000, "RENT")};
    return b;
}

const ledger::DateRange kNovember{oleFromCivil(2026, 11, 1), oleFromCivil(2026, 11, 30)};

TEST(CodeListing, CodeAndBudgetFollowTheTable) {
    const ledger::ChequeBook b = book();
    const ledger::CodeTable table = codes();
    const struct {
        const char* name;
        const char* code;
        const ledger::CodeTable* table;
        std::string caption;
        std::size_t count;
        std::string total, budget;
    } rows[] = {
        {"TableCode", "RENT", &table, "Cheque Book - Listing of Transaction Code RENT", 2, "($900.00)",
         "($450.00)"},
        {"TypedTwoLettersPaddedWithZeroBudget", "ZZ", &table,
         "Cheque Book - Listing of Transaction Code ZZ  ", 1, "$20.00", "$0.00"},
        {"AllListsEveryItem", "ALL", &table, "Cheque Book - Listing of Transaction Code ALL ", 5, "$270.00",
         "$0.00"},
        {"NoCodeFileMeansNoBudget", "SAL", nullptr, "Cheque Book - Listing of Transaction Code SAL ", 1,
         "$1,200.00", "$0.00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ledger::CodeListing listing = ledger::codeListing(b, row.table, row.code, {});
        EXPECT_EQ(listing.caption, row.caption);
        EXPECT_EQ(listing.count(), row.count);
        EXPECT_EQ(listing.totalText(), row.total);
        EXPECT_EQ(listing.budgetText(), row.budget);
    }
}

TEST(CodeListing, RowsClipboardAndRange) {
    const ledger::CodeListing listing = ledger::codeListing(book(), nullptr, "RENT", kNovember);
    EXPECT_EQ(listing.indexes, (std::vector<std::size_t>{1}));
    EXPECT_EQ(listing.rows, (std::vector<std::string>{"00010\tRent" + sp(21) + "\t\t450.00"}));
    EXPECT_EQ(listing.period, "For the period starting 11/01/26 and ending 11/30/26");
    EXPECT_EQ(ledger::codeListingClipboard(listing),
              "Selected Amount = ($450.00)\rBudget Amount   = $0.00\rNumber Selected = 1 ");
    EXPECT_EQ(ledger::reportAmountColor(listing.sum), 255u);
    EXPECT_EQ(ledger::reportAmountColor(Currency()), 16711680u);
}

TEST(BudgetSummary, GroupsByCodeAndSplitsBudgetedFromNot) {
    const ledger::BudgetReport r = ledger::budgetSummary(book(), codes(), kNovember);
    ASSERT_EQ(r.rows.size(), 4u);
    EXPECT_EQ(ledger::summaryListRow(r.rows[0]),
              "SAL \tSalary" + sp(19) + "\t    1,200.00\t" + sp(12) + "\t    1,200.00");
    // The hidden item counts: rent is 450 + 50.
    EXPECT_EQ(ledger::summaryListRow(r.rows[1]),
              "RENT\tRent" + sp(21) + "\t" + sp(12) + "\t    (500.00)\t    (450.00)");
    EXPECT_EQ(ledger::summaryListRow(r.rows[2]),
              "ZZ  \tCode Not Found" + sp(11) + "\t       20.00\t" + sp(12) + "\t        0.00");
    EXPECT_EQ(r.rows[3].code, "YY  ");
    EXPECT_EQ(ledger::budgetReportClipboard(r),
              "SAL   Salary" + sp(19) + sp(8) + "1,200.00" + sp(12) + "0.00" + sp(8) + "1,200.00\r" +
                  "RENT  Rent" + sp(21) + sp(12) + "0.00" + sp(8) + "(500.00)" + sp(8) + "(450.00)\r" +
                  "ZZ    Code Not Found" + sp(11) + sp(11) + "20.00" + sp(12) + "0.00" + sp(12) + "0.00\r" +
                  "YY    Code Not Found" + sp(11) + sp(12) + "0.00" + sp(9) + "(50.00)" + sp(12) + "0.00\r" +
                  "\rNet Amount Budgeted = $700.00     Net Budget = $750.00\r" +
                  "Net not Budgeted = ($30.00)\rNet Total = $670.00");
}

TEST(IncomeStatement, IncomeRowsFirstAndUnlistedCodesPooled) {
    const ledger::BudgetReport r = ledger::incomeStatement(book(), codes(), kNovember);
    std::vector<std::string> codesShown;
    for (const ledger::SummaryRow& row : r.rows)
        codesShown.push_back(row.code);
    // ZZ (+20) and YY (-50) pool into one expense row of -30.
    EXPECT_EQ(codesShown, (std::vector<std::string>{"SAL ", "RENT", "XXXX"}));
    EXPECT_EQ(r.rows[2].description, "Not in Code/Budget file  ");
    EXPECT_EQ(r.rows[2].expense, Currency::fromUnits(-30));
    const std::string clip = ledger::budgetReportClipboard(r);
    EXPECT_EQ(
        clip.substr(clip.find("Total Income")),
        "Total Income = $1,200.00   Total Expenses = ($530.00)\rNet Total = $670.00\rNet Budget = $750.00");
}

TEST(IncomeStatement, UnlistedIncomeJoinsTheIncomeRows) {
    ledger::ChequeBook b = book();
    b.items[3].amount = Currency::fromUnits(5); // YY now -5, pooled with ZZ +20 to +15
    const ledger::BudgetReport r = ledger::incomeStatement(b, codes(), kNovember);
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[1].code, "XXXX");
    EXPECT_EQ(r.rows[1].income, Currency::fromUnits(15));
    EXPECT_EQ(r.totalIncome, Currency::fromUnits(1215));
}

} // namespace
