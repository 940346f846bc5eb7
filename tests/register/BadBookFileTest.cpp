#include "register/BookBytes.h"
#include "register/core/ChequeBookFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <unistd.h>

namespace {

using booktest::Rec;
using ledger::ReadError;

constexpr double kAug1 = 46235.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string good(double date = kAug1) {
    return booktest::itemRecord(-1, date, 101, "Rent", 14'500'000, "RENT", 'c');
}

std::string garbage(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t x = 12345;
    for (char& c : bytes) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return bytes;
}

struct BadFile {
    const char* name;
    std::string bytes;
    ReadError error;
    const char* message; // nullptr: any clear text will do
};

class LedgerBadBookFile : public testing::TestWithParam<BadFile> {};

TEST_P(LedgerBadBookFile, IsRefusedWholeWithAClearMessage) {
    const BadFile& bad = GetParam();
    const ledger::ReadResult read = ledger::decodeChequeBook(bad.bytes);
    EXPECT_EQ(read.error, bad.error) << read.errorMessage;
    EXPECT_FALSE(read.errorMessage.empty());
    if (bad.message) {
        EXPECT_EQ(read.errorMessage, bad.message);
    }
    EXPECT_TRUE(read.contents.items.empty());
    EXPECT_TRUE(read.contents.autoDupItems.empty());
    EXPECT_TRUE(read.contents.messages.empty());
}

const std::string kValid = booktest::bookBytes(good() + good());

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerBadBookFile,
    testing::Values(
        BadFile{"Empty", "", ReadError::Empty, "Invalid File Contains no records!"},
        BadFile{"OneRecord", booktest::trailerRecord("T", "5827", 'D', 0), ReadError::TooShort, nullptr},
        BadFile{"ThreeRecords", kValid.substr(kValid.size() - 150), ReadError::TooShort, nullptr},
        BadFile{"OneByteShort", kValid.substr(0, kValid.size() - 1), ReadError::BadLength, nullptr},
        BadFile{"OneByteOver", kValid + "x", ReadError::BadLength, nullptr},
        BadFile{"RandomBytes", garbage(5000), ReadError::Damaged, nullptr},
        BadFile{"TextFile", std::string(200, 'a'), ReadError::Damaged, nullptr},
        BadFile{"MostRecordsOfUnknownKinds",
                booktest::bookBytes(good() + booktest::itemRecord(1, kAug1, 0, "W", 1, "W", 'w') +
                                    booktest::itemRecord(1, kAug1, 0, "X", 1, "X", 'x') +
                                    booktest::itemRecord(1, kAug1, 0, "Y", 1, "Y", 'y') +
                                    booktest::itemRecord(1, kAug1, 0, "Z", 1, "Z", 'z')),
                ReadError::Damaged,
                "Invalid File! Most of its records are not Ledgerine records. Nothing was loaded."}),
    [](const auto& row) { return std::string(row.param.name); });

// One odd record: the rest of the book loads, the record is named and said to be lost at the next
// Save, and text is repaired the way typing repairs it.
struct OddFile {
    const char* name;
    std::string records; // the items before the period, link and trailer records
    std::size_t items;   // register and auto-duplicate items loaded
    std::vector<std::string> messages;
};

class LedgerOddRecord : public testing::TestWithParam<OddFile> {};

TEST_P(LedgerOddRecord, LoadsTheRestAndNamesTheRecord) {
    const OddFile& odd = GetParam();
    const ledger::ReadResult read = ledger::decodeChequeBook(booktest::bookBytes(odd.records));
    ASSERT_TRUE(read.ok()) << read.errorMessage;
    EXPECT_EQ(read.contents.items.size() + read.contents.autoDupItems.size(), odd.items);
    EXPECT_EQ(read.contents.messages, odd.messages);
}

