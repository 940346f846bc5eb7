#include "register/app/ReportPrinting.h"

#include "ui/Prompter.h"

#include <memory>

namespace ledger {

QString qtext(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<ui::PrintDialogResult> askPrintDialog(ui::Prompter& prompter) {
    ui::PrintDialogOptions options;
    options.fromPage = 1;
    options.toPage = 999;
    options.minPage = 1;
    options.maxPage = 999;
    options.allowPageRange = true;
    return prompter.printDialog(options);
}

PageRange pageRangeOf(const ui::PrintDialogResult& choice) {
    if (choice.range != ui::PrintRange::Pages)
        return {};
    return {false, choice.fromPage, choice.toPage};
}

std::optional<QString> printFont(ui::Printer& printer, ui::Prompter& prompter, const QString& fontFamily) {
    if (printer.hasFont(fontFamily))
        return fontFamily;
    const int answer = prompter.msgBox(QStringLiteral("Courier New font not available.\rContinue with system default?"),
                                       ui::vbYesNo + ui::vbCritical, QStringLiteral("Print Error"));
    if (answer != ui::vbYes)
        return std::nullopt;
    return QString();
}

void renderReport(ui::Printer& printer, const QString& fontFamily, const std::vector<PrintedPage>& pages,
                  const std::optional<ReportPicture>& picture) {
    if (!fontFamily.isEmpty())
        printer.setFont(fontFamily, 10, false, false);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        for (const std::string& line : pages[i].lines)
            printer.printLine(qtext(line));
    }
    if (picture)
        printer.drawPage(picture->name, picture->paint);
}

bool printReport(ui::Printer& defaultPrinter, ui::Prompter& prompter, const ui::PrintDialogResult& choice,
                 const QString& fontFamily, const std::vector<PrintedPage>& pages,
                 const std::optional<ReportPicture>& picture) {
    for (;;) {
        std::unique_ptr<ui::Printer> chosen;
        if (!choice.outputFile.isEmpty() || !choice.printerName.isEmpty())
            chosen = std::make_unique<ui::QtPrinter>(choice);
        ui::Printer& printer = chosen ? *chosen : defaultPrinter;
        const std::optional<QString> font = printFont(printer, prompter, fontFamily);
        if (!font)
            return false;
        renderReport(printer, *font, pages, picture);
        if (printer.endDoc())
            return true;
        const int answer = prompter.msgBox(QStringLiteral("Printer Error - Check Printer Status!\nCONTINUE?"),
                                           ui::vbYesNo + ui::vbInformation, QStringLiteral("Printer Error"));
        if (answer != ui::vbYes)
            return false;
    }
}

} // namespace ledger
