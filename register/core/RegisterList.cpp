#include "register/core/RegisterList.h"

#include "register/core/ChequeBookFile.h"
#include "register/core/DiskError.h"
#include "register/core/LargeBlock.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

namespace ledger {

namespace {

// The longest line: status, item number (20 digits), date, cheque number, particulars (25
// characters of up to 3 UTF-8 bytes), two amounts, code, balance and the tabs between, with room
// to spare.
constexpr std::size_t kMaxLineBytes = 320;

char* writeTwoDigits(char* out, int value) {
    out[0] = static_cast<char>('0' + value / 10 % 10);
    out[1] = static_cast<char>('0' + value % 10);
    return out + 2;
}

// "###,##0.00" of a magnitude in ten-thousandths, rounded half away from zero to cents.
char* writeAmount(char* out, std::uint64_t ticks) {
    const std::uint64_t cents = ticks / 100 + (ticks % 100 >= 50 ? 1 : 0);
    char digits[24];
    char* end = digits + sizeof digits;
    char* p = end;
    std::uint64_t whole = cents / 100;
    int n = 0;
    do {
        if (n > 0 && n % 3 == 0) {
            *--p = ',';
        }
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
        ++n;
    } while (whole != 0);
    const auto size = static_cast<std::size_t>(end - p);
    std::memcpy(out, p, size);
    out += size;
    *out++ = '.';
    return writeTwoDigits(out, static_cast<int>(cents % 100));
}

std::uint64_t magnitude(std::int64_t ticks) {
    return ticks < 0 ? 0 - static_cast<std::uint64_t>(ticks) : static_cast<std::uint64_t>(ticks);
}

// "###,##0.00;(###,##0.00)": a negative balance in parentheses, unless it shows as zero.
char* writeBalance(char* out, runtime::Currency balance) {
    const std::uint64_t ticks = magnitude(balance.ticks());
    if (balance.ticks() < 0 && ticks >= 50) {
        *out++ = '(';
        out = writeAmount(out, ticks);
        *out++ = ')';
        return out;
    }
    return writeAmount(out, ticks);
}

// "00000"
char* writeChequeNumber(char* out, std::int16_t number) {
    int value = number;
    if (value < 0) {
        *out++ = '-';
        value = -value;
    }
    char digits[8];
    const auto size =
        static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
    for (std::size_t k = size; k < 5; ++k) {
        *out++ = '0';
    }
    std::memcpy(out, digits, size);
    return out + size;
}

// Everything after the date column, shared by the register and auto-duplicate lines.
char* writeItemFields(char* out, const Item& item) {
    *out++ = '\t';
    out = writeChequeNumber(out, item.chequeNumber);
    *out++ = '\t';
    out = cp1252::writeUtf8(out, item.particulars.bytes());
    *out++ = '\t';
    if (item.isDeposit()) {
        out = writeAmount(out, magnitude(item.amount.ticks()));
    }
    *out++ = '\t';
    if (!item.isDeposit()) {
        out = writeAmount(out, magnitude(item.amount.ticks()));
    }
    *out++ = '\t';
    return cp1252::writeUtf8(out, item.code.bytes());
}

char* writeLeadingFields(char* out, const Item& item, std::size_t index) {
    *out++ = item.status;
    *out++ = '\t';
    out = std::to_chars(out, out + 24, index + 1).ptr;
    *out++ = '\t';
    return out;
}

// "mm/dd/yy". Registers are mostly in date order, so the text of the last date is kept.
class DateText {
public:
    const char* of(runtime::OleDate date) {
        if (!valid_ || std::bit_cast<std::uint64_t>(date) != last_) {
            const runtime::CivilDate d = runtime::civilFromOle(date);
            writeTwoDigits(text_, d.month);
            text_[2] = '/';
            writeTwoDigits(text_ + 3, d.day);
            text_[5] = '/';
            writeTwoDigits(text_ + 6, (d.year % 100 + 100) % 100);
            last_ = std::bit_cast<std::uint64_t>(date);
            valid_ = true;
        }
        return text_;
    }

private:
    char text_[8] = {};
    std::uint64_t last_ = 0;
    bool valid_ = false;
};

char* writeRegisterLine(char* out, const Item& item, std::size_t index, runtime::Currency balance,
                        DateText& dates) {
    out = writeLeadingFields(out, item, index);
    std::memcpy(out, dates.of(item.date), 8);
    out = writeItemFields(out + 8, item);
    *out++ = '\t';
    return writeBalance(out, balance);
}

// --- The Shell sort ---------------------------------------------------------------------------
//
// The register's Shell sort (gaps 2^k - 1, no second key) runs over a compact table of keys with
// each item's position beside its key, and the items are then moved once into the order found. An
// entry moving down by one gap is held aside and written once where the exchanges of the classic
// loop would leave it; the order is the same as exchanging whole records.

std::int64_t firstGap(std::int64_t count) {
    std::int64_t h = 1;
    while (h <= count - 1) {
        h *= 2;
    }
    h = h / 2 - 1;
    return count >= 2 && h < 1 ? 1 : h;
}

// Entries holding a 32-bit key in their high half and the item's position in the low half. "Key
// below" is one comparison against the moving entry with its low half filled with ones.
void shellSortPacked(std::vector<std::uint64_t>& a) {
    const auto count = static_cast<std::int64_t>(a.size());
    std::uint64_t* const p = a.data();
    for (std::int64_t h = firstGap(count); h > 0; h = (h - 1) / 2) {
        for (std::int64_t i = h; i < count; ++i) {
            const std::uint64_t moving = p[i];
            const std::uint64_t bound = moving | 0xFFFF'FFFFu;
            std::int64_t j = i;
            for (; j >= h && bound < p[j - h]; j -= h) {
                p[j] = p[j - h];
            }
            p[j] = moving;
        }
    }
}

// Dates that are not all whole days within 2^32 days of each other: the date itself is the key.
void shellSortPairs(std::vector<std::pair<double, std::uint32_t>>& a) {
    const auto count = static_cast<std::int64_t>(a.size());
    for (std::int64_t h = firstGap(count); h > 0; h = (h - 1) / 2) {
        for (std::int64_t i = h; i < count; ++i) {
            const std::pair<double, std::uint32_t> moving = a[i];
            std::int64_t j = i;
            for (; j >= h && moving.first < a[j - h].first; j -= h) {
                a[j] = a[j - h];
            }
            a[j] = moving;
        }
    }
}

// The four code characters as one number that orders as the text does.
std::uint32_t codeKey(const Item& item) {
    const std::string_view b = item.code.bytes();
    std::uint32_t key = 0;
    for (std::size_t i = 0; i < kCodeWidth; ++i) {
        key = (key << 8) | cp1252::textRank(static_cast<unsigned char>(b[i]));
    }
    return key;
}

// Whole-day dates as offsets from the earliest, when they all are (the dates the register makes).
bool dateKeys(const std::vector<Item>& items, std::vector<std::uint64_t>& packed) {
    double low = 0;
    double high = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const double d = items[i].date;
        if (!(d == std::floor(d))) {
            return false;
        }
        low = i == 0 || d < low ? d : low;
        high = i == 0 || d > high ? d : high;
    }
    if (!(high - low <= 4'294'967'295.0)) {
        return false;
    }
    reserveLarge(packed, items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        packed.push_back(static_cast<std::uint64_t>(items[i].date - low) << 32 | i);
    }
    return true;
}

// Reading items in a sorted order jumps about the table: asking for the item a few dozen places
// ahead keeps many memory reads in flight instead of waiting for one at a time.
void prefetchAhead(const std::vector<Item>& items, const std::vector<std::uint32_t>& order, std::size_t k) {
    constexpr std::size_t kAhead = 32;
    if (k + kAhead < order.size()) {
        const char* ahead = reinterpret_cast<const char*>(&items[order[k + kAhead]]);
        __builtin_prefetch(ahead);
        __builtin_prefetch(ahead + sizeof(Item) - 1);
    }
}

template <class Lines> bool writeLines(std::size_t count, Lines itemAt, const TextSink& sink) {
    constexpr std::size_t kBufferSize = 64 * 1024;
    const std::unique_ptr<char[]> buffer(new char[kBufferSize]);
    char* const flushAt = buffer.get() + kBufferSize - kMaxLineBytes;
    char* out = buffer.get();
    runtime::Currency balance;
    DateText dates;
    for (std::size_t i = 0; i < count; ++i) {
        const Item& item = itemAt(i);
        balance += item.signedAmount();
        out = writeRegisterLine(out, item, i, balance, dates);
        *out++ = '\n';
        if (out >= flushAt) {
            if (!sink(std::string_view(buffer.get(), static_cast<std::size_t>(out - buffer.get()))))
                return false;
            out = buffer.get();
        }
    }
    return out == buffer.get() ||
           sink(std::string_view(buffer.get(), static_cast<std::size_t>(out - buffer.get())));
}

} // namespace

std::string registerLine(const Item& item, std::size_t index, runtime::Currency balance) {
    char line[kMaxLineBytes];
    DateText dates;
    return std::string(line, writeRegisterLine(line, item, index, balance, dates));
}

std::vector<std::string> registerLines(const std::vector<Item>& items) {
    std::vector<std::string> lines;
    lines.reserve(items.size());
    runtime::Currency balance;
    DateText dates;
    char line[kMaxLineBytes];
    for (std::size_t i = 0; i < items.size(); ++i) {
        balance += items[i].signedAmount();
        lines.emplace_back(line, writeRegisterLine(line, items[i], i, balance, dates));
    }
    return lines;
}

namespace {

// The balance after the item, in ticks. Inline, as the running balances of a long register are
// worked out after every change of it; a sum that does not fit fails as any other.
std::int64_t balanceAfter(std::int64_t balance, const Item& item) {
    std::int64_t next = 0;
    if (item.isDeposit() ? __builtin_add_overflow(balance, item.amount.ticks(), &next)
                         : __builtin_sub_overflow(balance, item.amount.ticks(), &next)) {
        next = (runtime::Currency::fromTicks(balance) + item.signedAmount()).ticks();
    }
    return next;
}

} // namespace

void runningBalances(const std::vector<Item>& items, std::vector<std::int64_t>& balances) {
    balances.resize(items.size());
    std::int64_t balance = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        balance = balanceAfter(balance, items[i]);
        balances[i] = balance;
    }
}

