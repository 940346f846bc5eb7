#include "winapi/Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

namespace winapi {

namespace {

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return out;
}

// The file in dir whose name is one of the wanted names, compared case-insensitively; an exact
// spelling wins over a match that differs only in case.
std::optional<std::filesystem::path> findIn(const std::filesystem::path& dir, std::string_view given,
                                            const std::vector<std::string>& wanted) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(dir / given, ec))
        return dir / given;
    for (const auto& name : wanted) {
        const auto exact = dir / name;
        if (std::filesystem::is_regular_file(exact, ec))
            return exact;
    }
    std::optional<std::filesystem::path> found;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = lower(it->path().filename().string());
        if (std::find(wanted.begin(), wanted.end(), name) != wanted.end() && it->is_regular_file(ec)) {
            // Directory order is arbitrary; take the smallest name so the answer is stable.
            if (!found || it->path() < *found)
                found = it->path();
        }
    }
    return found;
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

std::optional<std::filesystem::path> findFileInPath(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    if (name.find('/') != std::string_view::npos) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(std::filesystem::path(name), ec))
            return std::filesystem::path(name);
        return std::nullopt;
    }
    std::vector<std::string> wanted{lower(name)};
    if (wanted.front().size() > 4 && wanted.front().ends_with(".exe"))
        wanted.push_back(wanted.front().substr(0, wanted.front().size() - 4));

    if (auto found = findIn(programDirectory(), name, wanted))
        return found;
    const std::string path = env("PATH");
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto colon = std::min(path.find(':', start), path.size());
        const std::string dir = path.substr(start, colon - start);
        // An empty entry would mean the current folder, which is not searched on purpose.
        if (!dir.empty())
            if (auto found = findIn(dir, name, wanted))
                return found;
        start = colon + 1;
    }
    return std::nullopt;
}

} // namespace winapi
