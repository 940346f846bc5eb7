#include "register/core/Report.h"
#include "register/Golden.h"
#include "register/ItemBuilder.h"
#include "register/core/BudgetReports.h"
#include "register/core/ChequeBookFile.h"
#include "register/core/RegisterList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using booktest::item;
using ledger::DateRange;
using ledger::Item;
using runtime::oleFromCivil;

std::string sp(std::size_t n) {
    return std::string(n, ' ');
}

const double kAug1 = oleFromCivil(2026, 8, 1);

// --- The report line ---------------------------------------------------------------------------

struct LineCase {
    const char* name;
    Item item;
    bool indented;
    std::string line;
};

class ReportLine : public testing::TestWithParam<LineCase> {};

TEST_P(ReportLine, ColumnsAreFixed) {
    EXPECT_EQ(ledger::reportLine(GetParam().item, GetParam().indented), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReportLine,
    testing::Values(LineCase{"WithdrawalRightAlignedIn22", item(-1, kAug1, 101, "Rent", 125000, "RENT", 'c'),
                             false, "08/01/26 00101 Rent" + sp(21) + sp(17) + "12.50" + sp(2) + "RENT c"},
                    LineCase{"DepositRightAlignedIn10", item(1, kAug1, 0, "Pay", 125000, "SAL", 'd'), false,
                             "08/01/26 00000 Pay" + sp(22) + sp(5) + "12.50" + sp(14) + "SAL  d"},
                    LineCase{"IndentedByFiveBlanks", item(1, kAug1, 7, "Pay", 10000000, "SAL", ' '), true,
                             sp(5) + "08/01/26 00007 Pay" + sp(22) + "  1,000.00" + sp(14) + "SAL   "},
                    LineCase{"WideAmountIsNeverCut", item(1, kAug1, 0, "Big", 12345678900, "SAL", 'd'), false,
                             "08/01/26 00000 Big" + sp(22) + "1,234,567.89" + sp(14) + "SAL  d"},
                    LineCase{"TimeOfDayDoesNotShow", item(-1, kAug1 + 0.75, 32767, "Café", 1, "AB", ' '),
                             false, "08/01/26 32767 Café" + sp(21) + sp(18) + "0.00" + sp(2) + "AB    "}),
    [](const auto& row) { return std::string(row.param.name); });

// --- The period text ---------------------------------------------------------------------------

TEST(PeriodText, NamesOnlyTheLimitedEnds) {
    const double start = oleFromCivil(2026, 8, 1);
    const double end = oleFromCivil(2026, 11, 30);
    const struct {
        DateRange range;
        const char* text;
    } rows[] = {
        {{}, "Includes ALL Items in Ledgerine"},
        {{start, runtime::kRegisterMaxDate}, "For the period starting 08/01/26"},
        {{runtime::kRegisterMinDate, end}, "For the period ending 11/30/26"},
        {{start, end}, "For the period starting 08/01/26 and ending 11/30/26"},
        {{runtime::kRegisterMinDate + 1, runtime::kRegisterMaxDate - 1},
         "For the period starting 01/02/80 and ending 12/30/99"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ledger::periodText(row.range), row.text);
}

// --- Pages of the printout ---------------------------------------------------------------------

ledger::ChequeBook bookOf(int count) {
    ledger::ChequeBook book;
    book.title = "Pages";
    for (int i = 0; i < count; ++i)
        book.items.push_back(item(-1, oleFromCivil(2026, 1, 5), 0, "Line", 10000, "X"));
    return book;
}

struct PageCase {
    const char* name;
    int items;
    ledger::PageRange pages;
    std::vector<int> numbers;   // pages kept
    std::vector<int> itemLines; // item lines on each
    bool totals;                // the totals made it onto a kept page
};

class RegisterPages : public testing::TestWithParam<PageCase> {};

TEST_P(RegisterPages, BreakWhereTheLineCountSays) {
    const PageCase& c = GetParam();
    ledger::ReportRequest request;
    request.today = oleFromCivil(2026, 12, 7);
    request.pages = c.pages;
    const ledger::RegisterReport report = ledger::registerPrintout(bookOf(c.items), request);
    std::vector<int> numbers;
    std::vector<int> itemLines;
    bool totals = false;
    int printed = 0;
    for (const ledger::PrintedPage& page : report.pages) {
        numbers.push_back(page.number);
        ASSERT_GE(page.lines.size(), 6u);
        EXPECT_EQ(page.lines[0], "12/07/26" + sp(55) + "Page " + std::to_string(page.number));
        const auto lines = std::count_if(page.lines.begin(), page.lines.end(),
                                         [](const std::string& l) { return l.rfind("01/05/26", 0) == 0; });
        itemLines.push_back(static_cast<int>(lines));
        printed += static_cast<int>(lines);
        totals = totals || page.lines.back().rfind("TOTALS -- ", 0) == 0;
    }
    EXPECT_EQ(numbers, c.numbers);
    EXPECT_EQ(itemLines, c.itemLines);
    EXPECT_EQ(totals, c.totals);
    EXPECT_EQ(report.count, static_cast<std::size_t>(printed));
}

const ledger::PageRange kAll;

INSTANTIATE_TEST_SUITE_P(
    Rows, RegisterPages,
    testing::Values(PageCase{"EmptyRegisterHeaderAndTotalsOnly", 0, kAll, {1}, {0}, true},
                    PageCase{"FortyFiveLeaveRoomForTotals", 45, kAll, {1}, {45}, true},
                    PageCase{"FortySixPushTotalsToANewPage", 46, kAll, {1, 2}, {46, 0}, true},
                    PageCase{"FiftyFiveFitOnPageOne", 55, kAll, {1, 2}, {55, 0}, true},
                    PageCase{"FiftySixthStartsPageTwo", 56, kAll, {1, 2}, {55, 1}, true},
                    PageCase{"LaterPagesCountTheirHeaderAsNine", 102, kAll, {1, 2, 3}, {55, 46, 1}, true},
                    PageCase{"OnlyTheRequestedPageIsPrinted", 102, {false, 2, 2}, {2}, {46}, false},
                    PageCase{"RangeFromOneKeepsThePageOneHeader", 60, {false, 1, 1}, {1}, {55}, false},
                    PageCase{"RangePastTheEndPrintsNothing", 10, {false, 5, 9}, {}, {}, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RegisterPrintout, TypedDatesAddTheSelectionTotals) {
    ledger::ChequeBook book;
    book.title = "Home";
    book.items = {item(1, oleFromCivil(2026, 8, 1), 0, "Pay", 1000000, "SAL", 'd'),
                  item(-1, oleFromCivil(2026, 8, 2), 12, "Rent", 1500000, "RENT", 'c'),
                  item(-1, oleFromCivil(2026, 9, 1), 13, "Rent", 1500000, "RENT", ' ')};
    ledger::ReportRequest request;
    request.range = {oleFromCivil(2026, 8, 2), oleFromCivil(2026, 9, 1)};
    request.dateSelected = true;
    request.today = oleFromCivil(2026, 12, 7);
    const ledger::RegisterReport report = ledger::registerPrintout(book, request);
    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(
        report.pages[0].lines,
        (std::vector<std::string>{
            "12/07/26" + sp(55) + "Page 1", "Home", "For the period starting 08/02/26 and ending 09/01/26",
            "", "Date     Chq#  Particulars                 Deposit    Withdraw  Code", "",
            "08/02/26 00012 Rent" + sp(21) + sp(16) + "150.00  RENT c",
            "09/01/26 00013 Rent" + sp(21) + sp(16) + "150.00  RENT  ", "",
            "TOTALS -- Number of transactions:  3" + sp(15) + "Balance:  ($200.00)",
            "Number of transactions selected:  2", "Balance of Items Selected:  ($300.00)"}));
}

// --- Exports -----------------------------------------------------------------------------------

TEST(TextExport, EmptyRangeWritesHeaderAndZeroTotals) {
    ledger::ChequeBook book = bookOf(3);
    ledger::ReportRequest request;
    request.range = {oleFromCivil(2027, 1, 1), runtime::kRegisterMaxDate};
    request.today = oleFromCivil(2026, 12, 7);
    const ledger::RegisterReport report = ledger::textExport(book, request);
    EXPECT_EQ(report.bytes,
              "12/07/26" + sp(55) +
                  "Page 1\r\nPages\r\nFor the period starting 01/01/27\r\n\r\n"
                  "Date     Chq#  Particulars                 Deposit    Withdraw  Code\r\n\r\n\r\n"
                  "TOTALS -- Number of transactions:  0" +
                  sp(10) + "Balance:  $0.00\r\n");
}

struct CommaCase {
    const char* name;
    Item item;
    std::string bytes; // file bytes, Windows-1252
};

class CommaExport : public testing::TestWithParam<CommaCase> {};

TEST_P(CommaExport, OneQuotedLinePerItem) {
    ledger::ChequeBook book;
    book.items = {GetParam().item};
    EXPECT_EQ(ledger::commaExport(book, {}).bytes, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommaExport,
    testing::Values(CommaCase{"WithdrawalIsNegative", item(-1, kAug1, 101, "Rent", 125000, "RENT", 'c'),
                              "\"08/01/26\",101,\"Rent" + sp(21) + "\",-12.5,\"RENT\",\"c\"\r\n"},
                    CommaCase{"DepositIsPositive", item(1, kAug1, 0, "Pay", 31204500, "SAL", 'd'),
                              "\"08/01/26\",0,\"Pay" + sp(22) + "\",3120.45,\"SAL \",\"d\"\r\n"},
                    CommaCase{"InnerQuoteIsDoubled", item(-1, kAug1, 5, "12\" pipe", 10000, "HW", ' '),
                              "\"08/01/26\",5,\"12\"\" pipe" + sp(17) + "\",-1,\"HW  \",\" \"\r\n"},
                    CommaCase{"TextIsWindows1252", item(-1, kAug1, 5, "Café", 5000, "DINE", ' '),
                              "\"08/01/26\",5,\"Caf\xE9" + sp(21) + "\",-0.5,\"DINE\",\" \"\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// --- The sample cheque book, byte for byte -----------------------------------------------------

struct Sample {
    ledger::ChequeBook book;
    ledger::CodeTable codes;
};

Sample sample() {
    ledger::ReadResult read = ledger::readChequeBookFile(booktest::sourcePath("samples/sample.lgn"));
    EXPECT_TRUE(read.ok()) << read.errorMessage;
    ledger::ChequeBook book =
        ledger::makeChequeBook("sample.lgn", std::move(read.contents), ledger::SortOrder::Date, false);
    ledger::shellSort(book.items, book.sortOrder);
    ledger::CodeFileLoad codes = ledger::decodeCodeFile(
        booktest::readBytes(booktest::sourcePath("samples/lgncodes.csv")), "lgncodes.csv");
    EXPECT_TRUE(codes.loaded());
    return {std::move(book), std::move(codes.table)};
}

TEST(SampleReports, MatchTheCheckedInTexts) {
    const Sample s = sample();
    ledger::ReportRequest request;
    request.today = oleFromCivil(2026, 12, 7);
    booktest::expectGolden("sample.print.txt",
                           ledger::pagesText(ledger::registerPrintout(s.book, request).pages));
    booktest::expectGolden("sample.export.txt", ledger::textExport(s.book, request).bytes);
    booktest::expectGolden("sample.export.csv", ledger::commaExport(s.book, request.range).bytes);

    const ledger::CodeListing groceries = ledger::codeListing(s.book, &s.codes, "GROC", {});
    booktest::expectGolden("sample.listing-GROC.txt", ledger::pagesText(ledger::codeListingPrintout(
                                                          s.book, groceries, request.today, {})));

    const ledger::BudgetReport summary = ledger::budgetSummary(s.book, s.codes, s.book.period);
    booktest::expectGolden("sample.budget-summary.txt",
                           ledger::pagesText(ledger::budgetReportPrintout(s.book, "lgncodes.csv", summary,
                                                                          s.book.period, request.today, {})));
    booktest::expectGolden("sample.budget-summary.clip", ledger::budgetReportClipboard(summary));

    const ledger::BudgetReport statement = ledger::incomeStatement(s.book, s.codes, s.book.period);
    booktest::expectGolden("sample.income-statement.txt",
                           ledger::pagesText(ledger::budgetReportPrintout(s.book, "lgncodes.csv", statement,
                                                                          s.book.period, request.today, {})));
    booktest::expectGolden("sample.income-statement.clip", ledger::budgetReportClipboard(statement));
}

} // namespace
