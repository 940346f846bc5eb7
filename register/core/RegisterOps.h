#pragma once

// Operations on the register as a whole: search, cleared marks and deleting a selection. Each
// is linear in the number of items plus the number of selected lines.

#include "register/core/ChequeBook.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

inline constexpr std::string_view kItemNotFound = "Item not Found!";
inline constexpr std::string_view kNoFurtherItems = "No further items!";

// The first item from `from` on whose particulars (all 25 characters, blanks included) contain
// `text` exactly, letters compared case-sensitively.
std::optional<std::size_t> findParticulars(const std::vector<Item>& items, std::string_view text,
                                           std::size_t from);

// Flips the cleared mark of the given items (ascending, in range) and writes the new status
// letter into the first field of their lines; the rest of each line is left as it was.
void toggleClearedLines(std::vector<Item>& items, std::vector<std::string>& lines,
                        const std::vector<int>& selected);

// A list line with its first field (the status letter) replaced.
std::string withStatusLetter(std::string_view line, char statusLetter);

// Removes the items at the given ascending, distinct indices in one pass.
void eraseSelected(std::vector<Item>& items, const std::vector<int>& selected);

// Whether the cheque book can take `added` more in amounts (after giving up `removed`): every
// balance and budget sum stays within the currency range as long as all amounts of the register
// and of the auto-duplicate items add up within it. Linear in the number of items.
bool amountsFit(const ChequeBook& book, runtime::Currency added, runtime::Currency removed = {});

// The line to make current after deleting: where the first deleted line was, or the last line
// when the deleted ones were at the end; -1 for an emptied register.
int lineAfterDelete(const std::vector<int>& deleted, std::size_t remaining);

// What Copy puts on the clipboard: each line followed by a carriage return.
std::string copiedText(const std::vector<std::string>& lines);

} // namespace ledger
