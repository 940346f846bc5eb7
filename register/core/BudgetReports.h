#pragma once

// The reports that read the code table: the listing of one transaction code, the budget summary
// and the income statement - their rows, totals, shown texts, clipboard texts and printouts.

#include "register/core/CodeFile.h"
#include "register/core/Report.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

inline constexpr std::string_view kNoCodeFileMessage = "No Budget/Code file in use!";
// Amounts of the summary lists and of the clipboard and printed rows.
inline constexpr std::string_view kSummaryListPattern = "###,##0.00;(###,##0.00)";
inline constexpr std::string_view kSummaryRowPattern = "#,###,##0.00;(###,##0.00)";

// Shown amounts: red below zero, blue otherwise (platform RGB values).
unsigned reportAmountColor(runtime::Currency amount);

// --- Listing of one code --------------------------------------------------------------------

// The code standing for every item.
inline constexpr std::string_view kAllCodes = "ALL ";

struct CodeListing {
    std::string code;                 // 4 characters; kAllCodes for every item
    std::string caption;              // "Cheque Book - Listing of Transaction Code " + code
    std::string period;               // the period text of the range
    runtime::Currency budget;         // the code's budget; zero for a code the table lacks
    std::vector<std::size_t> indexes; // register indexes of the listed items
    std::vector<std::string> rows;    // list rows: "Chq #", "Particulars", "Deposit", "Withdraw" (tabs)
    runtime::Currency sum;            // signed amounts of the listed items

    std::size_t count() const { return indexes.size(); }
    std::string totalText() const;  // "Selection Total"
    std::string countText() const;  // "Number Selected" ("###0 ")
    std::string budgetText() const; // "Budget"
};

// Lists the register items with `code` (padded to 4 characters; "ALL" lists every item) whose
// dates lie in `range`. `table` may be null when no budget/code file is in use.
CodeListing codeListing(const ChequeBook& book, const CodeTable* table, std::string_view code,
                        const DateRange& range);
// "Selected Amount = ..." CR "Budget Amount   = ..." CR "Number Selected = ...".
std::string codeListingClipboard(const CodeListing& listing);
// The printout: the register header, the listed items' indented lines, their totals and budget.
std::vector<PrintedPage> codeListingPrintout(const ChequeBook& book, const CodeListing& listing,
                                             runtime::OleDate today, const PageRange& pages);

// --- Budget summary and income statement ----------------------------------------------------

enum class BudgetReportKind { Summary, IncomeStatement };

struct SummaryRow {
    std::string code;          // 4 characters
    std::string description;   // 25 characters
    runtime::Currency income;  // the net when above zero, else zero
    runtime::Currency expense; // the net when not above zero, else zero
    runtime::Currency budget;  // the numeric value of the budget text; zero when not listed
    bool listed = false;       // the code table holds the code
    runtime::Currency net() const { return income + expense; }
};

struct BudgetReport {
    BudgetReportKind kind = BudgetReportKind::Summary;
    std::vector<SummaryRow> rows;
    runtime::Currency netBudget; // budgets of the listed codes
    // Budget summary.
    runtime::Currency budgetedNet;    // nets of the codes the table holds
    runtime::Currency notBudgetedNet; // nets of the codes it lacks
    runtime::Currency total;          // both together
    // Income statement.
    runtime::Currency totalIncome;
    runtime::Currency totalExpenses;
    runtime::Currency net;
};

// Groups the register items in `range` by code in order of first appearance. Items left out of
// the register view count too, as they do for the budget status.
BudgetReport budgetSummary(const ChequeBook& book, const CodeTable& table, const DateRange& range);
// The same groups split into income rows (net above zero) and then expense rows; the codes the
// table lacks are added together into one "XXXX" row.
BudgetReport incomeStatement(const ChequeBook& book, const CodeTable& table, const DateRange& range);

// Window headings: title + " using " + code-file title.
std::string budgetReportHeading(std::string_view bookTitle, std::string_view codeFileTitle);
// A list row: code, description, income, expense, budget separated by tabs; the column without an
// amount holds 12 blanks.
std::string summaryListRow(const SummaryRow& row);
// A total as its label shows it.
std::string reportMoneyText(runtime::Currency amount);

std::string budgetReportClipboard(const BudgetReport& report);
std::vector<PrintedPage> budgetReportPrintout(const ChequeBook& book, std::string_view codeFileTitle,
                                              const BudgetReport& report, const DateRange& range,
                                              runtime::OleDate today, const PageRange& pages);

// --- Charts of the budget reports -----------------------------------------------------------

// One coloured set of bars, one value per code of the chart.
struct ChartSeries {
    std::string name; // the legend text
    unsigned color;   // platform RGB (0x00BBGGRR)
    std::vector<runtime::Currency> values;
};

// A bar chart of a budget report: per code one bar of each series, on a value axis running from
// axisMin to axisMax in steps of tickStep (whole dollars, zero always on it).
struct ReportChart {
    std::string title;
    std::vector<std::string> codes; // the bar labels, trailing blanks dropped
    std::vector<ChartSeries> series;
    runtime::Currency axisMin;
    runtime::Currency axisMax;
    runtime::Currency tickStep;

    std::vector<runtime::Currency> ticks() const;
};

// The budget summary charts the actual net of each code against its budget; the income statement
// charts income against expense (expenses below the zero line, as the list shows them negative).
ReportChart budgetReportChart(const BudgetReport& report);
// A value-axis label: whole dollars, negatives in parentheses ("$1,500", "($250)").
std::string chartTickText(runtime::Currency value);

} // namespace ledger
