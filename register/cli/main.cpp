// ledgrn: the register's commands without a window, for scripts and terminals.
//   ledgrn list FILE.lgn [--password PW]   print the register lines
// It links no GUI library, so a listing starts as fast as the system can start a program.
#include "register/cli/ListCommand.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: ledgrn list FILE.lgn [--password PASSWORD]\n";

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
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::fprintf(stderr, "ledgrn: unknown command '%s'\n%s", argv[1], kUsage);
    return 2;
}
