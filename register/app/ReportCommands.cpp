#include "register/app/ReportCommands.h"

#include "register/app/ChequeBookSession.h"
#include "register/app/CodeFileSession.h"
#include "register/app/ReportPrinting.h"
#include "register/app/frmChqList.h"
#include "register/app/frmCodeselect.h"
#include "register/app/frmIncomeStatement.h"
#include "register/app/frmLgnBudget.h"
#include "register/app/frmSelectDates.h"
#include "register/core/BudgetReports.h"
#include "runtime/Clock.h"
#include "runtime/RuntimeError.h"
#include "ui/Prompter.h"

#include <QApplication>

namespace ledger {

namespace {

const QString kApp = QStringLiteral("Ledgerine 95");

// The export dialog txtDialog1 for one kind of export.
ui::FileDialogOptions exportDialog(ReportCommands::ExportKind kind) {
    const bool text = kind == ReportCommands::ExportKind::Text;
    ui::FileDialogOptions options;
    options.defaultExt = text ? QStringLiteral("txt") : QStringLiteral("csv");
    options.title =
        text ? QStringLiteral("Create ANSI Text File") : QStringLiteral("Create Comma Delimited File");
    options.filter = text ? QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*")
                          : QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");
    options.filterIndex = 1;
    options.createPrompt = true;
    options.hideReadOnly = true;
    options.overwritePrompt = true;
    return options;
}

// The hourglass for as long as a report is being made.
class Busy {
public:
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
};

} // namespace

ReportCommands::ReportCommands(frmChqList& window, ui::Prompter& prompter, const runtime::Clock& clock,
                               ui::Clipboard& clipboard, ui::Printer& printer)
    : QObject(&window), window_(window), prompter_(prompter), clock_(clock), clipboard_(clipboard),
      printer_(printer) {
    setObjectName(QStringLiteral("ReportCommands")); // found by the listing command
}

bool ReportCommands::bookOpen(const QString& title) {
    if (window_.session().book())
        return true;
    prompter_.msgBox(QStringLiteral("Cheque Book File not Opened"), ui::vbOKOnly + ui::vbExclamation, title);
    return false;
}

void ReportCommands::askRange(const DateRange& preset) {
    previousRange_ = range_;
    frmSelectDates dates(prompter_, window_.messagesShown(), &window_);
    dates.setRange(preset.start, preset.end);
    prompter_.runModal(dates);
    range_ = {dates.startDate(), dates.endDate()};
    dateSelected_ = dates.dateSelected();
}

void ReportCommands::setTip(const QString& text) {
    window_.showTip(text);
}

void ReportCommands::printRegister() {
    if (!bookOpen(QStringLiteral("Print Bank Book")))
        return;
    askRange(DateRange());
    const std::optional<ui::PrintDialogResult> choice = askPrintDialog(prompter_);
    if (!choice)
        return;
    const ChequeBook& book = *window_.session().book();
    ReportRequest request;
    request.range = range_;
    request.dateSelected = dateSelected_;
    request.today = runtime::today(clock_);
    request.pages = pageRangeOf(*choice);
    const RegisterReport report = registerPrintout(book, request);
    {
        Busy busy;
        setTip(QStringLiteral("Please Wait - Printing ") + qtext(trimRight(book.title)));
        printReport(printer_, prompter_, *choice, qtext(window_.settings().fontName), report.pages);
    }
    setTip(QString());
}

void ReportCommands::previewRegister() {
    if (!bookOpen(QStringLiteral("Print Bank Book")))
        return;
    askRange(DateRange());
    const ChequeBook& book = *window_.session().book();
    ReportRequest request;
    request.range = range_;
    request.dateSelected = dateSelected_;
    request.today = runtime::today(clock_);
    const RegisterReport report = registerPrintout(book, request);
    const std::optional<QString> font = printFont(printer_, prompter_, qtext(window_.settings().fontName));
    if (!font)
        return;
    prompter_.printPreview(QStringLiteral("Print Preview - ") + qtext(trimRight(book.title)),
                           [&](ui::Printer& printer) { renderReport(printer, *font, report.pages); });
}

bool ReportCommands::writeExport(const QString& path, const std::string& bytes) {
    for (int previousError = 0;;) {
        try {
            // Replaced whole: a failure leaves the old file (or none), never half an export.
            runtime::replaceFileAtomically(path.toStdString(), bytes, exportFault_);
            return true;
        } catch (const runtime::RuntimeError& error) {
            const DiskErrorAction next = showDiskError(prompter_, error.number(), previousError);
            previousError = error.number();
            if (next == DiskErrorAction::Retry)
                continue;
            if (next == DiskErrorAction::GiveUp)
                prompter_.msgBox(qtext(runtime::errorText(error.number())), ui::vbCritical, kApp);
            return false;
        }
    }
}

void ReportCommands::exportRegister(ExportKind kind) {
    if (!bookOpen(QStringLiteral("Save Text")))
        return;
    askRange(DateRange());
    const std::optional<ui::FileDialogResult> file = prompter_.saveFile(exportDialog(kind));
    if (!file)
        return;
    const ChequeBook& book = *window_.session().book();
    {
        Busy busy;
        setTip(QStringLiteral("Writing ") + file->fileTitle);
        ReportRequest request;
        request.range = range_;
        request.dateSelected = dateSelected_;
        request.today = runtime::today(clock_);
        const RegisterReport report =
            kind == ExportKind::Text ? textExport(book, request) : commaExport(book, request.range);
        writeExport(file->path, report.bytes);
    }
    setTip(QString());
}

void ReportCommands::budgetReport(bool incomeStatement) {
    if (!bookOpen(incomeStatement ? QStringLiteral("Income Statement") : QStringLiteral("Budget Summary")))
        return;
    CodeFileSession& codes = window_.codeFiles();
    if (!codes.loaded()) {
        prompter_.msgBox(qtext(kNoCodeFileMessage), ui::vbOKOnly + ui::vbCritical, kApp);
        return;
    }
    const ChequeBook& book = *window_.session().book();
    askRange(book.period);
    const ReportWindow::Services services{prompter_, clipboard_, printer_, qtext(window_.settings().fontName),
                                          runtime::today(clock_)};
    if (incomeStatement) {
        frmIncomeStatement report(services, book, codes.table(), codes.fileTitle(), range_, &window_);
        prompter_.runModal(report);
    } else {
        frmLgnBudget report(services, book, codes.table(), codes.fileTitle(), range_, &window_);
        prompter_.runModal(report);
    }
}

void ReportCommands::showCodeListing(const QString& code, runtime::OleDate start, runtime::OleDate end) {
    const ChequeBook* book = window_.session().book();
    if (!book)
        return;
    CodeFileSession& codes = window_.codeFiles();
    const ReportWindow::Services services{prompter_, clipboard_, printer_, qtext(window_.settings().fontName),
                                          runtime::today(clock_)};
    frmCodeselect listing(services, *book, codes.loaded() ? &codes.table() : nullptr, code, {start, end},
                          &window_);
    prompter_.runModal(listing);
}

} // namespace ledger
