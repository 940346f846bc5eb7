#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "register/core/Report.h"
#endif

#include <QString>

#include <optional>
#include <vector>

namespace ui {
class Printer;
class Prompter;
struct PrintDialogResult;
} // namespace ui

namespace ledger {

// The print dialog of the reports: page numbers, no selection, pages 1 to 999. std::nullopt when
// cancelled (the command then ends without a word).
std::optional<ui::PrintDialogResult> askPrintDialog(ui::Prompter& prompter);
PageRange pageRangeOf(const ui::PrintDialogResult& choice);

// Prints laid-out pages on the printer the dialog chose: a PDF file or a named printer get their
// own Qt printer, the default printer is `defaultPrinter`. A failed document asks "Printer Error -
// Check Printer Status!"; Yes prints it again, No abandons it. True when the document was produced.
bool printReport(ui::Printer& defaultPrinter, ui::Prompter& prompter, const ui::PrintDialogResult& choice,
                 const QString& fontFamily, const std::vector<PrintedPage>& pages);

// The reports' text in a Qt string.
QString qtext(std::string_view utf8);

} // namespace ledger
