// listing CODE|ALL: the printout of one transaction code's listing.
#include "register/cli/ReportArgs.h"
#include "register/core/BudgetReports.h"

namespace ledger {

int runListingCommand(const std::vector<std::string>& args, const ReportEnv& env) {
    const std::optional<cli::ReportArgs> parsed =
        cli::parseReportArgs("listing", "CODE|ALL FILE.lgn", 2, args, env.err);
    if (!parsed)
        return 2;
    const std::optional<ChequeBook> book = cli::openBook(parsed->operands[1], *parsed, env);
    if (!book)
        return 1;
    const cli::CodesResult codes = cli::loadCodes(*book, *parsed, cli::CodesNeeded::Optional, env);
    if (!codes.ok)
        return 1;
    const CodeListing listing =
        codeListing(*book, codes.codes ? &codes.codes->table : nullptr, parsed->operands[0], parsed->range());
    return cli::writeReport(pagesText(codeListingPrintout(*book, listing, cli::todayOf(env), {})), *parsed,
                            env);
}

} // namespace ledger
