#include "register/core/RegisterList.h"

#include "register/core/ChequeBookFile.h"
#include "register/core/DiskError.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

namespace ledger {

namespace {

void appendTwoDigits(std::string& out, int value) {
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

// "###,##0.00" of a magnitude in ten-thousandths, rounded half away from zero to cents.
void appendAmount(std::string& out, std::uint64_t ticks) {
    const std::uint64_t cents = ticks / 100 + (ticks % 100 >= 50 ? 1 : 0);
    char buffer[24];
    const std::size_t size =
        static_cast<std::size_t>(std::to_chars(buffer, buffer + sizeof buffer, cents / 100).ptr - buffer);
    const std::string_view whole(buffer, size);
    const std::size_t first = whole.size() % 3 == 0 ? 3 : whole.size() % 3;
    out.append(whole.substr(0, first));
    for (std::size_t i = first; i < whole.size(); i += 3) {
        out += ',';
        out.append(whole.substr(i, 3));
    }
    out += '.';
    appendTwoDigits(out, static_cast<int>(cents % 100));
}

std::uint64_t magnitude(std::int64_t ticks) {
    return ticks < 0 ? 0 - static_cast<std::uint64_t>(ticks) : static_cast<std::uint64_t>(ticks);
}

// "###,##0.00;(###,##0.00)": a negative balance in parentheses, unless it shows as zero.
void appendBalance(std::string& out, runtime::Currency balance) {
    const std::uint64_t ticks = magnitude(balance.ticks());
    if (balance.ticks() < 0 && ticks >= 50) {
        out += '(';
        appendAmount(out, ticks);
        out += ')';
    } else {
        appendAmount(out, ticks);
    }
}

// "00000"
void appendChequeNumber(std::string& out, std::int16_t number) {
    int value = number;
    if (value < 0) {
        out += '-';
        value = -value;
    }
    char digits[8];
    const auto size =
        static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
    out.append(size < 5 ? 5 - size : 0, '0');
    out.append(digits, size);
}

// Everything after the date column, shared by the register and auto-duplicate lines.
void appendItemFields(std::string& out, const Item& item) {
    out += '\t';
    appendChequeNumber(out, item.chequeNumber);
    out += '\t';
    out += item.particulars;
    out += '\t';
    if (item.isDeposit()) {
        appendAmount(out, magnitude(item.amount.ticks()));
    }
    out += '\t';
    if (!item.isDeposit()) {
        appendAmount(out, magnitude(item.amount.ticks()));
    }
    out += '\t';
    out += item.code;
}

void appendLeadingFields(std::string& out, const Item& item, std::size_t index) {
    out += item.status;
    out += '\t';
    char number[24];
    out.append(number, std::to_chars(number, number + sizeof number, index + 1).ptr);
    out += '\t';
}

// The code as a number that orders like the text: four characters of 16 bits each, blank padded.
std::uint64_t codeKey(std::string_view code) {
    std::uint64_t key = 0;
    std::size_t at = 0;
    for (int n = 0; n < 4; ++n) {
        std::uint32_t cp = ' ';
        if (at < code.size()) {
            const auto lead = static_cast<unsigned char>(code[at]);
            const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
            cp = extra == 0 ? lead : lead & (0x3F >> extra);
            for (int k = 1; k <= extra && at + k < code.size(); ++k) {
                cp = (cp << 6) | (static_cast<unsigned char>(code[at + k]) & 0x3F);
            }
            at += 1 + extra;
        }
        key = (key << 16) | (cp > 0xFFFF ? 0xFFFF : cp);
    }
    return key;
}

// The register's Shell sort, run over (key, position) pairs so that an exchange moves 16 bytes
// instead of a whole record; the resulting order is the same.
template <class Key> void shellSortPairs(std::vector<std::pair<Key, std::uint32_t>>& a) {
    const auto count = static_cast<std::int64_t>(a.size());
    std::int64_t h = 1;
    while (h <= count - 1) {
        h *= 2;
    }
    h = h / 2 - 1;
    if (count >= 2 && h < 1) {
        h = 1;
    }
    while (h > 0) {
        for (std::int64_t i = h; i <= count - 1; ++i) {
            // The exchanges of the classic loop, done as one shift: the moving entry is held
            // aside and written once where the exchanges would leave it.
            const std::pair<Key, std::uint32_t> moving = a[i];
            std::int64_t j = i;
            for (; j >= h && moving.first < a[j - h].first; j -= h) {
                a[j] = a[j - h];
            }
            a[j] = moving;
        }
        h = (h - 1) / 2;
    }
}

template <class Key, class KeyOf> void sortBy(std::vector<Item>& items, KeyOf keyOf) {
    std::vector<std::pair<Key, std::uint32_t>> pairs;
    pairs.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        pairs.emplace_back(keyOf(items[i]), static_cast<std::uint32_t>(i));
    }
    shellSortPairs(pairs);
    // Put the records where the pairs say, one permutation cycle at a time; this moves each
    // record once and needs no second table.
    std::vector<bool> placed(items.size());
    for (std::size_t start = 0; start < items.size(); ++start) {
        if (placed[start] || pairs[start].second == start) {
            continue;
        }
        Item held = std::move(items[start]);
        std::size_t to = start;
        for (;;) {
            placed[to] = true;
            const std::size_t from = pairs[to].second;
            if (from == start) {
                items[to] = std::move(held);
                break;
            }
            items[to] = std::move(items[from]);
            to = from;
        }
    }
}

} // namespace

namespace {

void appendRegisterLine(std::string& line, const Item& item, std::size_t index, runtime::Currency balance) {
    appendLeadingFields(line, item, index);
    const runtime::CivilDate d = runtime::civilFromOle(item.date);
    appendTwoDigits(line, d.month);
    line += '/';
    appendTwoDigits(line, d.day);
    line += '/';
    appendTwoDigits(line, (d.year % 100 + 100) % 100);
    appendItemFields(line, item);
    line += '\t';
    appendBalance(line, balance);
}

} // namespace

std::string registerLine(const Item& item, std::size_t index, runtime::Currency balance) {
    std::string line;
    appendRegisterLine(line, item, index, balance);
    return line;
}

std::vector<std::string> registerLines(const std::vector<Item>& items) {
    std::vector<std::string> lines;
    lines.reserve(items.size());
    runtime::Currency balance;
    // Each line is built in one scratch buffer and copied out at its exact length: large
    // registers then take a quarter less memory than with lines grown in place.
    std::string scratch;
    for (std::size_t i = 0; i < items.size(); ++i) {
        balance += items[i].signedAmount();
        scratch.clear();
        appendRegisterLine(scratch, items[i], i, balance);
        lines.emplace_back(scratch);
    }
    return lines;
}

runtime::Currency finalBalance(const std::vector<Item>& items) {
    runtime::Currency balance;
    for (const Item& item : items) {
        balance += item.signedAmount();
    }
    return balance;
}

std::string autoDupLine(const Item& item, std::size_t index) {
    std::string line;
    appendLeadingFields(line, item, index);
    // An auto-duplicate item holds its day of the month as the date value itself ("##").
    const long long day = std::llround(item.date);
    if (day != 0) {
        line += std::to_string(day);
    }
    appendItemFields(line, item);
    return line;
}

void shellSort(std::vector<Item>& items, SortOrder order) {
    if (order == SortOrder::Code) {
        sortBy<std::uint64_t>(items, [](const Item& item) { return codeKey(item.code); });
    } else {
        sortBy<double>(items, [](const Item& item) { return item.date; });
    }
}

void sortRegister(ChequeBook& book, SortOrder order) {
    shellSort(book.items, order);
    book.sortOrder = order;
    book.changed = true;
}

std::string sortingProgressText(std::string_view title, SortOrder order) {
    return "Sorting Cheque Book - " + std::string(title) +
           (order == SortOrder::Code ? " on CODE sequence" : " on DATE sequence");
}

bool writeRegisterLines(const std::vector<Item>& items, const TextSink& sink) {
    constexpr std::size_t kFlushAt = 60 * 1024; // one line is far below the rest of the buffer
    std::string buffer;
    buffer.reserve(kFlushAt + 1024);
    runtime::Currency balance;
    for (std::size_t i = 0; i < items.size(); ++i) {
        balance += items[i].signedAmount();
        appendRegisterLine(buffer, items[i], i, balance);
        buffer += '\n';
        if (buffer.size() >= kFlushAt) {
            if (!sink(buffer))
                return false;
            buffer.clear();
        }
    }
    return buffer.empty() || sink(buffer);
}

Listing listRegister(const std::string& path, const std::function<std::optional<std::string>()>& askPassword,
                     const TextSink& sink) {
    Listing listing;
    ReadResult read = readChequeBookFile(path);
    if (!read.ok()) {
        // A disk error is told in the words of the disk-error routine, as the window tells it.
        const std::optional<DiskErrorPrompt> disk =
            read.error == ReadError::FileError ? diskErrorPrompt(read.errorNumber) : std::nullopt;
        listing.error = disk ? disk->message : read.errorMessage;
        return listing;
    }
    BookFileContents& contents = read.contents;
    listing.warnings = contents.messages;
    if (contents.hasPassword()) {
        const std::optional<std::string> answer = askPassword ? askPassword() : std::nullopt;
        if (!answer || !contents.passwordMatches(*answer)) {
            listing.error = std::string(kPasswordInvalidMessage);
            return listing;
        }
    }
    shellSort(contents.items, contents.sortLetter == 'C' ? SortOrder::Code : SortOrder::Date);
    if (!writeRegisterLines(contents.items, sink)) {
        listing.writeFailed = true; // the sink knows why; the caller words it
        return listing;
    }
    listing.ok = true;
    return listing;
}

} // namespace ledger
