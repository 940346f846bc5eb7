#include "register/core/RegisterOps.h"

#include "runtime/Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ledger {

std::optional<std::size_t> findParticulars(const std::vector<Item>& items, std::string_view text,
                                           std::size_t from) {
    // Searched in the form the field holds. A text with a character the field cannot hold matches
    // nothing (converted, that character would turn into a "?" and match a real one).
    const std::string wanted = runtime::utf8ToCp1252(text);
    if (runtime::cp1252ToUtf8(wanted) != text)
        return std::nullopt;
    for (std::size_t i = from; i < items.size(); ++i) {
        if (items[i].particulars.bytes().find(wanted) != std::string_view::npos)
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
    // The kept runs between the selected rows move down in one block each.
    auto to = items.begin();
    auto from = items.begin();
    for (int row : selected) {
        if (row < 0 || static_cast<std::size_t>(row) >= items.size() || items.begin() + row < from)
            continue;
        to = std::move(from, items.begin() + row, to);
        from = items.begin() + row + 1;
    }
    to = std::move(from, items.end(), to);
    items.erase(to, items.end());
}

bool amountsFit(const ChequeBook& book, runtime::Currency added, runtime::Currency removed) {
    const auto magnitude = [](runtime::Currency c) {
        const std::int64_t t = c.ticks();
        return t < 0 ? 0 - static_cast<std::uint64_t>(t) : static_cast<std::uint64_t>(t);
    };
    // What may be added up: the range, plus what goes away. Checked before each addition, so the
    // unsigned sum never wraps.
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + magnitude(removed);
    std::uint64_t total = 0;
    const auto add = [&](runtime::Currency amount) {
        const std::uint64_t m = magnitude(amount);
        if (m > limit - total)
            return false;
        total += m;
        return true;
    };
    if (!add(added))
        return false;
    for (const std::vector<Item>* table : {&book.items, &book.autoDupItems, &book.itemsOutsideView}) {
        for (const Item& item : *table) {
            if (!add(item.amount))
                return false;
        }
    }
    return true;
}

int lineAfterDelete(const std::vector<int>& deleted, std::size_t remaining) {
    if (remaining == 0)
        return -1;
    const int first = deleted.empty() ? 0 : *std::min_element(deleted.begin(), deleted.end());
    return std::min(std::max(first, 0), static_cast<int>(remaining) - 1);
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
