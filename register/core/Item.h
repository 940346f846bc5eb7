#pragma once

#include "register/core/FixedText.h"
#include "runtime/Currency.h"
#include "runtime/OleDate.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ledger {

// Widths of the fixed text fields, in characters (one Windows-1252 byte each on disk).
inline constexpr std::size_t kParticularsWidth = 25;
inline constexpr std::size_t kCodeWidth = 4;
inline constexpr std::size_t kTitleWidth = 25;
inline constexpr std::size_t kPasswordWidth = 4;
inline constexpr std::size_t kLinkNameWidth = 48;

// Status letters of a record.
namespace status {
inline constexpr char kNotCleared = ' ';
inline constexpr char kClearedWithdrawal = 'c';
inline constexpr char kClearedDeposit = 'd';
inline constexpr char kAutoWaiting = 'A';
inline constexpr char kAutoDue = 'T';
inline constexpr char kAutoProcessed = 'P';
inline constexpr char kPeriodStart = 'S';
inline constexpr char kPeriodEnd = 'E';
} // namespace status

inline constexpr std::int16_t kDeposit = 1;
inline constexpr std::int16_t kWithdrawal = -1;

// One record of a cheque book: a register item or an auto-duplicate item.
// Text is held like the fixed-length fields it comes from, always at its full width: particulars
// of 25 characters, code of 4, blank padded. The fields read and take UTF-8 text. The record holds
// no pointer, so a register is one allocation however long it is.
struct Item {
    runtime::OleDate date = 0;
    runtime::Currency amount;            // never negative; the deposit flag gives the sign
    std::int16_t depositFlag = kDeposit; // 1 deposit, -1 withdrawal (cheque or cash)
    std::int16_t chequeNumber = 0;       // 0: none
    FixedText<kParticularsWidth> particulars;
    FixedText<kCodeWidth> code;
    char status = status::kNotCleared;

    bool isDeposit() const { return depositFlag == kDeposit; }
    // The amount with the sign of the deposit flag.
    runtime::Currency signedAmount() const { return isDeposit() ? amount : -amount; }
    bool isCleared() const {
        return status == status::kClearedDeposit || status == status::kClearedWithdrawal;
    }

    friend bool operator==(const Item&, const Item&) = default;
};

// Builds an item with its text fields brought to their fixed widths. A negative amount is stored
// as a withdrawal of the magnitude (the opening balance of an account that is owed money).
Item makeItem(runtime::OleDate date, std::int16_t chequeNumber, std::string_view particulars,
              runtime::Currency signedAmount, std::string_view code, char status = status::kNotCleared);

// The text as a fixed-length field of `width` characters holds it: cut after `width` characters
// or padded with blanks. A character without a Windows-1252 form becomes "?", as it will on disk.
std::string fitText(std::string_view utf8, std::size_t width);
// The text without its trailing blanks.
std::string trimRight(std::string_view text);
// Number of characters (not bytes) of a UTF-8 text; the length rules of titles and passwords
// count characters.
std::size_t textLength(std::string_view utf8);
// The same for a field: its text without trailing blanks, and its length (always N).
template <std::size_t N> std::string trimRight(const FixedText<N>& field) {
    return trimRight(field.str());
}
template <std::size_t N> constexpr std::size_t textLength(const FixedText<N>&) {
    return N;
}

// Clears a not-cleared item (" " -> "d" for a deposit, "c" otherwise) or unclears a cleared one.
// Other letters are left alone.
void toggleCleared(Item& item);

} // namespace ledger
