// print: the register printout as a PDF file, the pages the window prints.
#include "register/cli/PdfPages.h"
#include "register/cli/ReportArgs.h"

namespace ledger {

int runPrintCommand(const std::vector<std::string>& args, const ReportEnv& env) {
    // --pdf names the file; every other option is the reports' own.
    std::vector<std::string> rest;
    std::optional<std::string> pdf;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--pdf" && i + 1 < args.size())
            pdf = args[++i];
        else
            rest.push_back(args[i]);
    }
    std::optional<cli::ReportArgs> parsed =
        cli::parseReportArgs("print", "FILE.lgn --pdf OUTPUT.pdf", 1, rest, env.err);
    if (!parsed)
        return 2;
    if (!pdf || parsed->output) {
        std::fputs(
            "usage: ledgrn print FILE.lgn --pdf OUTPUT.pdf [--from DATE] [--to DATE] [--password PW]\n",
            env.err);
        return 2;
    }
    parsed->output = *pdf;
    const std::optional<ChequeBook> book = cli::openBook(parsed->operands[0], *parsed, env);
    if (!book)
        return 1;
    ReportRequest request;
    request.range = parsed->range();
    request.dateSelected = parsed->dateSelected();
    request.today = cli::todayOf(env);
    return cli::writeReport(pdfFromPages(registerPrintout(*book, request).pages), *parsed, env);
}

} // namespace ledger
