#include "register/core/BudgetReports.h"

#include "register/core/RegisterList.h"
#include "runtime/Format.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>

namespace ledger {

namespace {

using runtime::Currency;

constexpr std::string_view kCodeNotFound = "Code Not Found";
constexpr std::string_view kOtherCodesCode = "XXXX";
constexpr std::string_view kOtherCodesDescription = "Not in Code/Budget file";
constexpr std::string_view kBudgetColumnHeader =
    "Code   Particulars                     Income       Expense        Budget";
constexpr char kCR = '\r';

std::string listAmount(Currency amount) {
    return runtime::formatCurrency(amount, "###,##0.00");
}

std::string rowAmount(Currency amount) {
    return runtime::formatCurrency(amount, kSummaryRowPattern);
}

SummaryRow makeRow(std::string code, std::string description, Currency net, Currency budget, bool listed) {
    SummaryRow row;
    row.code = std::move(code);
    row.description = std::move(description);
    if (net > Currency())
        row.income = net;
    else
        row.expense = net;
    row.budget = budget;
    row.listed = listed;
    return row;
}

// One row per code in order of first appearance, with the net of its items in the range.
std::vector<SummaryRow> groupByCode(const ChequeBook& book, const CodeTable& table, const DateRange& range) {
    std::vector<std::string> order;
    std::map<std::string, Currency> nets;
    for (const std::vector<Item>* items : {&book.items, &book.itemsOutsideView})
        for (const Item& item : *items) {
            if (!range.contains(item.date))
                continue;
            const auto [it, added] = nets.try_emplace(item.code);
            if (added)
                order.push_back(item.code);
            it->second += item.signedAmount();
        }
    std::vector<SummaryRow> rows;
    for (const std::string& code : order) {
        const std::optional<std::size_t> found = table.find(code);
        if (found) {
            const CodeRecord& record = table.at(*found);
            rows.push_back(makeRow(code, record.description, nets[code], record.budgetAmount(), true));
        } else {
            rows.push_back(
                makeRow(code, fitText(kCodeNotFound, kCodeDescriptionWidth), nets[code], Currency(), false));
        }
    }
    return rows;
}

std::string printedRow(const SummaryRow& row) {
    return padRight(row.code, kCodeWidth) + "   " + padRight(row.description, kCodeDescriptionWidth) +
           padLeft(rowAmount(row.income), 13) + padLeft(rowAmount(row.expense), 14) +
           padLeft(rowAmount(row.budget), 14);
}

std::string closingLine(std::string_view label, Currency amount) {
    return padRight(label, 21) + padLeft(reportMoneyText(amount), 14);
}

} // namespace

unsigned reportAmountColor(Currency amount) {
    return amount < Currency() ? 255u : 16711680u;
}

std::string reportMoneyText(Currency amount) {
    return runtime::formatCurrency(amount, kReportMoneyPattern);
}

// --- Listing of one code --------------------------------------------------------------------

std::string CodeListing::totalText() const {
    return reportMoneyText(sum);
}

std::string CodeListing::countText() const {
    return runtime::formatNumber(static_cast<double>(count()), "###0 ");
}

std::string CodeListing::budgetText() const {
    return reportMoneyText(budget);
}

CodeListing codeListing(const ChequeBook& book, const CodeTable* table, std::string_view code,
                        const DateRange& range) {
    CodeListing listing;
    listing.code = fitText(code, kCodeWidth);
    const bool all = listing.code == kAllCodes;
    listing.caption = "Cheque Book - Listing of Transaction Code " + listing.code;
    listing.period = periodText(range);
    if (table && !all)
        if (const std::optional<std::size_t> found = table->find(listing.code))
            listing.budget = table->at(*found).budgetAmount();
    for (std::size_t i = 0; i < book.items.size(); ++i) {
        const Item& item = book.items[i];
        if ((!all && item.code != listing.code) || !range.contains(item.date))
            continue;
        listing.indexes.push_back(i);
        const std::string amount = listAmount(item.amount);
        listing.rows.push_back(runtime::formatNumber(item.chequeNumber, "00000") + "\t" + item.particulars +
                               "\t" + (item.isDeposit() ? amount : std::string()) + "\t" +
                               (item.isDeposit() ? std::string() : amount));
        listing.sum += item.signedAmount();
    }
    return listing;
}

std::string codeListingClipboard(const CodeListing& listing) {
    return "Selected Amount = " + listing.totalText() + kCR + "Budget Amount   = " + listing.budgetText() +
           kCR + "Number Selected = " + listing.countText();
}

std::vector<PrintedPage> codeListingPrintout(const ChequeBook& book, const CodeListing& listing,
                                             runtime::OleDate today, const PageRange& pages) {
    PageLayout layout(
        [&](int page) {
            std::vector<std::string> header = {padRight(runtime::formatDate(today, "mm/dd/yy"), 8) +
                                                   std::string(55, ' ') + "Page " + std::to_string(page),
                                               book.title + " - Listing of Transaction Code " + listing.code,
                                               listing.period,
                                               "",
                                               std::string(kReportIndent, ' ') +
                                                   std::string(kRegisterColumnHeader),
                                               ""};
            return header;
        },
        pages);
    for (const std::size_t index : listing.indexes)
        layout.addLine(reportLine(book.items.at(index), true));
    layout.close({"",
                  std::string(kTotalsLabel) +
                      runtime::formatNumber(static_cast<double>(listing.count()), kReportCountPattern) +
                      std::string(15, ' ') + "Balance:  " + listing.totalText(),
                  "Budgeted Amount: " + listing.budgetText()});
    return layout.pages();
}

// --- Budget summary and income statement ----------------------------------------------------

BudgetReport budgetSummary(const ChequeBook& book, const CodeTable& table, const DateRange& range) {
    BudgetReport report;
    report.kind = BudgetReportKind::Summary;
    report.rows = groupByCode(book, table, range);
    for (const SummaryRow& row : report.rows) {
        if (row.listed) {
            report.budgetedNet += row.net();
            report.netBudget += row.budget;
        } else {
            report.notBudgetedNet += row.net();
        }
    }
    report.total = report.budgetedNet + report.notBudgetedNet;
    return report;
}

BudgetReport incomeStatement(const ChequeBook& book, const CodeTable& table, const DateRange& range) {
    BudgetReport report;
    report.kind = BudgetReportKind::IncomeStatement;
    std::vector<SummaryRow> incomeRows;
    std::vector<SummaryRow> expenseRows;
    bool anyUnlisted = false;
    Currency unlisted;
    for (SummaryRow& row : groupByCode(book, table, range)) {
        if (!row.listed) {
            anyUnlisted = true;
            unlisted += row.net();
            continue;
        }
        (row.net() > Currency() ? incomeRows : expenseRows).push_back(std::move(row));
    }
    if (anyUnlisted) {
        SummaryRow other =
            makeRow(std::string(kOtherCodesCode), fitText(kOtherCodesDescription, kCodeDescriptionWidth),
                    unlisted, Currency(), false);
        (unlisted > Currency() ? incomeRows : expenseRows).push_back(std::move(other));
    }
    report.rows = std::move(incomeRows);
    report.rows.insert(report.rows.end(), expenseRows.begin(), expenseRows.end());
    for (const SummaryRow& row : report.rows) {
        report.totalIncome += row.income;
        report.totalExpenses += row.expense;
        report.netBudget += row.budget;
    }
    report.net = report.totalIncome + report.totalExpenses;
    return report;
}

std::string budgetReportHeading(std::string_view bookTitle, std::string_view codeFileTitle) {
    return std::string(bookTitle) + " using " + std::string(codeFileTitle);
}

std::string summaryListRow(const SummaryRow& row) {
    const std::string blank(12, ' ');
    const std::string net = padLeft(runtime::formatCurrency(row.net(), kSummaryListPattern), 12);
    const bool income = row.net() > Currency();
    return row.code + "\t" + row.description + "\t" + (income ? net : blank) + "\t" + (income ? blank : net) +
           "\t" + padLeft(runtime::formatCurrency(row.budget, kSummaryListPattern), 12);
}

std::string budgetReportClipboard(const BudgetReport& report) {
    std::string text;
    for (const SummaryRow& row : report.rows)
        text += row.code + "  " + row.description + padLeft(rowAmount(row.income), 16) +
                padLeft(rowAmount(row.expense), 16) + padLeft(rowAmount(row.budget), 16) + kCR;
    if (report.kind == BudgetReportKind::Summary) {
        text += kCR;
        text += "Net Amount Budgeted = " + reportMoneyText(report.budgetedNet) +
                "     Net Budget = " + reportMoneyText(report.netBudget) + kCR;
        text += "Net not Budgeted = " + reportMoneyText(report.notBudgetedNet) + kCR;
        text += "Net Total = " + reportMoneyText(report.total);
    } else {
        text += "Total Income = " + reportMoneyText(report.totalIncome) +
                "   Total Expenses = " + reportMoneyText(report.totalExpenses) + kCR;
        text += "Net Total = " + reportMoneyText(report.net) + kCR;
        text += "Net Budget = " + reportMoneyText(report.netBudget);
    }
    return text;
}

std::vector<PrintedPage> budgetReportPrintout(const ChequeBook& book, std::string_view codeFileTitle,
                                              const BudgetReport& report, const DateRange& range,
                                              runtime::OleDate today, const PageRange& pages) {
    const bool summary = report.kind == BudgetReportKind::Summary;
    const std::string heading = padRight(runtime::formatDate(today, "mm/dd/yy"), 8) +
                                (summary ? " Budget Summary using " : " Income Statement using ") +
                                std::string(codeFileTitle);
    PageLayout layout(
        [&](int page) {
            return std::vector<std::string>{padRight(heading, 62) + " Page " + std::to_string(page),
                                            book.title,
                                            periodText(range),
                                            "",
                                            std::string(kBudgetColumnHeader),
                                            ""};
        },
        pages);
    for (const SummaryRow& row : report.rows)
        layout.addLine(printedRow(row));
    if (summary)
        layout.close({"", closingLine("Net Amount Budgeted:", report.budgetedNet),
                      closingLine("Net Budget:", report.netBudget),
                      closingLine("Net Not Budgeted:", report.notBudgetedNet),
                      closingLine("Total:", report.total)});
    else
        layout.close({"", closingLine("  Total Income:", report.totalIncome),
                      closingLine("Total Expenses:", report.totalExpenses),
                      closingLine("     Net Total:", report.net),
                      closingLine("    Net Budget:", report.netBudget)});
    return layout.pages();
}

// --- Charts of the budget reports -----------------------------------------------------------

namespace {

constexpr unsigned kChartBlue = 16711680u; // the list colour of amounts from zero up
constexpr unsigned kChartRed = 255u;       // the list colour of amounts below zero
constexpr unsigned kChartGrey = 8421504u;  // budgets: neither gained nor spent
constexpr int kMaxChartIntervals = 6;

// 1, 2 or 5 times a power of ten, in whole dollars: the smallest step that spans `span` in at most
// kMaxChartIntervals intervals.
std::int64_t niceStepUnits(std::int64_t spanTicks) {
    for (std::int64_t power = 1;; power *= 10)
        for (const std::int64_t factor : {1, 2, 5}) {
            const std::int64_t step = factor * power;
            if (step > std::numeric_limits<std::int64_t>::max() / 100 / Currency::kTicksPerUnit ||
                spanTicks <= step * Currency::kTicksPerUnit * kMaxChartIntervals)
                return step;
        }
}

std::int64_t floorTo(std::int64_t value, std::int64_t step) {
    const std::int64_t q = value / step;
    return (value % step != 0 && value < 0 ? q - 1 : q) * step;
}

std::int64_t ceilTo(std::int64_t value, std::int64_t step) {
    const std::int64_t q = value / step;
    return (value % step != 0 && value > 0 ? q + 1 : q) * step;
}

} // namespace

std::vector<Currency> ReportChart::ticks() const {
    std::vector<Currency> out;
    if (tickStep <= Currency())
        return out;
    for (Currency v = axisMin; v <= axisMax; v += tickStep)
        out.push_back(v);
    return out;
}

ReportChart budgetReportChart(const BudgetReport& report) {
    ReportChart chart;
    const bool summary = report.kind == BudgetReportKind::Summary;
    chart.title = summary ? "Budget against Actual" : "Income against Expense";
    chart.series = summary ? std::vector<ChartSeries>{{"Actual", kChartBlue, {}}, {"Budget", kChartGrey, {}}}
                           : std::vector<ChartSeries>{{"Income", kChartBlue, {}}, {"Expense", kChartRed, {}}};
    Currency low, high; // zero stays on the axis
    for (const SummaryRow& row : report.rows) {
        chart.codes.push_back(trimRight(row.code));
        const Currency first = summary ? row.net() : row.income;
        const Currency second = summary ? row.budget : row.expense;
        chart.series[0].values.push_back(first);
        chart.series[1].values.push_back(second);
        low = std::min({low, first, second});
        high = std::max({high, first, second});
    }
    const std::int64_t step = niceStepUnits((high - low).ticks()) * Currency::kTicksPerUnit;
    chart.tickStep = Currency::fromTicks(step);
    chart.axisMin = Currency::fromTicks(floorTo(low.ticks(), step));
    chart.axisMax = Currency::fromTicks(ceilTo(high.ticks(), step));
    if (chart.axisMin == chart.axisMax)
        chart.axisMax = chart.axisMin + chart.tickStep; // an empty report still gets an axis
    return chart;
}

std::string chartTickText(Currency value) {
    return runtime::formatCurrency(value, "$#,##0;($#,##0)");
}

} // namespace ledger
