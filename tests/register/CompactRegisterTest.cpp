// The register held as fixed-width records and sorted through a table of keys: the order must be
// exactly that of the Shell sort exchanging whole records, and the text fields must read back as
// the file would give them.
#include "register/ExchangingShellSort.h"
#include "register/ItemBuilder.h"
#include "register/core/RegisterList.h"
#include "register/core/RegisterOps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using ledger::Item;
using ledger::SortOrder;

struct RandomRegister {
    const char* name;
    std::size_t count;
    SortOrder order;
    std::vector<double> dates;      // drawn from these
    std::vector<const char*> codes; // drawn from these
};

class LedgerSortEquivalence : public testing::TestWithParam<RandomRegister> {};

TEST_P(LedgerSortEquivalence, SameOrderAsExchangingWholeRecords) {
    const RandomRegister& c = GetParam();
    std::mt19937 random(static_cast<unsigned>(c.count) * 7919u + static_cast<unsigned>(c.order));
    for (int round = 0; round < 5; ++round) {
        std::vector<Item> items;
        for (std::size_t i = 0; i < c.count; ++i) {
            // The cheque number names the record, so equal keys can be told apart.
            items.push_back(booktest::item(1, c.dates[random() % c.dates.size()],
                                           static_cast<std::int16_t>(i), "x", 100,
                                           c.codes[random() % c.codes.size()]));
        }
        std::vector<Item> expected = items;
        exchangingShellSort(expected, c.order == SortOrder::Code);

        const std::vector<std::uint32_t> order = ledger::shellSortOrder(items, c.order);
        std::vector<Item> sorted = items;
        ledger::shellSort(sorted, c.order);
        ASSERT_EQ(order.size(), items.size());
        for (std::size_t k = 0; k < items.size(); ++k) {
            ASSERT_EQ(sorted[k].chequeNumber, expected[k].chequeNumber) << "round " << round << " line " << k;
            ASSERT_EQ(items[order[k]].chequeNumber, expected[k].chequeNumber)
                << "round " << round << " line " << k;
        }
    }
}

