// budget-summary and income-statement: the two budget reports, over the budget period unless
// dates are given.
#include "register/cli/ReportArgs.h"
#include "register/core/BudgetReports.h"

namespace ledger {

namespace {

int runBudgetReport(BudgetReportKind kind, const std::vector<std::string>& args, const ReportEnv& env) {
    const bool summary = kind == BudgetReportKind::Summary;
    const std::optional<cli::ReportArgs> parsed =
        cli::parseReportArgs(summary ? "budget-summary" : "income-statement", "FILE.lgn", 1, args, env.err);
    if (!parsed)
        return 2;
    const std::optional<ChequeBook> book = cli::openBook(parsed->operands[0], *parsed, env);
    if (!book)
        return 1;
    const cli::CodesResult codes = cli::loadCodes(*book, *parsed, cli::CodesNeeded::Required, env);
    if (!codes.ok)
        return 1;
    const DateRange range = parsed->range(book->period);
    const BudgetReport report = summary ? budgetSummary(*book, codes.codes->table, range)
                                        : incomeStatement(*book, codes.codes->table, range);
    return cli::writeReport(
        pagesText(budgetReportPrintout(*book, codes.codes->title, report, range, cli::todayOf(env), {})),
        *parsed, env);
}

} // namespace

int runBudgetSummaryCommand(const std::vector<std::string>& args, const ReportEnv& env) {
    return runBudgetReport(BudgetReportKind::Summary, args, env);
}

int runIncomeStatementCommand(const std::vector<std::string>& args, const ReportEnv& env) {
    return runBudgetReport(BudgetReportKind::IncomeStatement, args, env);
}

} // namespace ledger
