#include "register/app/ListCommand.h"

#include "register/core/RegisterList.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>

namespace ledger {

namespace {

constexpr const char* kUsage = "usage: ledgrn32 --list FILE.lgn [--password PASSWORD]\n";

} // namespace

int runListCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                   const std::function<std::optional<std::string>()>& askPassword) {
    std::optional<std::string> path;
    std::optional<std::string> password;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--password" && i + 1 < args.size()) {
            password = args[++i];
        } else if (!path && !args[i].empty() && args[i].rfind("--", 0) != 0) {
            path = args[i];
        } else {
            std::fputs(kUsage, err);
            return 2;
        }
    }
    if (!path) {
        std::fputs(kUsage, err);
        return 2;
    }
    const Listing listing = listRegister(*path, [&]() -> std::optional<std::string> {
        if (password)
            return password;
        return askPassword ? askPassword() : std::nullopt;
    });
    for (const std::string& warning : listing.warnings)
        std::fprintf(err, "ledgrn32: %s: %s\n", path->c_str(), warning.c_str());
    if (!listing.ok) {
        std::fprintf(err, "ledgrn32: %s: %s\n", path->c_str(), listing.error.c_str());
        return 1;
    }
    std::fwrite(listing.text.data(), 1, listing.text.size(), out);
    return std::fflush(out) == 0 ? 0 : 1;
}

std::optional<std::string> readPasswordFromTerminal() {
    const bool tty = isatty(STDIN_FILENO) != 0;
    termios saved{};
    if (tty) {
        std::fputs("PassWord: ", stderr);
        std::fflush(stderr);
        tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    const bool got = static_cast<bool>(std::getline(std::cin, line));
    if (tty) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::fputs("\n", stderr);
    }
    if (!got)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace ledger
