#pragma once

// The report commands of `ledgrn`: the same texts the register's windows print and export, written
// to standard output or, atomically, to a file.
//   export-text FILE.lgn      the ANSI text export (Windows-1252, CR LF, as the window writes it)
//   export-csv FILE.lgn       the comma-delimited export (same bytes as the window's file)
//   listing CODE|ALL FILE.lgn the printout of one code's listing
//   budget-summary FILE.lgn   the budget summary printout
//   income-statement FILE.lgn the income statement printout
//   print FILE.lgn --pdf OUT  the register printout as a PDF file
// Options: --from DATE --to DATE (mm/dd/yy or mm/dd/yyyy), --password PW, --codes FILE.csv, -o FILE.
// Printouts are UTF-8 lines with a form-feed line between pages.

#include "runtime/Clock.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ledger {

struct ReportEnv {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    const runtime::Clock* clock = nullptr; // "today" of the page headers
    std::function<std::optional<std::string>()> askPassword;
};

// Each returns the exit status: 0 done, 1 the report could not be made or written, 2 bad usage.
int runExportTextCommand(const std::vector<std::string>& args, const ReportEnv& env);
int runExportCsvCommand(const std::vector<std::string>& args, const ReportEnv& env);
int runListingCommand(const std::vector<std::string>& args, const ReportEnv& env);
int runBudgetSummaryCommand(const std::vector<std::string>& args, const ReportEnv& env);
int runIncomeStatementCommand(const std::vector<std::string>& args, const ReportEnv& env);
int runPrintCommand(const std::vector<std::string>& args, const ReportEnv& env);

} // namespace ledger
