#include "register/core/RegisterOps.h"

#include <algorithm>

namespace ledger {

std::optional<std::size_t> findParticulars(const std::vector<Item>& items, std::string_view text,
                                           std::size_t from) {
    for (std::size_t i = from; i < items.size(); ++i) {
        if (items[i].particulars.find(text) != std::string::npos)
            return i;
    }
    return std::nullopt;
}

std::string withStatusLetter(std::string_view line, char statusLetter) {
    std::string result;
    const std::size_t tab = line.find('\t');
    result.reserve(line.size() + 1);
    result += statusLetter;
    if (tab != std::string_view::npos)
        result.append(line.substr(tab));
    return result;
}

void toggleClearedLines(std::vector<Item>& items, std::vector<std::string>& lines,
                        const std::vector<int>& selected) {
    for (int index : selected) {
        if (index < 0 || static_cast<std::size_t>(index) >= items.size())
            continue;
        const auto i = static_cast<std::size_t>(index);
        toggleCleared(items[i]);
        if (i < lines.size())
            lines[i] = withStatusLetter(lines[i], items[i].status);
    }
}

void eraseSelected(std::vector<Item>& items, const std::vector<int>& selected) {
    std::size_t to = 0;
    auto next = selected.begin();
    for (std::size_t from = 0; from < items.size(); ++from) {
        while (next != selected.end() && *next < static_cast<int>(from))
            ++next;
        if (next != selected.end() && *next == static_cast<int>(from))
            continue;
        if (to != from)
            items[to] = std::move(items[from]);
        ++to;
    }
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(to), items.end());
}

std::string copiedText(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += '\r';
    }
    return text;
}

} // namespace ledger
