#include "register/cli/ListCommand.h"

#include "register/core/RegisterList.h"
#include "runtime/RuntimeError.h"

#include <cerrno>

#include <termios.h>
#include <unistd.h>

#include <iostream>

namespace ledger {

namespace {

int usage(const char* program, std::FILE* err) {
    const bool headless = std::string_view(program) == "ledgrn";
    std::fprintf(err, "usage: %s %s FILE.lgn [--password PASSWORD]\n", program, headless ? "list" : "--list");
    return 2;
}

} // namespace

int runListCommand(const char* program, const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                   const std::function<std::optional<std::string>()>& askPassword) {
    std::optional<std::string> path;
    std::optional<std::string> password;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--password" && i + 1 < args.size()) {
            password = args[++i];
        } else if (!path && !args[i].empty() && args[i].rfind("--", 0) != 0) {
            path = args[i];
        } else {
            return usage(program, err);
        }
    }
    if (!path)
        return usage(program, err);
    int writeErrno = 0;
    const auto write = [&](std::string_view text) {
        if (std::fwrite(text.data(), 1, text.size(), out) == text.size())
            return true;
        writeErrno = errno;
        return false;
    };
    Listing listing = listRegister(
        *path,
        [&]() -> std::optional<std::string> {
            if (password)
                return password;
            return askPassword ? askPassword() : std::nullopt;
        },
        write);
    if (listing.ok && std::fflush(out) != 0) {
        listing.ok = false;
        listing.writeFailed = true;
        writeErrno = errno;
    }
    for (const std::string& warning : listing.warnings)
        std::fprintf(err, "%s: %s: %s\n", program, path->c_str(), warning.c_str());
    if (listing.writeFailed) {
        std::fprintf(err, "%s: standard output: %s\n", program,
                     runtime::errorText(runtime::errorNumberFromErrno(writeErrno)).c_str());
        return 1;
    }
    if (!listing.ok) {
        std::fprintf(err, "%s: %s: %s\n", program, path->c_str(), listing.error.c_str());
        return 1;
    }
    return 0;
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