std::vector<std::int64_t> erasedAmounts(const std::vector<Item>& items, const std::vector<int>& rows) {
    std::vector<std::int64_t> amounts(rows.size(), 0);
    std::size_t next = 0; // the first row not yet erased, as eraseSelected walks them
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int row = rows[k];
        if (row < 0 || static_cast<std::size_t>(row) >= items.size() || static_cast<std::size_t>(row) < next)
            continue;
        amounts[k] = items[static_cast<std::size_t>(row)].signedAmount().ticks();
        next = static_cast<std::size_t>(row) + 1;
    }
    return amounts;
}

bool eraseFromBalances(std::vector<std::int64_t>& balances, const std::vector<int>& rows,
                       const std::vector<std::int64_t>& amounts) {
    std::size_t to = 0;
    std::size_t from = 0;
    std::int64_t gone = 0;
    bool fits = true;
    const auto keepUpTo = [&](std::size_t end) {
        for (; from < end; ++from)
            fits &= !__builtin_sub_overflow(balances[from], gone, &balances[to++]);
    };
    for (std::size_t k = 0; k < rows.size() && k < amounts.size(); ++k) {
        const int row = rows[k];
        if (row < 0 || static_cast<std::size_t>(row) >= balances.size() || static_cast<std::size_t>(row) < from)
            continue;
        keepUpTo(static_cast<std::size_t>(row));
        fits &= !__builtin_add_overflow(gone, amounts[k], &gone);
        from = static_cast<std::size_t>(row) + 1;
    }
    keepUpTo(balances.size());
    balances.resize(to);
    return fits;
}

