#include "register/core/AutoDuplicate.h"

#include "register/core/RegisterOps.h"
#include "runtime/Format.h"

#include <cmath>

namespace ledger {

int autoDupDay(const Item& item) {
    if (!std::isfinite(item.date) || item.date < 0 || item.date > 99)
        return 0;
    return static_cast<int>(std::lround(item.date));
}

AutoDupCheck checkAutoDuplicates(ChequeBook& book, int today) {
    AutoDupCheck check;
    check.today = today;
    check.newMonth = book.lastAutoDupDay > today;
    book.lastAutoDupDay = today;

    for (Item& item : book.autoDupItems) {
        if (item.status == status::kAutoWaiting && (check.newMonth || autoDupDay(item) <= today)) {
            item.status = status::kAutoDue;
            ++check.due;
        }
    }
    if (check.newMonth) {
        // Last month's processed items wait again; those whose day has come are due now.
        book.lastAutoDupDay = 1;
        for (Item& item : book.autoDupItems) {
            if (item.status == status::kAutoDue)
                continue;
            item.status = status::kAutoWaiting;
            if (autoDupDay(item) <= today) {
                item.status = status::kAutoDue;
                ++check.due;
            }
        }
    }
    return check;
}

void cancelAutoDupProcessing(ChequeBook& book, const AutoDupCheck& check) {
    if (!check.newMonth)
        return;
    for (Item& item : book.autoDupItems)
        item.status = status::kAutoWaiting;
}

std::string autoDupDueText(int due) {
    return "There are " + runtime::formatNumber(due, "##0") + " Auto-Duplicate Items to be processed.";
}

std::optional<runtime::OleDate> autoDupDate(int year, int month, int day) {
    if (month == 2 && day > 28)
        day = 28;
    return runtime::makeDate(year, month, day);
}

Item registerItemFrom(const Item& autoDup, runtime::OleDate date) {
    Item item = autoDup;
    item.date = date;
    item.status = status::kNotCleared;
    return item;
}

namespace {

// Dates the copy in (year, month); a day that month lacks gives today's date.
ProcessResult copyIntoRegister(ChequeBook& book, const Item& autoDup, int year, int month,
                               runtime::OleDate today) {
    const std::optional<runtime::OleDate> date = autoDupDate(year, month, autoDupDay(autoDup));
    book.items.push_back(registerItemFrom(autoDup, date.value_or(today)));
    return date ? ProcessResult::Processed : ProcessResult::ProcessedOnToday;
}

} // namespace

namespace {

// A due item of a new month whose day is still to come: last month's, never processed.
bool dueFromLastMonth(const Item& autoDup, const AutoDupCheck& check) {
    return autoDup.status == status::kAutoDue && check.newMonth && autoDupDay(autoDup) > check.today;
}

} // namespace

ProcessResult processAutoDup(ChequeBook& book, std::size_t index, runtime::OleDate today,
                             const AutoDupCheck* check) {
    Item& autoDup = book.autoDupItems.at(index);
    if (autoDup.status == status::kAutoProcessed)
        return ProcessResult::AlreadyProcessed;
    if (!amountsFit(book, autoDup.amount))
        return ProcessResult::TooLarge;
    const runtime::CivilDate now = runtime::civilFromOle(today);
    if (check && dueFromLastMonth(autoDup, *check)) {
        const ProcessResult result = copyIntoRegister(book, autoDup, now.month == 1 ? now.year - 1 : now.year,
                                                      now.month == 1 ? 12 : now.month - 1, today);
        autoDup.status = status::kAutoWaiting;
        return result;
    }
    const ProcessResult result = copyIntoRegister(book, autoDup, now.year, now.month, today);
    autoDup.status = status::kAutoProcessed;
    return result;
}

std::vector<ProcessResult> processAllDue(ChequeBook& book, const AutoDupCheck& check,
                                         runtime::OleDate today) {
    std::vector<ProcessResult> results;
    const runtime::CivilDate now = runtime::civilFromOle(today);
    const int previousMonth = now.month == 1 ? 12 : now.month - 1;
    const int previousYear = now.month == 1 ? now.year - 1 : now.year;
    for (Item& autoDup : book.autoDupItems) {
        if (autoDup.status != status::kAutoDue)
            continue;
        if (!amountsFit(book, autoDup.amount)) {
            results.push_back(ProcessResult::TooLarge); // stays due, for the frame
            continue;
        }
        if (dueFromLastMonth(autoDup, check)) {
            results.push_back(copyIntoRegister(book, autoDup, previousYear, previousMonth, today));
            autoDup.status = status::kAutoWaiting;
        } else {
            results.push_back(copyIntoRegister(book, autoDup, now.year, now.month, today));
            autoDup.status = status::kAutoProcessed;
        }
    }
    return results;
}

} // namespace ledger
