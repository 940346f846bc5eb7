#pragma once

// Rules of the item entry window: the five modes, the field checks and filters, the guidance
// line. Everything here is plain text in, plain values out, so the window only shows results.

#include "register/core/Item.h"

#include <optional>
#include <string>
#include <string_view>

namespace ledger {

enum class EntryMode { NewEntry, Change, Duplicate, AddAutoDup, EditAutoDup };

bool isAutoDupMode(EntryMode mode);
std::string_view entryCaption(EntryMode mode);

inline constexpr std::string_view kInputErrorTitle = "Input Error";
inline constexpr std::string_view kIncorrectDateMessage = "Incorrect Date";
inline constexpr std::string_view kDayOfMonthMessage = "Day of month in error!";

// A typed date the register accepts: a real date from 01/01/80 to 12/31/2099.
std::optional<runtime::OleDate> parseEntryDate(std::string_view text);
// "mm/dd/yy", as the date box shows a date.
std::string entryDateText(runtime::OleDate date);
// A day of the month for an auto-duplicate item: 1 to 31.
std::optional<int> parseDayOfMonth(std::string_view text);

// Cheque numbers are 16-bit and shown as "00000".
inline constexpr int kMaxChequeNumber = 32767;
// The cheque-number box after an edit: the digits only. Zeros in front give way when the box
// would exceed five digits (typing after "00000"); nullopt refuses the edit (more than five
// significant digits or a number above 32767).
std::optional<std::string> filterChequeNumber(std::string_view text);
int chequeNumberValue(std::string_view digits);
std::string chequeNumberText(int number); // "00000"

// Amounts are typed as digits and one "."; anything else, a leading "$" included, is dropped.
// nullopt refuses an edit with more than ten digits before the point.
inline constexpr std::size_t kMaxAmountWholeDigits = 10;
std::optional<std::string> filterAmount(std::string_view text);
// The amount a finished box holds: a leading "$" dropped, rounded to cents; an empty box is
// zero. nullopt for text that is no amount.
std::optional<runtime::Currency> parseEntryAmount(std::string_view text);
// What a box showing two decimals holds: rounded half away from zero to whole cents.
runtime::Currency roundToCents(runtime::Currency amount);
// Two decimals, no grouping, so that the text reads back as the same amount.
std::string entryAmountText(runtime::Currency amount);

// Particulars and codes as typed or pasted: line breaks (a run of CR and LF counts as one) and
// other control characters become blanks, since a tab would split the register line into the
// wrong columns; a character the cheque-book file cannot hold (no Windows-1252 form) shows as
// "?" at once, as it will be stored. Never refuses.
std::optional<std::string> filterEntryText(std::string_view utf8);

// The status a changed item keeps: a cleared item stays cleared, with the letter of its
// (possibly changed) deposit flag.
char statusAfterChange(char oldStatus, bool deposit);

// --- Guidance line ------------------------------------------------------------------------------

enum class EntryField { Date, ChequeNumber, Particulars, Code, DepositOptions, Amount, SelectCode, Save };

// The guidance text a field shows when it receives the focus.
std::string_view fieldGuidance(EntryField field, EntryMode mode, bool chequeNumberPresent,
                               bool codeFileLoaded);
inline constexpr std::string_view kAmountTypingGuidance = "Press Tab to Complete Transaction Amount!";
std::string_view amountCompletedGuidance(EntryMode mode);
inline constexpr std::string_view kCodeSelectionNotAvailable = "Code Selection Not Available";

// --- Save ---------------------------------------------------------------------------------------

inline constexpr std::string_view kNoChangesTitle = "Cheque Book Changes";
inline constexpr std::string_view kNoChangesMessage = "No changes to transaction! Continue or Cancel?";
inline constexpr std::string_view kZeroAmountTitle = "Zero Amount";
inline constexpr std::string_view kZeroAmountQuestion =
    "Zero amount entered!\nYes to return to Amount entry box.\nNo to Save.";
inline constexpr std::string_view kContinueNewEntries = "Continue with New Entries?";
inline constexpr std::string_view kNoBudgetInformation = "No Budget Information Available!";
// The register's amounts must add up within the currency range (about 922 trillion).
inline constexpr std::string_view kAmountTooLarge = "Amount too large for the register's balance!";

} // namespace ledger
