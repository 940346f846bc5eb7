#include "register/core/Report.h"

#include "register/core/RegisterList.h"

#include "runtime/Cp1252.h"
#include "runtime/Format.h"

#include <utility>

namespace ledger {

namespace {

std::string shortDate(runtime::OleDate date) {
    return runtime::formatDate(date, "mm/dd/yy");
}

// A comma-delimited text field: quoted, with an inner quote doubled.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace

std::string padLeft(std::string_view utf8, std::size_t width) {
    const std::size_t length = textLength(utf8);
    std::string out = length < width ? std::string(width - length, ' ') : std::string();
    out += utf8;
    return out;
}

std::string padRight(std::string_view utf8, std::size_t width) {
    std::string out(utf8);
    const std::size_t length = textLength(utf8);
    if (length < width)
        out.append(width - length, ' ');
    return out;
}

std::string periodText(const DateRange& range) {
    const bool fromStart = range.start > runtime::kRegisterMinDate;
    const bool toEnd = range.end < runtime::kRegisterMaxDate;
    if (!fromStart && !toEnd)
        return "Includes ALL Items in Ledgerine";
    std::string text = "For the period ";
    if (fromStart)
        text += "starting " + shortDate(range.start);
    if (toEnd)
        text += (fromStart ? " and ending " : "ending ") + shortDate(range.end);
    return text;
}

std::string reportLine(const Item& item, bool indented) {
    std::string line = indented ? std::string(kReportIndent, ' ') : std::string();
    line += shortDate(item.date);
    line += ' ';
    line += runtime::formatNumber(item.chequeNumber, "00000");
    line += ' ';
    line += padRight(item.particulars.str(), kParticularsWidth);
    const std::string amount = runtime::formatCurrency(item.amount, kReportLineAmountPattern);
    if (item.isDeposit())
        line += padLeft(amount, 10) + std::string(14, ' ');
    else
        line += padLeft(amount, 22) + std::string(2, ' ');
    line += padRight(item.code.str(), kCodeWidth);
    line += ' ';
    line += item.status;
    return line;
}

// --- Pages -------------------------------------------------------------------------------------

PageLayout::PageLayout(Header header, PageRange range) : header_(std::move(header)), range_(range) {
    // Page 1 carries its header without counting it (see the class comment).
    if (range_.contains(page_)) {
        pages_.push_back({page_, header_(page_)});
    }
}

std::vector<std::string>* PageLayout::current() {
    if (!range_.contains(page_))
        return nullptr;
    if (pages_.empty() || pages_.back().number != page_)
        pages_.push_back({page_, {}});
    return &pages_.back().lines;
}

void PageLayout::startPage() {
    ++page_;
    count_ = kPageRestartCount;
    if (range_.contains(page_))
        pages_.push_back({page_, header_(page_)});
}

bool PageLayout::addLine(std::string line) {
    if (count_ >= kPageLineLimit)
        startPage();
    ++count_;
    std::vector<std::string>* lines = current();
    if (!lines)
        return false;
    lines->push_back(std::move(line));
    return true;
}

void PageLayout::close(const std::vector<std::string>& lines) {
    if (count_ > kClosingNewPageAfter)
        startPage();
    if (std::vector<std::string>* out = current())
        out->insert(out->end(), lines.begin(), lines.end());
}

std::string pagesText(const std::vector<PrintedPage>& pages) {
    std::string text;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            text += "\f\n";
        for (const std::string& line : pages[i].lines)
            text += line + "\n";
    }
    return text;
}

// --- The register printout and the exports --------------------------------------------------------

std::vector<std::string> registerPageHeader(std::string_view title, const DateRange& range,
                                            runtime::OleDate today, int page) {
    return {padRight(shortDate(today), 8) + std::string(55, ' ') + "Page " + std::to_string(page),
            std::string(title),
            periodText(range),
            "",
            std::string(kRegisterColumnHeader),
            ""};
}

RegisterReport registerPrintout(const ChequeBook& book, const ReportRequest& request) {
    RegisterReport report;
    PageLayout layout(
        [&](int page) { return registerPageHeader(book.title, request.range, request.today, page); },
        request.pages);
    for (const Item& item : book.items) {
        if (!request.range.contains(item.date))
            continue;
        // Items on pages left out still take their place, so page numbers stay those of the whole printout.
        if (layout.addLine(reportLine(item))) {
            ++report.count;
            report.sum += item.signedAmount();
        }
    }
    std::vector<std::string> closing = {
        "", std::string(kTotalsLabel) +
                runtime::formatNumber(static_cast<double>(book.items.size()), kReportCountPattern) +
                std::string(15, ' ') +
                "Balance:  " + runtime::formatCurrency(finalBalance(book.items), kReportMoneyPattern)};
    if (request.dateSelected) {
        closing.push_back("Number of transactions selected:  " +
                          runtime::formatNumber(static_cast<double>(report.count), kReportCountPattern));
        closing.push_back("Balance of Items Selected:  " +
                          runtime::formatCurrency(report.sum, kReportMoneyPattern));
    }
    layout.close(closing);
    report.pages = layout.pages();
    return report;
}

std::string fileBytes(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return runtime::utf8ToCp1252(text);
}

RegisterReport textExport(const ChequeBook& book, const ReportRequest& request) {
    RegisterReport report;
    std::vector<std::string> lines = registerPageHeader(book.title, request.range, request.today, 1);
    for (const Item& item : book.items) {
        if (!request.range.contains(item.date))
            continue;
        lines.push_back(reportLine(item));
        ++report.count;
        report.sum += item.signedAmount();
    }
    lines.push_back("");
    lines.push_back(std::string(kTotalsLabel) +
                    runtime::formatNumber(static_cast<double>(report.count), kReportCountPattern) +
                    std::string(10, ' ') +
                    "Balance:  " + runtime::formatCurrency(report.sum, kReportMoneyPattern));
    report.bytes = fileBytes(lines);
    return report;
}

std::string commaLine(const Item& item) {
    return quoted(shortDate(item.date)) + "," + std::to_string(item.chequeNumber) + "," +
           quoted(item.particulars.str()) + "," + item.signedAmount().toString() + "," +
           quoted(item.code.str()) + "," + quoted(std::string(1, item.status));
}

RegisterReport commaExport(const ChequeBook& book, const DateRange& range) {
    RegisterReport report;
    std::vector<std::string> lines;
    for (const Item& item : book.items) {
        if (!range.contains(item.date))
            continue;
        lines.push_back(commaLine(item));
        ++report.count;
        report.sum += item.signedAmount();
    }
    report.bytes = fileBytes(lines);
    return report;
}

} // namespace ledger