runtime::Currency finalBalance(const std::vector<Item>& items) {
    std::int64_t balance = 0;
    for (const Item& item : items) {
        balance = balanceAfter(balance, item);
    }
    return runtime::Currency::fromTicks(balance);
}

std::string autoDupLine(const Item& item, std::size_t index) {
    char line[kMaxLineBytes];
    char* out = writeLeadingFields(line, item, index);
    // An auto-duplicate item holds its day of the month as the date value itself ("##").
    const long long day = std::llround(item.date);
    if (day != 0) {
        out = std::to_chars(out, out + 24, day).ptr;
    }
    return std::string(line, writeItemFields(out, item));
}

std::vector<std::uint32_t> shellSortOrder(const std::vector<Item>& items, SortOrder order) {
    std::vector<std::uint32_t> result;
    reserveLarge(result, items.size());
    std::vector<std::uint64_t> packed;
    if (order == SortOrder::Code || dateKeys(items, packed)) {
        if (order == SortOrder::Code) {
            reserveLarge(packed, items.size());
            for (std::size_t i = 0; i < items.size(); ++i) {
                packed.push_back(static_cast<std::uint64_t>(codeKey(items[i])) << 32 | i);
            }
        }
        shellSortPacked(packed);
        for (const std::uint64_t entry : packed) {
            result.push_back(static_cast<std::uint32_t>(entry));
        }
        return result;
    }
    std::vector<std::pair<double, std::uint32_t>> pairs(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        pairs[i] = {items[i].date, static_cast<std::uint32_t>(i)};
    }
    shellSortPairs(pairs);
    for (const auto& entry : pairs) {
        result.push_back(entry.second);
    }
    return result;
}

