#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ledger {

// Lists a cheque book's register lines without opening a window: `ledgrn list FILE.lgn [--password PW]`
// and `ledgrn32 --list ...`. `program` names the program in messages on err. Returns the exit status:
// 0 done, 1 the book could not be listed (or the output could not be written), 2 bad usage.
// askPassword is used only for a book with a password when --password was not given.
int runListCommand(const char* program, const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                   const std::function<std::optional<std::string>()>& askPassword);

// Asks for the password on the terminal without echoing it; reads a line from standard input when
// it is not a terminal. std::nullopt at end of input.
std::optional<std::string> readPasswordFromTerminal();

} // namespace ledger
