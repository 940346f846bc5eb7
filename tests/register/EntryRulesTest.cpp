#include "register/core/ItemEntry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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
