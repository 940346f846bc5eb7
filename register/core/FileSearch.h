#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ledger {

inline constexpr std::string_view kHelpFileName = "ledgrn32.hlp";
// The calculator as the user knows it (named in messages) and the program file searched for here.
inline constexpr std::string_view kCalculatorName = "Abacon32.exe";
inline constexpr std::string_view kCalculatorProgram = "abacon32";
inline constexpr std::string_view kFileSearchBoxTitle = "Ledgerine 95 File Search";

// Looks for `name` in programDir first, then in each folder of pathEnv (entries separated by ":"
// or ";", since settings written elsewhere may use either; empty entries are skipped, never taken
// as the current folder). Within a folder the exact spelling wins over one differing only in case.
// The full path of the first regular file found.
std::optional<std::string> findInPath(std::string_view name, const std::string& programDir,
                                      std::string_view pathEnv);

// The text of the box shown (after a beep, exclamation icon, kFileSearchBoxTitle) when `name`
// was not found.
std::string notFoundInPathText(std::string_view name);

// The message for an unexpected error during start-up (critical icon, title "Run Time Error").
inline constexpr std::string_view kRunTimeErrorTitle = "Run Time Error";
std::string runTimeErrorText(long number, std::string_view source, std::string_view description);

} // namespace ledger
