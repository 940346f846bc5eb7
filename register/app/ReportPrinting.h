#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "register/core/Report.h"
#endif

#include "ui/Printer.h"

#include <QString>

#include <optional>
#include <vector>

namespace ui {
class Prompter;
struct PrintDialogResult;
} // namespace ui

namespace ledger {

// A picture printed on a page of its own after a report's text pages (a chart).
struct ReportPicture {
    QString name;
    ui::Printer::PagePainter paint;
};

// The font a printout goes in: `fontFamily`, or, when the printer cannot have it and the user answers
// Yes to "Courier New font not available. Continue with system default?", an empty family (the
// printer's own). std::nullopt when the user abandons the printout.
std::optional<QString> printFont(ui::Printer& printer, ui::Prompter& prompter, const QString& fontFamily);

// The printed document: the pages in `fontFamily` (empty: the printer's own font), then the picture if any. The caller ends it.
void renderReport(ui::Printer& printer, const QString& fontFamily, const std::vector<PrintedPage>& pages,
                  const std::optional<ReportPicture>& picture = std::nullopt);

// The print dialog of the reports: page numbers, no selection, pages 1 to 999. std::nullopt when
// cancelled (the command then ends without a word).
std::optional<ui::PrintDialogResult> askPrintDialog(ui::Prompter& prompter);
PageRange pageRangeOf(const ui::PrintDialogResult& choice);

// Prints laid-out pages on the printer the dialog chose: a PDF file or a named printer get their
// own Qt printer, the default printer is `defaultPrinter`. A font the printer cannot have asks first
// (see printFont). A failed document asks "Printer Error -
// Check Printer Status!"; Yes prints it again, No abandons it. True when the document was produced.
bool printReport(ui::Printer& defaultPrinter, ui::Prompter& prompter, const ui::PrintDialogResult& choice,
                 const QString& fontFamily, const std::vector<PrintedPage>& pages,
                 const std::optional<ReportPicture>& picture = std::nullopt);

// The reports' text in a Qt string.
QString qtext(std::string_view utf8);

} // namespace ledger
