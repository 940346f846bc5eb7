#pragma once

// Items for core tests, with every field given and the text brought to its stored width.

#include "register/core/Item.h"

#include <cstdint>
#include <string_view>

namespace booktest {

inline ledger::Item item(std::int16_t flag, double date, std::int16_t cheque, std::string_view particulars,
                         std::int64_t ticks, std::string_view code, char status = ' ') {
    ledger::Item i;
    i.depositFlag = flag;
    i.date = date;
    i.chequeNumber = cheque;
    i.particulars = ledger::fitText(particulars, ledger::kParticularsWidth);
    i.amount = runtime::Currency::fromTicks(ticks);
    i.code = ledger::fitText(code, ledger::kCodeWidth);
    i.status = status;
    return i;
}

} // namespace booktest