const std::vector<double> kFewDays = {46235, 46236, 46237};
const std::vector<double> kManyDays = [] {
    std::vector<double> d;
    for (int i = 0; i < 400; ++i)
        d.push_back(36526 + i * 3);
    return d;
}();
const std::vector<const char*> kBlankCode = {""};

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerSortEquivalence,
    testing::Values(
        RandomRegister{"TwoItems", 2, SortOrder::Date, kFewDays, kBlankCode},
        RandomRegister{"ThreeItemsOneGap", 3, SortOrder::Date, kFewDays, kBlankCode},
        RandomRegister{"FewDatesManyTies", 1000, SortOrder::Date, kFewDays, kBlankCode},
        RandomRegister{"ManyDates", 5000, SortOrder::Date, kManyDays, kBlankCode},
        // Before 1899 the dates are negative; the key table starts from the earliest.
        RandomRegister{
            "DatesAroundDayZero", 777, SortOrder::Date, {-2, -1, 0, 1, -657434, 2958465}, kBlankCode},
        // Times of day keep the dates themselves as keys.
        RandomRegister{"TimesOfDay", 1024, SortOrder::Date, {46235.25, 46235.75, 46235, 46236.5}, kBlankCode},
        RandomRegister{
            "FewCodesManyTies", 1000, SortOrder::Code, kFewDays, {"RENT", "GROC", "SAL", "", "rent"}},
        // Text order: "Z" < "a" < "É" (U+00C9) < "Š" (U+0160) < "€" (U+20AC), though the file holds
        // "€" as 0x80 and "Š" as 0x8A, below "É" at 0xC9.
        RandomRegister{"CodesBeyondAscii",
                       3000,
                       SortOrder::Code,
                       kFewDays,
                       {"Z", "a", "\xC3\x89T", "\xC5\xA0", "\xE2\x82\xAC",
                        "\xE2\x82\xAC"
                        "A",
                        " A", "A ", "~"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerSortEquivalence, ListingInSortedOrderMatchesListingOfTheSortedRegister) {
    std::mt19937 random(11);
    std::vector<Item> items;
    for (int i = 0; i < 3000; ++i) {
        items.push_back(booktest::item(random() % 2 ? 1 : -1, kManyDays[random() % kManyDays.size()], 0,
                                       "Caf\xC3\xA9 " + std::to_string(i), random() % 5'000'000, "GROC"));
    }
    std::vector<Item> sorted = items;
    ledger::shellSort(sorted, SortOrder::Date);
    std::string fromSorted;
    std::string fromOrder;
    ASSERT_TRUE(ledger::writeRegisterLines(sorted, [&](std::string_view t) {
        fromSorted += t;
        return true;
    }));
    ASSERT_TRUE(ledger::writeRegisterLines(items, ledger::shellSortOrder(items, SortOrder::Date),
                                           [&](std::string_view t) {
                                               fromOrder += t;
                                               return true;
                                           }));
    EXPECT_EQ(fromOrder, fromSorted);
    // One line per item, numbered from 1 in the sorted order.
    EXPECT_EQ(static_cast<std::size_t>(std::count(fromOrder.begin(), fromOrder.end(), '\n')), items.size());
    EXPECT_EQ(fromOrder.substr(0, 4), std::string(1, sorted[0].status) + "\t1\t");
}

// --- Fields held at their width ----------------------------------------------------------------

struct FieldCase {
    const char* name;
    std::string assigned; // UTF-8 given to the code field
    std::string held;     // UTF-8 read back, full width
    std::string bytes;    // Windows-1252 bytes held
};

class LedgerFixedField : public testing::TestWithParam<FieldCase> {};

TEST_P(LedgerFixedField, HoldsWhatTheFileWillHold) {
    const FieldCase& c = GetParam();
    Item item;
    item.code = c.assigned;
    EXPECT_EQ(item.code.str(), c.held);
    EXPECT_TRUE(item.code == c.held);
    EXPECT_EQ(std::string(item.code.bytes()), c.bytes);
    // A register line shows the field as held.
    const std::string line = ledger::registerLine(item, 0, {});
    const std::size_t last = line.rfind('\t');
    const std::size_t before = line.rfind('\t', last - 1);
    EXPECT_EQ(line.substr(before + 1, last - before - 1), c.held);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerFixedField,
    testing::Values(FieldCase{"ShortIsPadded", "AB", "AB  ", "AB  "},
                    FieldCase{"FullWidth", "RENT", "RENT", "RENT"},
                    FieldCase{"CutAfterFourCharacters", "UTILITIES", "UTIL", "UTIL"},
                    FieldCase{"AccentsCountAsOneCharacter", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
                              "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "\xE9\xE9\xE9\xE9"},
                    FieldCase{"EuroAndCaron", "\xE2\x82\xAC\xC5\xA0", "\xE2\x82\xAC\xC5\xA0  ", "\x80\x8A  "},
                    FieldCase{"NoWindowsFormIsQuestionMark", "\xCE\xA9\xF0\x9F\x98\x80X", "??X ", "??X "},
                    FieldCase{"MalformedIsQuestionMark", "A\xC3", "A?  ", "A?  "},
                    FieldCase{"ControlsAreBlanks",
                              "\tA\x7F"
                              "B",
                              " A B", " A B"},
                    FieldCase{"UnassignedFormsAreBlanks", "\xC2\x81Z", " Z  ", " Z  "}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerFixedField, SearchTextWithoutAWindowsFormFindsNothing) {
    // The field holds "?" for the character; searching for that character must not find the "?".
    const std::vector<Item> items = {booktest::item(1, 1, 0, "Tea \xE6\x97\xA5", 1, ""),
                                     booktest::item(1, 1, 0, "Caf\xC3\xA9", 1, "")};
    EXPECT_EQ(ledger::findParticulars(items, "\xE6\x97\xA5", 0), std::nullopt);
    EXPECT_EQ(ledger::findParticulars(items, "?", 0), std::optional<std::size_t>(0));
    EXPECT_EQ(ledger::findParticulars(items, "f\xC3\xA9", 0), std::optional<std::size_t>(1));
}

} // namespace
