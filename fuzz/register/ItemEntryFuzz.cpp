// Whatever is typed or pasted into the entry window's boxes: the checks and filters must never
// crash, and what they accept must be what the register then stores and shows again.
#include "register/core/ItemEntry.h"
#include "runtime/OleDate.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto date = ledger::parseEntryDate(text)) {
        // Inside the register's range, and the box's own text reads back as the same day where
        // two year digits can say it (the window keeps the date it checked for the years beyond).
        check(*date >= runtime::kRegisterMinDate && *date <= runtime::kRegisterMaxDate);
        const std::string shown = ledger::entryDateText(*date);
        check(shown.size() == 8);
        if (runtime::civilFromOle(*date).year < 2030)
            check(ledger::parseEntryDate(shown) == date);
    }

    if (const auto day = ledger::parseDayOfMonth(text))
        check(*day >= 1 && *day <= 31);

    if (const auto digits = ledger::filterChequeNumber(text)) {
        check(digits->size() <= 5 && digits->find_first_not_of("0123456789") == std::string::npos);
        const int number = ledger::chequeNumberValue(*digits);
        check(number >= 0 && number <= ledger::kMaxChequeNumber);
        check(ledger::chequeNumberValue(ledger::chequeNumberText(number)) == number);
    }

    if (const auto kept = ledger::filterAmount(text)) {
        // A filtered box holds digits and at most one point; finishing it always gives an amount.
        check(kept->find_first_not_of("0123456789.") == std::string::npos);
        check(kept->find('.') == kept->rfind('.'));
        check(ledger::parseEntryAmount(*kept).has_value());
    }

    if (const auto amount = ledger::parseEntryAmount(text)) {
        // Whole cents (or an extreme kept as it was), never negative, and the text shown for it
        // reads back as the same amount.
        check(amount->ticks() >= 0);
        const auto again = ledger::parseEntryAmount(ledger::entryAmountText(*amount));
        check(again && *again == ledger::roundToCents(*amount));
    }

    if (const auto line = ledger::filterEntryText(text)) {
        // One line, no control characters, and filtering again changes nothing.
        for (const char c : *line)
            check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        check(ledger::filterEntryText(*line) == line);
    }
    return 0;
}