void shellSort(std::vector<Item>& items, SortOrder order) {
    const std::vector<std::uint32_t> from = shellSortOrder(items, order);
    // One pass gathering the items into a new table: with the reads asked for ahead this is far
    // quicker than moving records along permutation cycles, whose next step is known only one at a
    // time, for the price of a second table while it runs.
    std::vector<Item> sorted;
    reserveLarge(sorted, items.size());
    for (std::size_t k = 0; k < from.size(); ++k) {
        prefetchAhead(items, from, k);
        sorted.push_back(items[from[k]]);
    }
    items.swap(sorted);
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
    return writeLines(
        items.size(), [&](std::size_t i) -> const Item& { return items[i]; }, sink);
}

bool writeRegisterLines(const std::vector<Item>& items, const std::vector<std::uint32_t>& order,
                        const TextSink& sink) {
    return writeLines(
        order.size(),
        [&](std::size_t i) -> const Item& {
            prefetchAhead(items, order, i);
            return items[order[i]];
        },
        sink);
}

Listing listRegister(const std::string& path, const std::function<std::optional<std::string>()>& askPassword,
                     const TextSink& sink) {
    Listing listing;
    ReadResult read = readChequeBookFile(path);
    if (!read.ok()) {
        // A disk error is told in the words of the disk-error routine, as the window tells it.
        const std::optional<runtime::Message> disk =
            read.error == ReadError::FileError ? diskErrorPrompt(read.errorNumber) : std::nullopt;
        listing.error = disk ? disk->text : read.errorMessage;
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
    // The lines are written in sorted order straight from the table as read: no item is moved.
    const std::vector<std::uint32_t> order =
        shellSortOrder(contents.items, contents.sortLetter == 'C' ? SortOrder::Code : SortOrder::Date);
    if (!writeRegisterLines(contents.items, order, sink)) {
        listing.writeFailed = true; // the sink knows why; the caller words it
        return listing;
    }
    listing.ok = true;
    return listing;
}

} // namespace ledger
