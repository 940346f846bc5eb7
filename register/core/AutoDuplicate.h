#pragma once

// Standing (auto-duplicate) items: the check after a cheque book is opened and the copying of
// an item into the register for the current month.

#include "register/core/ChequeBook.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ledger {

// The day of the month an auto-duplicate item keeps in its date field.
int autoDupDay(const Item& item);

struct AutoDupCheck {
    bool newMonth = false; // the last check was on a later day of the month than today
    int today = 0;         // day of the month of this check
    int due = 0;           // items now carrying status "T"
};

// Marks the items that are due today ("T") and records the check's day in the book. A new month
// makes every waiting item due and sets the processed ones waiting again.
AutoDupCheck checkAutoDuplicates(ChequeBook& book, int today);
// Cancel of the processing offer: in a new month every item waits again ("A"); otherwise the
// due items stay due for the frame.
void cancelAutoDupProcessing(ChequeBook& book, const AutoDupCheck& check);

// "There are <n> Auto-Duplicate Items to be processed."
std::string autoDupDueText(int due);
inline constexpr std::string_view kAlreadyProcessedMessage =
    "Selected item has already been processed for this time period!";
inline constexpr std::string_view kInvalidDateMessage = "Invalid Date - Current date assumed";

// The date an item with day `day` gets in the given month: in February a day above 28 is taken
// as 28; nullopt when the day still does not exist (31 in a 30-day month).
std::optional<runtime::OleDate> autoDupDate(int year, int month, int day);

enum class ProcessResult {
    Processed,
    ProcessedOnToday, // the day does not exist this month: dated today instead
    AlreadyProcessed, // status "P": nothing done
    TooLarge,         // the register's amounts would leave the currency range: nothing done
};

// Copies auto-duplicate item `index` into the register for today's month (not re-sorted) and
// marks it processed. Given the check that made it due, an item still due from the previous
// month is treated as ALL treats it: dated in that month and left waiting for this month's day.
ProcessResult processAutoDup(ChequeBook& book, std::size_t index, runtime::OleDate today,
                             const AutoDupCheck* check = nullptr);

// ALL of the processing offer: every due item is copied (not re-sorted). In a new month an item
// whose day lies after today's belongs to the previous month: it is dated there and waits again.
// Returns one result per processed item, in table order.
std::vector<ProcessResult> processAllDue(ChequeBook& book, const AutoDupCheck& check, runtime::OleDate today);

// The register item an auto-duplicate item becomes on `date`: not cleared.
Item registerItemFrom(const Item& autoDup, runtime::OleDate date);

} // namespace ledger
