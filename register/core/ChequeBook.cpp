#include "register/core/ChequeBook.h"

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

std::string storedPassword(std::string_view entry) {
    if (trimRight(entry).empty()) {
        return std::string(kNoPassword);
    }
    return fitText(entry, kPasswordWidth);
}

bool passwordMatches(const ChequeBook& book, std::string_view entry) {
    return !book.hasPassword() || fitText(entry, kPasswordWidth) == fitText(book.password, kPasswordWidth);
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
