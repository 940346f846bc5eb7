#include "register/core/ItemEntry.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using runtime::Currency;

// --- Cheque numbers and amounts as typed or pasted ------------------------------------------------

struct FilterCase {
    const char* name;
    const char* text;
    const char* kept; // nullptr: the edit is refused
};

class LedgerChequeNumberFilter : public testing::TestWithParam<FilterCase> {};

TEST_P(LedgerChequeNumberFilter, DigitsOnlyWithinSixteenBits) {
    const FilterCase& c = GetParam();
    const std::optional<std::string> kept = ledger::filterChequeNumber(c.text);
    if (c.kept == nullptr)
        EXPECT_FALSE(kept.has_value()) << *kept;
    else
        EXPECT_EQ(kept.value_or("<refused>"), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Rows, LedgerChequeNumberFilter,
                         testing::Values(

                             FilterCase{"PastedWithSigns", "#-101.", "101"},
                             FilterCase{"TypedAfterZeros", "000001", "00001"},
                             FilterCase{"LargestNumber", "32767", "32767"},
                             FilterCase{"Above16Bits", "32768", nullptr},
                             FilterCase{"SixSignificantDigits", "123456", nullptr}),
                         [](const auto& row) { return std::string(row.param.name); });

struct AmountCase {
    const char* name;
    const char* text;
    std::int64_t ticks; // -1: no amount
    const char* shown;
};

class LedgerEntryAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(LedgerEntryAmount, TwoDecimalsAndKeptAsShown) {
    const AmountCase& c = GetParam();
    const std::optional<Currency> amount = ledger::parseEntryAmount(c.text);
    if (c.ticks < 0) {
        EXPECT_FALSE(amount.has_value());
        return;
    }
    ASSERT_TRUE(amount.has_value());
    EXPECT_EQ(amount->ticks(), c.ticks);
    EXPECT_EQ(ledger::entryAmountText(*amount), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerEntryAmount,
    testing::Values(AmountCase{"Whole", "12", 120000, "12.00"},
                    AmountCase{"LeadingDollar", "$7.5", 75000, "7.50"},
                    AmountCase{"RoundsHalfUp", "0.125", 1300, "0.13"},
                    AmountCase{"BelowHalfCent", "0.004", 0, "0.00"}, AmountCase{"Empty", "", 0, "0.00"},
                    AmountCase{"LonePoint", ".", 0, "0.00"}, AmountCase{"NoLeadingDigit", ".5", 5000, "0.50"},
                    AmountCase{"Negative", "-5", -1, ""}, AmountCase{"Comma", "1,000", -1, ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerEntryRules, ChangedItemKeepsClearedMarkOfItsFlag) {
    EXPECT_EQ(ledger::statusAfterChange('c', true), 'd');
    EXPECT_EQ(ledger::statusAfterChange('d', false), 'c');
    EXPECT_EQ(ledger::statusAfterChange(' ', true), ' ');
    EXPECT_EQ(ledger::chequeNumberText(7), "00007");
    EXPECT_EQ(ledger::chequeNumberText(32767), "32767");
}

} // namespace

// --- Bad input and bounds -------------------------------------------------------------------------

namespace {

using runtime::Currency;

struct DateCase {
    const char* name;
    const char* typed;
    const char* shown; // nullptr: "Incorrect Date"
};

class LedgerEntryDate : public testing::TestWithParam<DateCase> {};

TEST_P(LedgerEntryDate, AcceptedFrom1980To2099AndRedisplayed) {
    const DateCase& c = GetParam();
    const std::optional<runtime::OleDate> date = ledger::parseEntryDate(c.typed);
    if (c.shown == nullptr) {
        EXPECT_FALSE(date.has_value()) << ledger::entryDateText(*date);
        return;
    }
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(ledger::entryDateText(*date), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerEntryDate,
    testing::Values(
        DateCase{"FirstDay", "01/01/80", "01/01/80"}, DateCase{"DayBefore", "12/31/79", nullptr},
        DateCase{"LastDay", "12/31/2099", "12/31/99"}, DateCase{"DayAfter", "01/01/2100", nullptr},
        DateCase{"TwoDigitNinetyNine", "12/31/99", "12/31/99"}, DateCase{"LeapDay", "02/29/28", "02/29/28"},
        DateCase{"LeapDayOfCommonYear", "02/29/27", nullptr}, DateCase{"February30", "02/30/97", nullptr},
        DateCase{"MonthThirteen", "13/01/26", nullptr}, DateCase{"MonthZero", "00/10/26", nullptr},
        DateCase{"DayZero", "12/00/26", nullptr}, DateCase{"Words", "yesterday", nullptr},
        DateCase{"Empty", "", nullptr}, DateCase{"PastedWithLineBreak", "12/01/26\r\n", "12/01/26"},
        DateCase{"SurroundingBlanks", " 12/01/26 ", "12/01/26"},
        DateCase{"BlanksInside", "12/ 01/26", nullptr}, DateCase{"HugeYear", "01/01/99999999999", nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

struct DayCase {
    const char* name;
    const char* typed;
    int day; // 0: "Day of month in error!"
};

class LedgerDayOfMonth : public testing::TestWithParam<DayCase> {};

TEST_P(LedgerDayOfMonth, OneToThirtyOne) {
    const DayCase& c = GetParam();
    EXPECT_EQ(ledger::parseDayOfMonth(c.typed).value_or(0), c.day);
}

INSTANTIATE_TEST_SUITE_P(Rows, LedgerDayOfMonth,
                         testing::Values(DayCase{"Zero", "0", 0}, DayCase{"ThirtyTwo", "32", 0},
                                         DayCase{"ThirtyOne", "31", 31}, DayCase{"One", "1", 1},
                                         DayCase{"LeadingZero", "01", 1}, DayCase{"Blanks", " 7 ", 7},
                                         DayCase{"PastedWithLineBreak", "7\n", 7},
                                         DayCase{"Negative", "-1", 0}, DayCase{"Fraction", "1.5", 0},
                                         DayCase{"Empty", "", 0}, DayCase{"ThreeDigits", "100", 0},
                                         DayCase{"ADate", "12/01/26", 0}),
                         [](const auto& row) { return std::string(row.param.name); });

struct TextCase {
    const char* name;
    const char* typed; // UTF-8
    const char* kept;
};

class LedgerEntryText : public testing::TestWithParam<TextCase> {};

TEST_P(LedgerEntryText, OneLineOfStorableCharacters) {
    const TextCase& c = GetParam();
    EXPECT_EQ(ledger::filterEntryText(c.typed).value_or("<refused>"), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Rows, LedgerEntryText,
                         testing::Values(TextCase{"Plain", "Corner Grocer", "Corner Grocer"},
                                         TextCase{"WindowsLines", "Rent\r\nMay", "Rent May"},
                                         TextCase{"BlankLinesBetween", "Rent\n\n\nMay\n", "Rent May "},
                                         TextCase{"TabWouldSplitTheLine", "Rent\tMay", "Rent May"},
                                         TextCase{"BellAndDelete",
                                                  "A\aB\x7F"
                                                  "C",
                                                  "A B C"},
                                         TextCase{"C1NextLine",
                                                  "A\xC2\x85"
                                                  "B",
                                                  "A B"},
                                         TextCase{"EuroAndAccentsKept",
                                                  "Caf\xC3\xA9 \xE2\x82\xAC"
                                                  "5",
                                                  "Caf\xC3\xA9 \xE2\x82\xAC"
                                                  "5"},
                                         TextCase{"PolishLettersBecomeQuestionMarks",
                                                  "\xC5\x81\xC3\xB3"
                                                  "d\xC5\xBA",
                                                  "?\xC3\xB3"
                                                  "d?"},
                                         TextCase{"EmojiIsOneQuestionMark", "Gift \xF0\x9F\x8E\x81",
                                                  "Gift ?"},
                                         TextCase{"CutLeadByte",
                                                  "A\xC2"
                                                  "B",
                                                  "A?B"},
                                         TextCase{"BrokenUtf8",
                                                  "A\xFF"
                                                  "B",
                                                  "A?B"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerEntryRules, LargestAmountsNeverOverflowWhenRounded) {
    const Currency largest = Currency::fromTicks(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(ledger::entryAmountText(largest), "922337203685477.58");
    EXPECT_EQ(ledger::entryAmountText(Currency::fromTicks(std::numeric_limits<std::int64_t>::min())),
              "-922337203685477.58");
    EXPECT_EQ(ledger::parseEntryAmount("922337203685477.5807")->ticks(), 9223372036854775800);
    EXPECT_EQ(ledger::parseEntryAmount("922337203685477.58")->ticks(), 9223372036854775800);
    EXPECT_FALSE(ledger::parseEntryAmount("922337203685477.5808").has_value());
    EXPECT_FALSE(ledger::parseEntryAmount("99999999999999999999").has_value());
    // Ten whole digits is what the box takes; an eleventh is refused.
    EXPECT_EQ(ledger::filterAmount("9999999999.999").value_or("<refused>"), "9999999999.999");
    EXPECT_FALSE(ledger::filterAmount("99999999999").has_value());
}

TEST(LedgerEntryRules, StartingBalanceKeepsWhatTheBoxShows) {
    // A new book's starting balance goes through the same rounding as a typed amount.
    const auto cents = [](const char* text) { return ledger::roundToCents(*Currency::parse(text)).ticks(); };
    constexpr std::int64_t kMinTicks = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(cents("12.345"), 123500);
    EXPECT_EQ(cents("-12.345"), -123500);
    EXPECT_EQ(cents("12.3449"), 123400);
    EXPECT_EQ(cents("-0.004"), 0);
    // The most negative amount rounds to the whole cent above it, which is still in range.
    EXPECT_EQ(ledger::roundToCents(Currency::fromTicks(kMinTicks)).ticks(), kMinTicks + 8);
}

} // namespace
