#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ledger {

// The four most recently used cheque-book paths (menu items mnuSelectFile(0) to (3)).
class RecentFiles {
public:
    static constexpr std::size_t kSize = 4;
    static constexpr std::string_view kNone = "none"; // marks an empty entry

    RecentFiles();

    // Entry n as stored: a path or "none".
    const std::string& entry(std::size_t n) const { return entries_.at(n); }
    // Sets entry n from the settings file; an empty value counts as "none".
    void setEntry(std::size_t n, std::string_view value);
    bool isShown(std::size_t n) const { return entries_.at(n) != kNone; }
    // The separator mnuSepX is visible when any entry is.
    bool anyShown() const;

    // A newly opened file goes to the top; the others move down, a repeat of the same path
    // is dropped, and the oldest falls off the end. A path the settings file cannot hold as
    // Windows-1252 text is not listed.
    void add(std::string_view path);

    // The settings key of entry n: the number with one leading blank (" 0" .. " 3").
    static std::string key(std::size_t n);

private:
    std::array<std::string, kSize> entries_;
};

} // namespace ledger
