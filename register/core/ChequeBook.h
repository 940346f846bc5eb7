#pragma once

#include "register/core/Item.h"

#include <string>
#include <string_view>
#include <vector>

namespace ledger {

enum class SortOrder : char { Date = 'D', Code = 'C' };

// Dates that limit budget reports and, on request, the register view.
struct BudgetPeriod {
    runtime::OleDate start = runtime::kRegisterMinDate; // 01/01/80 when unset
    runtime::OleDate end = runtime::kRegisterMaxDate;   // 12/31/2099 when unset
    // A period differing from the unset bounds.
    bool isSet() const { return start != runtime::kRegisterMinDate || end != runtime::kRegisterMaxDate; }
    bool contains(runtime::OleDate date) const;
    friend bool operator==(const BudgetPeriod&, const BudgetPeriod&) = default;
};

// The password field holding this means the cheque book has no password.
inline constexpr std::string_view kNoPassword = "5827";

// The open cheque book.
struct ChequeBook {
    std::string path;
    std::string title; // up to 25 characters, trailing blanks removed
    // Always 4 characters (blank padded); kNoPassword when there is none.
    std::string password = std::string(kNoPassword);
    SortOrder sortOrder = SortOrder::Date;
    BudgetPeriod period;
    std::string codeFileLink; // budget/code file named by the link record; empty: no link
    int lastAutoDupDay = 0;   // day of month of the last auto-duplicate check, 0: none yet
    bool changed = false;     // unsaved changes

    std::vector<Item> items;        // the register, in display order
    std::vector<Item> autoDupItems; // "A", "T" and "P" items
    // Register items left out of the view when only the budget period is shown. They stay part of
    // the cheque book and are written back by Save after the shown items, so viewing a period
    // never loses the rest of the register.
    std::vector<Item> itemsOutsideView;

    bool hasPassword() const { return password != kNoPassword; }
    // Number of register items the file holds (shown and outside the view).
    std::size_t registerSize() const { return items.size() + itemsOutsideView.size(); }
};

// --- Titles and passwords -------------------------------------------------------------------

inline constexpr std::string_view kTitleTooLongMessage =
    "The maximum length of a Cheque Book Tile is 25 characters";
inline constexpr std::string_view kPasswordTooLongMessage =
    "The maximum length of a Password is FOUR characters!";
inline constexpr std::string_view kPasswordInvalidMessage = "PassWord entered is not VALID!";
// A password the file cannot keep as typed: the no-password marker itself (the book would silently
// have none) or characters without a Windows-1252 form (they would all be stored as "?").
inline constexpr std::string_view kPasswordUnusableMessage =
    "This PassWord cannot be used. Please choose another!";

bool titleTooLong(std::string_view utf8);    // more than 25 characters
bool passwordTooLong(std::string_view utf8); // more than 4 characters
// The message refusing a new password entry, or an empty view when the entry can be stored: more
// than 4 characters gives kPasswordTooLongMessage, the marker or an unstorable character
// kPasswordUnusableMessage. An empty entry is fine (it means no password).
std::string_view passwordEntryProblem(std::string_view utf8);
// The 4-character form a password entry is stored in; an empty entry means no password (the
// marker). Entries of more than four characters are the caller's to refuse first.
std::string storedPassword(std::string_view entry);
// Whether the entry opens a cheque book whose stored password is `stored` (4 characters). The entry
// is compared in the stored 4-character form, so trailing blanks do not count; an entry longer than
// 4 characters or holding characters the file cannot hold never matches.
bool passwordMatches(std::string_view stored, std::string_view entry);
bool passwordMatches(const ChequeBook& book, std::string_view entry);

// --- The opening-balance item of a new cheque book ---------------------------------------------

// Today's date, cheque number 0, "Opening Balance", code "OPEN"; a balance below zero gives a
// cleared withdrawal of its magnitude, anything else a cleared deposit.
Item openingBalanceItem(runtime::OleDate today, runtime::Currency startingBalance);

// --- Showing only the budget period ---------------------------------------------------------

enum class PeriodView {
    Period,          // only the period's items are in the register
    EndInPast,       // the period ended before today: everything loaded
    NoItemsInPeriod, // nothing falls inside: everything loaded
};

// Applies the answer Yes to "Show only the current BUDGET PERIOD in main register?": moves the
// register items dated outside the period into itemsOutsideView (keeping their order), unless the
// period's end lies before today or no item falls inside it. Call before sorting.
PeriodView showOnlyBudgetPeriod(ChequeBook& book, runtime::OleDate today);

// The note shown when the period view is refused (lines separated by "\n"); empty for
// PeriodView::Period.
std::string periodViewNote(PeriodView view);

} // namespace ledger
