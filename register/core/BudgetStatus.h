#pragma once

// The budget status of one code: what the code table budgets for it and what the register has
// used of it in the budget period. The entry window shows it; the budget reports sum the same way.

#include "register/core/ChequeBook.h"
#include "register/core/CodeFile.h"
#include "runtime/Currency.h"

#include <string>
#include <string_view>
#include <vector>

namespace ledger {

struct BudgetStatus {
    std::string code;               // the code as a 4-character field
    bool listed = false;            // the code table holds the code
    runtime::Currency budgeted;     // the budget of its first record; zero when not listed
    runtime::Currency periodToDate; // signed amounts of its items dated within the period
};

// The signed amounts (deposits in, withdrawals out) of the items with `code` (compared as a
// 4-character field) whose dates lie within `period`, both ends included.
runtime::Currency periodTotal(std::string_view code, const std::vector<Item>& items,
                              const BudgetPeriod& period);

// The status of `code` in the open book. Items left out of the register view count too: the view
// may have been cut to an earlier period. A code of blanks has no status (both figures zero).
BudgetStatus budgetStatus(std::string_view code, const CodeTable& table, const ChequeBook& book);

// The figures as the panel shows them: "$###,##0.00;($###,##0.00)".
std::string budgetStatusText(runtime::Currency amount);
// Red below zero, blue otherwise (platform RGB values).
inline constexpr unsigned kStatusNegativeColor = 255;
inline constexpr unsigned kStatusPositiveColor = 16711680;
unsigned budgetStatusColor(runtime::Currency amount);

// The code label of the panel for a code the table does not hold.
inline constexpr std::string_view kUnknownCodePlaceholder = "____";

} // namespace ledger
