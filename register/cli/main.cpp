// ledgrn: the register's commands without a window, for scripts and terminals.
//   ledgrn list FILE.lgn [--password PW]   print the register lines
//   ledgrn export-text|export-csv|listing|budget-summary|income-statement ...   the reports
// It links no GUI library, so a listing starts as fast as the system can start a program.
#include "register/cli/ListCommand.h"
#include "register/cli/ReportCommands.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: ledgrn list FILE.lgn [--password PASSWORD]\n"
    "       ledgrn export-text|export-csv|budget-summary|income-statement FILE.lgn [OPTIONS]\n"
    "       ledgrn listing CODE|ALL FILE.lgn [OPTIONS]\n"
    "       ledgrn print FILE.lgn --pdf OUTPUT.pdf [OPTIONS]\n"
    "options: --from mm/dd/yy --to mm/dd/yy --password PASSWORD --codes FILE.csv -o OUTPUT\n";

using ReportCommand = int (*)(const std::vector<std::string>&, const ledger::ReportEnv&);

struct NamedCommand {
    std::string_view name;
    ReportCommand run;
};

constexpr NamedCommand kReportCommands[] = {
    {"export-text", ledger::runExportTextCommand},
    {"export-csv", ledger::runExportCsvCommand},
    {"listing", ledger::runListingCommand},
    {"budget-summary", ledger::runBudgetSummaryCommand},
    {"income-statement", ledger::runIncomeStatementCommand},
    {"print", ledger::runPrintCommand},
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string_view command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "list")
        return ledger::runListCommand("ledgrn", args, stdout, stderr, ledger::readPasswordFromTerminal);
    for (const NamedCommand& report : kReportCommands) {
        if (command == report.name) {
            const runtime::SystemClock clock;
            return report.run(args, {stdout, stderr, &clock, ledger::readPasswordFromTerminal});
        }
    }
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::fprintf(stderr, "ledgrn: unknown command '%s'\n%s", argv[1], kUsage);
    return 2;
}
