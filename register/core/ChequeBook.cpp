#include "register/core/ChequeBook.h"

#include "runtime/Cp1252.h"

#include <algorithm>

namespace ledger {

bool BudgetPeriod::contains(runtime::OleDate date) const {
    // Items may carry a time of day; the period is a range of whole days.
    return date >= start && date < end + 1;
}

bool titleTooLong(std::string_view utf8) {
    return textLength(utf8) > kTitleWidth;
}

bool passwordTooLong(std::string_view utf8) {
    return textLength(utf8) > kPasswordWidth;
}

namespace {

// Every character has a Windows-1252 form (none turns into "?" on the way to the file).
bool storableText(std::string_view utf8) {
    return runtime::cp1252ToUtf8(runtime::utf8ToCp1252(utf8)) == utf8;
}

} // namespace

std::string_view passwordEntryProblem(std::string_view utf8) {
    if (passwordTooLong(utf8)) {
        return kPasswordTooLongMessage;
    }
    if (trimRight(utf8).empty()) {
        return {};
    }
    const bool controls =
        std::any_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (controls || !storableText(utf8) || fitText(utf8, kPasswordWidth) == kNoPassword) {
        return kPasswordUnusableMessage;
    }
    return {};
}

std::string storedPassword(std::string_view entry) {
    if (trimRight(entry).empty()) {
        return std::string(kNoPassword);
    }
    return fitText(entry, kPasswordWidth);
}

bool passwordMatches(std::string_view stored, std::string_view entry) {
    if (stored == kNoPassword) {
        return true;
    }
    return !passwordTooLong(entry) && storableText(entry) &&
           fitText(entry, kPasswordWidth) == fitText(stored, kPasswordWidth);
}

bool passwordMatches(const ChequeBook& book, std::string_view entry) {
    return passwordMatches(book.password, entry);
}

Item openingBalanceItem(runtime::OleDate today, runtime::Currency startingBalance) {
    const bool owing = startingBalance < runtime::Currency();
    return makeItem(today, 0, "Opening Balance", startingBalance, "OPEN",
                    owing ? status::kClearedWithdrawal : status::kClearedDeposit);
}

PeriodView showOnlyBudgetPeriod(ChequeBook& book, runtime::OleDate today) {
    if (book.period.end < today) {
        return PeriodView::EndInPast;
    }
    const auto inside = [&](const Item& item) {
        return book.period.contains(item.date);
    };
    if (std::none_of(book.items.begin(), book.items.end(), inside)) {
        return PeriodView::NoItemsInPeriod;
    }
    std::vector<Item> shown;
    for (Item& item : book.items) {
        (inside(item) ? shown : book.itemsOutsideView).push_back(std::move(item));
    }
    book.items = std::move(shown);
    return PeriodView::Period;
}

std::string periodViewNote(PeriodView view) {
    switch (view) {
    case PeriodView::EndInPast:
        return "NOTE: - The end of the BUDGET PERIOD is assumed to be a future date.\n"
               "However the end of the current BUDGET PERIOD is a past date!\n"
               "Loading entire Ledgerine file.";
    case PeriodView::NoItemsInPeriod:
        return "No transactions found in budget period!\nLoading entire Ledgerine file.";
    case PeriodView::Period:
        break;
    }
    return {};
}

} // namespace ledger
