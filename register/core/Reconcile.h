#pragma once

#include "register/core/ChequeBook.h"
#include "runtime/Currency.h"

#include <optional>
#include <string>
#include <string_view>

namespace ledger {

// Titles and texts of the reconciliation.
inline constexpr std::string_view kReconcileGuardTitle = "Reconcile Bank Book";
inline constexpr std::string_view kReconcileTitle = "Cheque Book Reconciliation";
inline constexpr std::string_view kClearedAllQuestion =
    "Have you cleared all the transactions on the Bank Statement";
inline constexpr std::string_view kZeroStatementQuestion =
    "Final Balance is Zero!\nContinue with reconciliation?";
inline constexpr std::string_view kNetNotZeroMessage =
    "Net Difference is not zero - Check the status of all transactions and rerun reconciliation (if "
    "neccessary).";
// A statement balance whose sums would leave the currency range.
inline constexpr std::string_view kStatementTooLargeMessage =
    "The statement balance is too large to reconcile!\nPlease reenter.";

// Display patterns of the reconciliation figures.
inline constexpr std::string_view kReconcileAmountPattern = "$###,##0.00 "; // balance, deposits, withdrawals
inline constexpr std::string_view kStatementPattern = "$###,###,##0.00;($###,###,##0.00)";
inline constexpr std::string_view kCalculatedPattern = "$##,###,##0.00 ";
inline constexpr std::string_view kNetPattern = "$###,##0.00;($###,##0.00) ";
inline constexpr std::string_view kEmptyStatementPattern = "###,##0.00"; // the box when the window opens

// Colours of the figures (platform RGB numbers).
inline constexpr unsigned kReconcileRed = 255;
inline constexpr unsigned kReconcileBlue = 16711680;
inline constexpr unsigned kReconcileMagenta = 16711935;
inline constexpr unsigned kReconcileBlack = 0;

// The figures of one reconciliation against a bank statement. The window shows them and the
// reports print them, so both always agree.
struct Reconciliation {
    runtime::Currency statement;      // final balance of the bank statement
    runtime::Currency currentBalance; // the cheque book's balance
    runtime::Currency deposits;       // deposits not yet cleared
    runtime::Currency withdrawals;    // cheques and withdrawals not yet cleared
    runtime::Currency calculated;     // statement + deposits - withdrawals
    runtime::Currency net;            // calculated - current balance

    // A difference of more than one cent either way is worth announcing.
    bool differenceFound() const;
};

// Reconciles the whole cheque book (every register item, including those a budget-period view
// leaves out: the bank knows nothing of views) against the statement balance. Items marked "c"
// or "d" have reached the bank; every other item is outstanding. nullopt when a statement this
// large would take the sums out of the currency range.
std::optional<Reconciliation> reconcile(const ChequeBook& book, runtime::Currency statement);

// The statement balance as typed or pasted into its box: the leading number, read with "$" and
// thousands separators as the box shows them, negative with a leading "-" or in parentheses
// ("($1,234.50)"); more than four decimals are rounded half away from zero. A text without a
// number is 0. nullopt when the number is beyond the currency range.
std::optional<runtime::Currency> statementValue(std::string_view text);

// The explanation the Hints button gives for a difference (lines separated by "\n"); empty for
// a zero difference.
std::string reconcileHint(runtime::Currency net);

// Red below zero, blue otherwise: the current balance, the statement and the calculated balance.
unsigned signColour(runtime::Currency value);
// The difference: magenta when an announced difference is negative, black when it is positive,
// blue when there is nothing to announce.
unsigned netColour(const Reconciliation& r);

} // namespace ledger