constexpr std::int64_t kHalfMax = std::numeric_limits<std::int64_t>::max() / 2 + 1;
const std::string kLost = " and cannot be read as an item. It is left out, and will not be saved again.";

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerOddRecord,
    testing::Values(
        OddFile{"NaNDate", good() + good(kNaN) + good(), 2, {"Record 2 holds an impossible date" + kLost}},
        OddFile{"DateAfterYear9999", good(2958466.0) + good() + good(), 2,
                {"Record 1 holds an impossible date" + kLost}},
        OddFile{"DepositFlagZero", good() + booktest::itemRecord(0, kAug1, 0, "Rent", 1, "RENT", ' ') + good(), 2,
                {"Record 2 holds an invalid deposit flag" + kLost}},
        OddFile{"NegativeAmount", good() + good() + booktest::itemRecord(1, kAug1, 0, "Rent", -1, "RENT", 'd'), 2,
                {"Record 3 holds a negative amount" + kLost}},
        OddFile{"AutoDupWithNaNDate", good() + good() + booktest::itemRecord(1, kNaN, 0, "Pay", 1, "SAL", 'A'), 2,
                {"Record 3 holds an impossible date" + kLost}},
        OddFile{"AmountsTooLargeToAdd",
                booktest::itemRecord(1, kAug1, 0, "A", kHalfMax, "X", 'd') + good() +
                    booktest::itemRecord(1, kAug1, 0, "B", kHalfMax, "X", 'd'),
                2, {"Record 3 holds an amount too large to add to the others" + kLost}},
        OddFile{"UnknownLetterKeepsItsOwnMessage", good() + good() + booktest::itemRecord(-1, kAug1, 101, "Rent", 1, "RENT", '?'), 2,
                {"Invalid record type.  Not Processed!"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerOddRecord, TextIsRepairedAsTypingRepairsIt) {
    // Tab, DEL and the five bytes Windows-1252 leaves unassigned become blanks; "\xe9" stays é.
    const std::string bytes = booktest::itemRecord(1, kAug1, 0, "Caf\xe9\tMay\x81\x9d", 1, "R\x01T", 'd') +
                              booktest::periodRecord(29221.0, 'S') + booktest::periodRecord(73050.0, 'E') +
                              booktest::linkRecord("codes\x8f.csv") +
                              booktest::trailerRecord("Home\x7f\x90" "Book", "ab\tc", 'D', 40);
    const ledger::ReadResult read = ledger::decodeChequeBook(bytes);
    ASSERT_TRUE(read.ok()) << read.errorMessage;
    ASSERT_EQ(read.contents.items.size(), 1u);
    EXPECT_EQ(read.contents.items[0].particulars, "Caf\xc3\xa9 May                 ");
    EXPECT_EQ(read.contents.items[0].code, "R T ");
    EXPECT_EQ(read.contents.codeFileLink, "codes .csv");
    EXPECT_EQ(read.contents.title, "Home  Book");
    EXPECT_EQ(read.contents.password, "ab c");
    EXPECT_EQ(read.contents.lastAutoDupDay, 0); // 40 is no day: as if never checked
    EXPECT_TRUE(read.contents.messages.empty());
}

TEST(LedgerBadBookFile, ValidNeighbourOfTheRowsLoads) {
    // The rows above differ from this file in one field each.
    const ledger::ReadResult read = ledger::decodeChequeBook(kValid);
    ASSERT_TRUE(read.ok()) << read.errorMessage;
    EXPECT_EQ(read.contents.items.size(), 2u);
}

TEST(LedgerBadBookFile, HugeFileIsRefusedBeforeItIsRead) {
    const auto path =
        std::filesystem::temp_directory_path() / ("ledgercore-huge-" + std::to_string(::getpid()) + ".lgn");
    { std::ofstream(path, std::ios::binary) << kValid; }
    // Sparse: takes no disk space, and would take 100 MB of memory if it were read.
    std::filesystem::resize_file(path, ledger::kMaxBookFileSize + ledger::kRecordSize);
    const ledger::ReadResult read = ledger::readChequeBookFile(path);
    std::filesystem::remove(path);
    EXPECT_EQ(read.error, ReadError::TooLarge);
    EXPECT_FALSE(read.errorMessage.empty());
    EXPECT_TRUE(read.contents.items.empty());
}

} // namespace
