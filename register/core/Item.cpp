#include "register/core/Item.h"

#include "runtime/Cp1252.h"

#include <algorithm>

namespace ledger {

std::string fitText(std::string_view utf8, std::size_t width) {
    // Going through Windows-1252 makes the width count characters and replaces what the file
    // cannot hold now rather than at the next save.
    std::string bytes = runtime::utf8ToCp1252(utf8);
    bytes.resize(width, ' ');
    return runtime::isAscii(bytes) ? bytes : runtime::cp1252ToUtf8(bytes);
}

std::string trimRight(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

std::size_t textLength(std::string_view utf8) {
    // Continuation bytes do not start a character.
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

Item makeItem(runtime::OleDate date, std::int16_t chequeNumber, std::string_view particulars,
              runtime::Currency signedAmount, std::string_view code, char status) {
    Item item;
    item.depositFlag = signedAmount < runtime::Currency() ? kWithdrawal : kDeposit;
    item.date = date;
    item.chequeNumber = chequeNumber;
    item.particulars = particulars;
    item.amount = signedAmount < runtime::Currency() ? -signedAmount : signedAmount;
    item.code = code;
    item.status = status;
    return item;
}

void toggleCleared(Item& item) {
    switch (item.status) {
    case status::kNotCleared:
        item.status = item.isDeposit() ? status::kClearedDeposit : status::kClearedWithdrawal;
        break;
    case status::kClearedDeposit:
    case status::kClearedWithdrawal:
        item.status = status::kNotCleared;
        break;
    default:
        break;
    }
}

} // namespace ledger
