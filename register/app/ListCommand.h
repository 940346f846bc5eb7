#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ledger {

// `ledgrn32 --list FILE.lgn [--password PW]`: prints the register lines of a cheque book without
// opening a window. Returns the exit status: 0 done, 1 the book could not be listed, 2 bad usage.
// askPassword is used only for a book with a password when --password was not given.
int runListCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                   const std::function<std::optional<std::string>()>& askPassword);

// Asks for the password on the terminal without echoing it; reads a line from standard input when
// it is not a terminal. std::nullopt at end of input.
std::optional<std::string> readPasswordFromTerminal();

} // namespace ledger
