#pragma once

// The register's printed and exported texts: the report line of an item, the period text, pages
// laid out the way the printer receives them, the ANSI text export and the comma-delimited export.
// Everything here returns text, so the windows, the printer and the command line share one layout.
// Text is UTF-8 unless a function says it returns file bytes (Windows-1252, CR LF).

#include "register/core/ChequeBook.h"
#include "runtime/Currency.h"
#include "runtime/OleDate.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

// Report money and counts.
inline constexpr std::string_view kReportMoneyPattern = "$###,##0.00;($###,##0.00)";
inline constexpr std::string_view kReportCountPattern = "###0";
inline constexpr std::string_view kReportLineAmountPattern = "##,##0.00";
inline constexpr std::string_view kRegisterColumnHeader =
    "Date     Chq#  Particulars                 Deposit    Withdraw  Code";
inline constexpr std::string_view kTotalsLabel = "TOTALS -- Number of transactions:  ";
// Five blanks in front of an indented report line.
inline constexpr std::size_t kReportIndent = 5;

// The selection range of the reports: a BudgetPeriod of whole days, "all" when unset.
using DateRange = BudgetPeriod;

// "For the period starting 08/01/26 and ending 11/30/26", or "Includes ALL Items in Ledgerine"
// when neither end is limited.
std::string periodText(const DateRange& range);

// The fixed-width line of an item in the printout, the text export and the code listing: date,
// cheque number, particulars, the amount in the deposit (10) or the withdrawal (22) column, code
// and cleared mark. An amount too wide for its column is never cut; it pushes the rest right.
std::string reportLine(const Item& item, bool indented = false);

// The text right-aligned in `width` characters; a longer text is returned whole.
std::string padLeft(std::string_view utf8, std::size_t width);
// The text padded with blanks to `width` characters; a longer text is returned whole.
std::string padRight(std::string_view utf8, std::size_t width);

// --- Pages -------------------------------------------------------------------------------------

// The pages asked for in the print dialog; `all` ignores from and to.
struct PageRange {
    bool all = true;
    int from = 1;
    int to = 999;
    bool contains(int page) const { return all || (page >= from && page <= to); }
};

struct PrintedPage {
    int number = 1;
    std::vector<std::string> lines;
    friend bool operator==(const PrintedPage&, const PrintedPage&) = default;
};

// Line budget of a page: 55 counted lines; a new page counts its header as 9 lines; the closing
// lines move to a new page when more than 45 lines are on the last one.
inline constexpr int kPageLineLimit = 55;
inline constexpr int kPageRestartCount = 9;
inline constexpr int kClosingNewPageAfter = 45;

// Lays report lines out on pages. The first page counts only its body lines, so exactly 55 item
// lines fit on it; later pages start counting at 9 for their header. Pages outside the requested
// range are laid out (their numbers count) but not kept.
class PageLayout {
public:
    using Header = std::function<std::vector<std::string>(int page)>;
    PageLayout(Header header, PageRange range);

    // Adds a body line; true when it lands on a requested page (and so is printed).
    bool addLine(std::string line);
    // Adds the closing lines, after a new page when the last page is fuller than 45 lines.
    void close(const std::vector<std::string>& lines);

    const std::vector<PrintedPage>& pages() const { return pages_; }

private:
    void startPage();
    std::vector<std::string>* current();

    Header header_;
    PageRange range_;
    int page_ = 1;
    int count_ = 0;
    std::vector<PrintedPage> pages_;
};

// The whole printout as one text: lines ended by "\n", a form feed line between pages.
std::string pagesText(const std::vector<PrintedPage>& pages);

// --- The register printout and the exports --------------------------------------------------------

// What every register report needs besides the items.
struct ReportRequest {
    DateRange range;           // the selection range, both ends included
    bool dateSelected = false; // the user typed a date into the date-range window
    runtime::OleDate today = 0;
    PageRange pages;
};

// The page header of the register: date, 55 blanks, "Page n"; title; period text; blank; column
// header; blank.
std::vector<std::string> registerPageHeader(std::string_view title, const DateRange& range,
                                            runtime::OleDate today, int page);

struct RegisterReport {
    std::vector<PrintedPage> pages; // the printout (empty for the exports)
    std::string bytes;              // the export file (empty for the printout)
    std::size_t count = 0;          // items printed or written
    runtime::Currency sum;          // their signed amounts
};

// The printout of the register: the items in the range on the requested pages, then the totals
// of the whole register and, when a date was typed, the count and balance of the printed items.
RegisterReport registerPrintout(const ChequeBook& book, const ReportRequest& request);

// The ANSI text export: the page-1 header once, the items in the range and a totals line of
// what was written. File bytes.
RegisterReport textExport(const ChequeBook& book, const ReportRequest& request);

// One line of the comma-delimited export (without its line end): quoted date, cheque number,
// quoted particulars, signed amount, quoted code, quoted cleared mark. A double quote inside a
// text field is doubled so that every reader sees the fields as they were.
std::string commaLine(const Item& item);
// The comma-delimited export of the items in the range: no header, no totals. File bytes.
RegisterReport commaExport(const ChequeBook& book, const DateRange& range);

// Joins lines into file bytes: Windows-1252, each line ended by CR LF.
std::string fileBytes(const std::vector<std::string>& lines);

} // namespace ledger
