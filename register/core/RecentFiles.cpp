#include "register/core/RecentFiles.h"

#include "runtime/Cp1252.h"

#include <algorithm>

namespace ledger {

RecentFiles::RecentFiles() {
    entries_.fill(std::string(kNone));
}

void RecentFiles::setEntry(std::size_t n, std::string_view value) {
    entries_.at(n) = value.empty() ? std::string(kNone) : std::string(value);
}

bool RecentFiles::anyShown() const {
    return std::any_of(entries_.begin(), entries_.end(), [](const std::string& e) { return e != kNone; });
}

void RecentFiles::add(std::string_view path) {
    // The settings file holds Windows-1252 text: a path with other characters would come back as
    // "?" and name no file, so it stays off the list rather than become an entry that cannot open.
    if (path.empty() || path == kNone || runtime::cp1252ToUtf8(runtime::utf8ToCp1252(path)) != path) {
        return;
    }
    // The slot that goes: the path's own place when it is listed already, else the oldest.
    auto found = std::find(entries_.begin(), entries_.end(), path);
    if (found == entries_.end()) {
        found = entries_.end() - 1;
    }
    std::move_backward(entries_.begin(), found, found + 1);
    entries_.front() = std::string(path);
}

std::string RecentFiles::key(std::size_t n) {
    std::string key = " ";
    key += std::to_string(n);
    return key;
}

} // namespace ledger
