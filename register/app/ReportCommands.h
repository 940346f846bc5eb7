#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "register/core/Report.h"
#include "runtime/FileIo.h"
#endif

#include <QObject>
#include <QString>

#include <optional>

namespace runtime {
class Clock;
}
namespace ui {
class Clipboard;
class Printer;
class Prompter;
} // namespace ui

namespace ledger {

class frmChqList;

// The main window's reports: printing the register, the ANSI text and comma-delimited exports
// through the export dialog txtDialog1, the budget summary and the income statement, and the
// listing window of one code.
class ReportCommands : public QObject {
    Q_OBJECT
public:
    ReportCommands(frmChqList& window, ui::Prompter& prompter, const runtime::Clock& clock,
                   ui::Clipboard& clipboard, ui::Printer& printer);

    // The selection range of the last report and the one before it.
    const DateRange& selectionRange() const { return range_; }
    const DateRange& previousSelectionRange() const { return previousRange_; }
    // Lets tests make one step of writing an export fail.
    void setExportFault(runtime::FaultInjector fault) { exportFault_ = std::move(fault); }

    enum class ExportKind { Text, Comma };

public slots:
    void printRegister();
    // The register printout in the print preview, from where it can be printed.
    void previewRegister();
    void saveAnsi() { exportRegister(ExportKind::Text); }
    void saveComma() { exportRegister(ExportKind::Comma); }
    void budgetSummary() { budgetReport(false); }
    void incomeStatement() { budgetReport(true); }
    // The listing window of `code` over a range already chosen.
    void showCodeListing(const QString& code, runtime::OleDate start, runtime::OleDate end);

private:
    bool bookOpen(const QString& title);
    // Shows the date-range window preset with `preset`; the chosen range becomes the selection.
    void askRange(const DateRange& preset);
    void exportRegister(ExportKind kind);
    void budgetReport(bool incomeStatement);
    bool writeExport(const QString& path, const std::string& bytes);
    void setTip(const QString& text);

    frmChqList& window_;
    ui::Prompter& prompter_;
    const runtime::Clock& clock_;
    ui::Clipboard& clipboard_;
    ui::Printer& printer_;
    DateRange range_;
    DateRange previousRange_;
    bool dateSelected_ = false;
    runtime::FaultInjector exportFault_;
};

} // namespace ledger
