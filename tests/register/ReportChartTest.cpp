// The charts of the budget reports: one bar per code and series from the sample cheque book and
// code file, and the value axis at its edges (an empty report, losses only, a one-cent report).

#include "register/Golden.h"
#include "register/core/BudgetReports.h"
#include "register/core/ChequeBookFile.h"
#include "register/core/RegisterList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using runtime::Currency;

Currency dollars(const char* text) {
    return *Currency::parse(text);
}

struct Sample {
    ledger::BudgetReport summary;
    ledger::BudgetReport statement;
};

Sample sampleReports() {
    ledger::ReadResult read = ledger::readChequeBookFile(booktest::sourcePath("samples/sample.lgn"));
    EXPECT_TRUE(read.ok()) << read.errorMessage;
    ledger::ChequeBook book =
        ledger::makeChequeBook("sample.lgn", std::move(read.contents), ledger::SortOrder::Date, false);
    ledger::shellSort(book.items, book.sortOrder);
    const ledger::CodeFileLoad codes = ledger::decodeCodeFile(
        booktest::readBytes(booktest::sourcePath("samples/lgncodes.csv")), "lgncodes.csv");
    EXPECT_TRUE(codes.loaded());
    return {ledger::budgetSummary(book, codes.table, book.period),
            ledger::incomeStatement(book, codes.table, book.period)};
}

TEST(ReportChart, BarsPerCodeFollowTheSampleReports) {
    const Sample s = sampleReports();
    const ledger::ReportChart summary = ledger::budgetReportChart(s.summary);
    const ledger::ReportChart statement = ledger::budgetReportChart(s.statement);
    const struct {
        const char* name;
        const ledger::ReportChart* chart;
        std::size_t at;
        const char* code;
        const char* first;  // actual / income
        const char* second; // budget / expense
    } rows[] = {
        {"SummaryIncomeAgainstItsBudget", &summary, 2, "SAL", "24963.60", "6240.90"},
        {"SummaryExpenseBelowTheLine", &summary, 1, "RENT", "-5800", "-1450"},
        {"SummaryUnbudgetedCodeHasZeroBudget", &summary, 0, "OPEN", "2350", "0"},
        {"SummaryLastCodeTrimmed", &summary, 15, "GIFT", "-60", "-50"},
        {"StatementIncomeHasNoExpense", &statement, 1, "SAL", "24963.60", "0"},
        {"StatementSmallIncome", &statement, 2, "INT", "4.45", "0"},
        {"StatementExpenseHasNoIncome", &statement, 3, "RENT", "0", "-5800"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_LT(row.at, row.chart->codes.size());
        EXPECT_EQ(row.chart->codes[row.at], row.code);
        ASSERT_EQ(row.chart->series.size(), 2u);
        EXPECT_EQ(row.chart->series[0].values.at(row.at), dollars(row.first));
        EXPECT_EQ(row.chart->series[1].values.at(row.at), dollars(row.second));
    }
    EXPECT_EQ(summary.codes.size(), s.summary.rows.size());
    EXPECT_EQ(summary.title, "Budget against Actual");
    EXPECT_EQ(summary.series[0].name, "Actual");
    EXPECT_EQ(summary.series[1].name, "Budget");
    EXPECT_EQ(statement.title, "Income against Expense");
    EXPECT_EQ(statement.series[0].name, "Income");
    EXPECT_EQ(statement.series[1].name, "Expense");
    // Income blue and expense red, as the lists colour amounts.
    EXPECT_EQ(statement.series[0].color, ledger::reportAmountColor(Currency()));
    EXPECT_EQ(statement.series[1].color, ledger::reportAmountColor(dollars("-1")));
    // $24,963.60 down to ($5,800.00): whole steps of $10,000 with the zero line among them.
    std::vector<std::string> ticks;
    for (const Currency t : summary.ticks())
        ticks.push_back(ledger::chartTickText(t));
    EXPECT_EQ(ticks, (std::vector<std::string>{"($10,000)", "$0", "$10,000", "$20,000", "$30,000"}));
}

ledger::BudgetReport reportOf(std::vector<std::pair<const char*, const char*>> netAndBudget) {
    ledger::BudgetReport report;
    for (const auto& [net, budget] : netAndBudget) {
        ledger::SummaryRow row;
        row.code = "AB  ";
        (dollars(net) > Currency() ? row.income : row.expense) = dollars(net);
        row.budget = dollars(budget);
        report.rows.push_back(row);
    }
    return report;
}

TEST(ReportChart, AxisSpansTheValuesWithZeroOnIt) {
    const struct {
        const char* name;
        ledger::BudgetReport report;
        const char *low, *high, *step;
    } rows[] = {
        {"EmptyReportStillHasAnAxis", reportOf({}), "0", "1", "1"},
        {"OneCentRoundsUpToADollar", reportOf({{"0.01", "0"}}), "0", "1", "1"},
        {"LossesOnlyEndAtZero", reportOf({{"-450", "-500"}}), "-500", "0", "100"},
        {"ExactStepNeedsNoExtraInterval", reportOf({{"600", "0"}}), "0", "600", "100"},
        {"BothSidesOfZero", reportOf({{"1200.25", "-450"}}), "-500", "1500", "500"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ledger::ReportChart chart = ledger::budgetReportChart(row.report);
        EXPECT_EQ(chart.axisMin, dollars(row.low));
        EXPECT_EQ(chart.axisMax, dollars(row.high));
        EXPECT_EQ(chart.tickStep, dollars(row.step));
        EXPECT_EQ(chart.ticks().front(), chart.axisMin);
        EXPECT_EQ(chart.ticks().back(), chart.axisMax);
        EXPECT_EQ(chart.codes.size(), row.report.rows.size());
    }
    EXPECT_EQ(ledger::chartTickText(dollars("-250")), "($250)");
    EXPECT_EQ(ledger::chartTickText(dollars("1500")), "$1,500");
}

} // namespace
