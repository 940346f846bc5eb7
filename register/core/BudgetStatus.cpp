#include "register/core/BudgetStatus.h"

#include "runtime/Format.h"

namespace ledger {

runtime::Currency periodTotal(std::string_view code, const std::vector<Item>& items,
                              const BudgetPeriod& period) {
    const std::string field = fitText(code, kCodeWidth);
    runtime::Currency total;
    for (const Item& item : items)
        if (item.code == field && period.contains(item.date))
            total = total + item.signedAmount();
    return total;
}

BudgetStatus budgetStatus(std::string_view code, const CodeTable& table, const ChequeBook& book) {
    BudgetStatus status;
    status.code = fitText(code, kCodeWidth);
    if (status.code == std::string(kCodeWidth, ' '))
        return status;
    if (const std::optional<std::size_t> found = table.find(status.code)) {
        status.listed = true;
        status.budgeted = table.at(*found).budgetAmount();
    }
    status.periodToDate = periodTotal(status.code, book.items, book.period) +
                          periodTotal(status.code, book.itemsOutsideView, book.period);
    return status;
}

std::string budgetStatusText(runtime::Currency amount) {
    return runtime::formatCurrency(amount, "$###,##0.00;($###,##0.00)");
}

unsigned budgetStatusColor(runtime::Currency amount) {
    return amount < runtime::Currency() ? kStatusNegativeColor : kStatusPositiveColor;
}

} // namespace ledger
