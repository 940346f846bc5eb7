#include "winapi/Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace winapi {

namespace {

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

} // namespace

std::filesystem::path windowsDirectory() {
    if (const auto dir = env("LEDGERINE_WINDIR"); !dir.empty())
        return dir;
    if (const auto config = env("XDG_CONFIG_HOME"); !config.empty() && config.front() == '/')
        return std::filesystem::path(config) / "ledgerine95";
    std::string home = env("HOME");
    if (home.empty()) {
        if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr)
            home = pw->pw_dir;
    }
    return std::filesystem::path(home.empty() ? "/tmp" : home) / ".config" / "ledgerine95";
}

std::filesystem::path programDirectory() {
    if (const auto dir = env("LEDGERINE_PROGDIR"); !dir.empty())
        return dir;
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return exe.parent_path();
    return std::filesystem::current_path(ec);
}

} // namespace winapi
