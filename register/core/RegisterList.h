#pragma once

#include "register/core/ChequeBook.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

inline constexpr std::string_view kBalancePattern = "$#,##0.00;($#,##0.00)"; // lblBalance
inline constexpr std::string_view kCountPattern = "###0 ";                   // lblTransNumber

// One register line: status, item number (from 1, "###"), date "mm/dd/yy", cheque number
// "00000", particulars, deposit "###,##0.00" (empty for a withdrawal), withdrawal (empty for a
// deposit), code, running balance "###,##0.00;(###,##0.00)" - separated by tabs.
std::string registerLine(const Item& item, std::size_t index, runtime::Currency balance);

// All register lines with the running balance from zero; linear in the number of items.
std::vector<std::string> registerLines(const std::vector<Item>& items);

// The running balance after the last item (zero for an empty register).
runtime::Currency finalBalance(const std::vector<Item>& items);
// The running balance after each item, in currency ticks, into `balances` (resized to fit).
void runningBalances(const std::vector<Item>& items, std::vector<std::int64_t>& balances);
// The signed amounts, in ticks, of the items at `rows` (ascending), for eraseFromBalances: 0 for
// a row that eraseSelected passes over (repeated or out of range).
std::vector<std::int64_t> erasedAmounts(const std::vector<Item>& items, const std::vector<int>& rows);
// The running balances once the items at `rows` (as given to eraseSelected) have gone, from the
// balances before and the amounts that went: each kept balance drops by what went before it.
// Reads 8 bytes a row instead of every item. False, with `balances` unusable, when a balance
// would not fit (only a register whose sums never fitted); work them out again then.
bool eraseFromBalances(std::vector<std::int64_t>& balances, const std::vector<int>& rows,
                       const std::vector<std::int64_t>& amounts);

// An auto-duplicate line: the same layout with the day number ("##"; an auto-duplicate item keeps
// its day of the month as its date value) in place of the date, and no balance.
std::string autoDupLine(const Item& item, std::size_t index);

// Reorders the register in place by the Shell sort the register has always used (gaps 2^k - 1,
// no second key), so items with equal keys end in the same order as they always have. The key is
// the date, or the 4-character code compared as text.
void shellSort(std::vector<Item>& items, SortOrder order);
// The order shellSort puts the items in, without moving them: line k of the sorted register is
// items[result[k]]. A view can show a sorted register through it.
std::vector<std::uint32_t> shellSortOrder(const std::vector<Item>& items, SortOrder order);
// The sort commands: sorts the book's register by `order`, records the order in the book and marks
// it changed. (Opening a book sorts with shellSort alone and changes nothing.)
void sortRegister(ChequeBook& book, SortOrder order);

// Progress text shown while sorting: "Sorting Cheque Book - <title> on DATE sequence".
std::string sortingProgressText(std::string_view title, SortOrder order);

// Receives text in large pieces; returns false when it could not take them (a full disk, a closed pipe).
using TextSink = std::function<bool(std::string_view)>;

// Writes the register lines, each ending in "\n", through one buffer into the sink: no line and no
// whole text is kept, so a listing needs memory for its buffer only. False when the sink refused.
bool writeRegisterLines(const std::vector<Item>& items, const TextSink& sink);
// The same for the items in the given order (items[order[0]] first), numbered and balanced in it.
bool writeRegisterLines(const std::vector<Item>& items, const std::vector<std::uint32_t>& order,
                        const TextSink& sink);

// The `--list` command: the register lines of the cheque book at `path`, in its stored sort order.
struct Listing {
    bool ok = false;
    std::vector<std::string> warnings; // messages met while reading (skipped records)
    std::string error;                 // the reason, when !ok and not writeFailed
    bool writeFailed = false;          // the sink refused the text
};
// askPassword is called only for a book with a password; std::nullopt counts as a wrong answer.
Listing listRegister(const std::string& path, const std::function<std::optional<std::string>()>& askPassword,
                     const TextSink& sink);

} // namespace ledger
