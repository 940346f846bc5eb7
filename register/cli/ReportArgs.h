#pragma once

// What the report commands share: their options, opening the book and the budget/code file, and
// writing the result. Every failure is told on the error stream in the register's own words.

#include "register/cli/ReportCommands.h"
#include "register/core/ChequeBook.h"
#include "register/core/CodeFile.h"
#include "register/core/Report.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ledger::cli {

inline constexpr std::string_view kProgram = "ledgrn";
inline constexpr std::string_view kIncorrectDate = "Incorrect Date";

struct ReportArgs {
    std::vector<std::string> operands; // in order: [CODE] FILE.lgn
    std::optional<runtime::OleDate> from;
    std::optional<runtime::OleDate> to;
    std::optional<std::string> password;
    std::optional<std::string> codes;
    std::optional<std::string> output;

    bool dateSelected() const { return from || to; }
    // The range from the options; an open end keeps the fallback's.
    DateRange range(const DateRange& fallback = {}) const;
};

// Parses the options of `command`, which takes `operandCount` operands. On bad usage prints the
// command's usage (or the date problem) and gives std::nullopt.
std::optional<ReportArgs> parseReportArgs(std::string_view command, std::string_view operandsUsage,
                                          std::size_t operandCount, const std::vector<std::string>& args,
                                          std::FILE* err);

// Opens the book sorted in its stored order, printing the reading warnings; std::nullopt after
// printing why it could not be opened.
std::optional<ChequeBook> openBook(const std::string& path, const ReportArgs& args, const ReportEnv& env);

struct LoadedCodes {
    CodeTable table;
    std::string title; // the file's name, for headings
};
// Loads --codes or the book's linked file. With neither, `required` decides: an error (the
// budget reports) or no table (the listing, whose budget is then zero).
enum class CodesNeeded { Required, Optional };
struct CodesResult {
    bool ok = true;
    std::optional<LoadedCodes> codes;
};
CodesResult loadCodes(const ChequeBook& book, const ReportArgs& args, CodesNeeded needed,
                      const ReportEnv& env);

// Writes the bytes to -o FILE (replaced atomically) or to the output stream; 0 or 1.
int writeReport(std::string_view bytes, const ReportArgs& args, const ReportEnv& env);

runtime::OleDate todayOf(const ReportEnv& env);

} // namespace ledger::cli
