#include "register/core/ItemEntry.h"

#include "runtime/Cp1252.h"
#include "runtime/Format.h"

#include <cstdint>
#include <limits>

namespace ledger {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks and line breaks around a typed or pasted value: a value copied from elsewhere often
// brings them along.
std::string_view trimBlanks(std::string_view text) {
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Ten-thousandths rounded half away from zero to whole cents, without leaving the 64-bit range.
std::int64_t roundedCents(std::int64_t ticks) {
    const std::int64_t cents = ticks / 100;
    const std::int64_t rest = ticks % 100;
    return rest >= 50 ? cents + 1 : rest <= -50 ? cents - 1 : cents;
}

} // namespace

bool isAutoDupMode(EntryMode mode) {
    return mode == EntryMode::AddAutoDup || mode == EntryMode::EditAutoDup;
}

std::string_view entryCaption(EntryMode mode) {
    switch (mode) {
    case EntryMode::NewEntry:
        return "Ledgerine 95 - New Entry";
    case EntryMode::Change:
        return "Ledgerine 95 - Item Change";
    case EntryMode::Duplicate:
        return "Ledgerine 95 - Duplicated Entry";
    case EntryMode::AddAutoDup:
        return "Ledgerine 95 - Add Auto Duplicate";
    case EntryMode::EditAutoDup:
        return "Ledgerine 95 - Edit Auto Duplicate";
    }
    return {};
}

std::optional<runtime::OleDate> parseEntryDate(std::string_view text) {
    const std::optional<runtime::OleDate> date = runtime::parseTypedDate(trimBlanks(text));
    if (!date || *date < runtime::kRegisterMinDate || *date > runtime::kRegisterMaxDate)
        return std::nullopt;
    return date;
}

std::string entryDateText(runtime::OleDate date) {
    return runtime::formatDate(date, "mm/dd/yy");
}

std::optional<int> parseDayOfMonth(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int day = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        day = day * 10 + (c - '0');
    }
    if (day < 1 || day > 31)
        return std::nullopt;
    return day;
}

std::optional<std::string> filterChequeNumber(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (isDigit(c))
            digits += c;
    }
    std::size_t zeros = 0;
    while (digits.size() - zeros > 5 && digits[zeros] == '0')
        ++zeros;
    digits.erase(0, zeros);
    if (digits.size() > 5 || chequeNumberValue(digits) > kMaxChequeNumber)
        return std::nullopt;
    return digits;
}

int chequeNumberValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        if (!isDigit(c))
            continue;
        value = value * 10 + (c - '0');
        if (value > 99999)
            return 99999 + 1; // beyond any cheque number; keeps the sum from overflowing
    }
    return value;
}

std::string chequeNumberText(int number) {
    std::string text = std::to_string(number < 0 ? 0 : number);
    if (text.size() < 5)
        text.insert(0, 5 - text.size(), '0');
    return text;
}

std::optional<std::string> filterAmount(std::string_view text) {
    std::string kept;
    bool point = false;
    std::size_t whole = 0;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
            kept += c;
        } else if (isDigit(c)) {
            kept += c;
            if (!point && ++whole > kMaxAmountWholeDigits)
                return std::nullopt;
        }
    }
    return kept;
}

std::optional<runtime::Currency> parseEntryAmount(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '$')
        text.remove_prefix(1);
    text = trimBlanks(text);
    if (text.empty() || text == ".")
        return runtime::Currency();
    if (text.front() == '-')
        return std::nullopt; // the option buttons give the sign, never the text
    const std::optional<runtime::Currency> amount = runtime::Currency::parse(text);
    // A sign the reader finds further in ("$-5", "($5)") is refused like a leading "-".
    if (!amount || amount->ticks() < 0)
        return std::nullopt;
    return roundToCents(*amount);
}

runtime::Currency roundToCents(runtime::Currency amount) {
    // The largest amounts have no whole cent above them in range and keep their last digits (the
    // most negative ones round towards zero, so they always have one).
    const std::int64_t cents = roundedCents(amount.ticks());
    if (cents > std::numeric_limits<std::int64_t>::max() / 100)
        return amount;
    return runtime::Currency::fromTicks(cents * 100);
}

std::string entryAmountText(runtime::Currency amount) {
    const std::int64_t ticks = amount.ticks();
    const bool negative = ticks < 0;
    // Magnitudes in unsigned arithmetic: the most negative amount has no positive twin.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(ticks) : static_cast<std::uint64_t>(ticks);
    const std::uint64_t cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    std::string fraction = std::to_string(cents % 100);
    if (fraction.size() < 2)
        fraction.insert(0, 1, '0');
    return (negative ? "-" : "") + std::to_string(cents / 100) + "." + fraction;
}

std::optional<std::string> filterEntryText(std::string_view utf8) {
    std::string oneLine;
    oneLine.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == '\r' || c == '\n') {
            if (i == 0 || (utf8[i - 1] != '\r' && utf8[i - 1] != '\n'))
                oneLine += ' ';
        } else if (c < 0x20 || c == 0x7F) {
            oneLine += ' ';
        } else if (c == 0xC2 && i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xE0) == 0x80) {
            oneLine += ' '; // a C1 control character (U+0080 to U+009F)
            ++i;
        } else {
            oneLine += utf8[i];
        }
    }
    // Through the file's code page and back: what cannot be stored turns into "?" here.
    return runtime::cp1252ToUtf8(runtime::utf8ToCp1252(oneLine));
}

char statusAfterChange(char oldStatus, bool deposit) {
    if (oldStatus == status::kClearedDeposit || oldStatus == status::kClearedWithdrawal)
        return deposit ? status::kClearedDeposit : status::kClearedWithdrawal;
    return oldStatus;
}

std::string_view fieldGuidance(EntryField field, EntryMode mode, bool chequeNumberPresent,
                               bool codeFileLoaded) {
    switch (field) {
    case EntryField::Date:
        return isAutoDupMode(mode) ? "Enter Day of month for Check." : "Enter date as mm/dd/yy";
    case EntryField::ChequeNumber:
        return chequeNumberPresent ? "TO CLEAR - Click on Zero or Press Backspace"
                                   : "If writing a Cheque, Enter number from your cheque book.";
    case EntryField::Particulars:
        return "Enter brief description of transaction";
    case EntryField::Code:
        return codeFileLoaded ? "Press ESC for Code Selection." : kCodeSelectionNotAvailable;
    case EntryField::DepositOptions:
        return "Click Deposit button for deposit, Withdraw for a Check or Cash";
    case EntryField::Amount:
        if (mode == EntryMode::NewEntry)
            return "Enter New Transaction Amount";
        if (mode == EntryMode::Change)
            return "Enter Amount (if changed)";
        return "Enter an Amount or Click on Cancel!";
    case EntryField::SelectCode:
        return "Click on Select Code - or - Press ESC for Code Selection";
    case EntryField::Save:
        return mode == EntryMode::NewEntry ? "Click on Save to Continue New Item Entries - Exit to return."
                                           : "Click on Save to Accept Item and return.";
    }
    return {};
}

std::string_view amountCompletedGuidance(EntryMode mode) {
    return mode == EntryMode::NewEntry ? "Click Save to continue New Entries / Exit to save and close"
                                       : "Select Save or Cancel Entry";
}

} // namespace ledger
