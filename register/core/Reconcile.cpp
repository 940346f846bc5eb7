#include "register/core/Reconcile.h"

#include "runtime/RuntimeError.h"

#include <cstdint>
#include <limits>

namespace ledger {

namespace {

using runtime::Currency;

constexpr std::int64_t kCent = Currency::kTicksPerUnit / 100;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Appends a digit to a non-negative tick count; false when it would leave the range.
bool pushDigit(std::int64_t& value, int digit, std::int64_t scale) {
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    if (value > (max - digit * scale) / 10)
        return false;
    value = value * 10 + digit * scale;
    return true;
}

} // namespace

bool Reconciliation::differenceFound() const {
    return net.ticks() > kCent || net.ticks() < -kCent;
}

std::optional<Reconciliation> reconcile(const ChequeBook& book, Currency statement) {
    Reconciliation r;
    r.statement = statement;
    // The book's amounts all add up within the range (entry refuses any that would not), so only
    // the sums with the statement can overflow.
    for (const std::vector<Item>* table : {&book.items, &book.itemsOutsideView}) {
        for (const Item& item : *table) {
            r.currentBalance += item.signedAmount();
            if (item.status == status::kClearedDeposit || item.status == status::kClearedWithdrawal)
                continue;
            if (item.depositFlag == kDeposit)
                r.deposits += item.amount;
            else
                r.withdrawals += item.amount;
        }
    }
    try {
        r.calculated = statement + r.deposits - r.withdrawals;
        r.net = r.calculated - r.currentBalance;
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
    return r;
}

std::optional<Currency> statementValue(std::string_view text) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    bool negative = false;
    skipBlanks();
    if (i < text.size() && text[i] == '(') {
        negative = true;
        ++i;
        skipBlanks();
    }
    // The sign and the "$" in either order, as the box shows an amount or a person types it.
    for (int pass = 0; pass < 2 && i < text.size(); ++pass) {
        if (text[i] == '-' || text[i] == '+') {
            negative = negative || text[i] == '-';
            ++i;
        } else if (text[i] == '$') {
            ++i;
        }
    }
    std::int64_t ticks = 0;
    // Whole units: a comma between digits is a thousands separator; anything else ends the number.
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            if (!pushDigit(ticks, text[i] - '0', Currency::kTicksPerUnit))
                return std::nullopt;
            anyDigit = true;
        } else if (!(text[i] == ',' && anyDigit && i + 1 < text.size() && isDigit(text[i + 1]))) {
            break;
        }
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        std::int64_t fraction = 0;
        int places = 0;
        bool roundUp = false;
        for (; i < text.size() && isDigit(text[i]); ++i, ++places) {
            if (places < 4)
                fraction = fraction * 10 + (text[i] - '0');
            else if (places == 4)
                roundUp = text[i] >= '5'; // the first digit past the fourth place decides
        }
        for (; places < 4; ++places)
            fraction *= 10;
        if (roundUp)
            ++fraction;
        if (ticks > std::numeric_limits<std::int64_t>::max() - fraction)
            return std::nullopt;
        ticks += fraction;
    }
    return Currency::fromTicks(negative ? -ticks : ticks);
}

std::string reconcileHint(Currency net) {
    if (net.ticks() > 0)
        return "Deposit(s) after statement date not entered\n" + std::string(28, ' ') + "-OR-\n" +
               std::string(15, ' ') + "Withdrawal(s) not cleared";
    if (net.ticks() < 0)
        return "Withdrawal(s) after statement date not entered\n" + std::string(30, ' ') + "-OR-\n" +
               std::string(18, ' ') + "Deposit(s) not cleared";
    return std::string();
}

unsigned signColour(Currency value) {
    return value.ticks() < 0 ? kReconcileRed : kReconcileBlue;
}

unsigned netColour(const Reconciliation& r) {
    if (!r.differenceFound())
        return kReconcileBlue;
    return r.net.ticks() < 0 ? kReconcileMagenta : kReconcileBlack;
}

} // namespace ledger
