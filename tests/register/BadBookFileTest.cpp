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
        BadFile{"NaNDate", booktest::bookBytes(good() + good(kNaN)), ReadError::Damaged,
                "Invalid File! Record 2 holds an impossible date. Nothing was loaded."},
        BadFile{"InfiniteDate", booktest::bookBytes(good(kInf)), ReadError::Damaged, nullptr},
        BadFile{"MinusInfiniteDate", booktest::bookBytes(good(-kInf)), ReadError::Damaged, nullptr},
        BadFile{"DateAfterYear9999", booktest::bookBytes(good(2958466.0)), ReadError::Damaged, nullptr},
        BadFile{"DateBeforeYear100", booktest::bookBytes(good(-657435.0)), ReadError::Damaged, nullptr},
        BadFile{"HugeDate", booktest::bookBytes(good(1e300)), ReadError::Damaged, nullptr},
        BadFile{"NaNPeriodEnd",
                good() + booktest::periodRecord(kAug1, 'S') + booktest::periodRecord(kNaN, 'E') +
                    booktest::linkRecord("") + booktest::trailerRecord("T", "5827", 'D', 0),
                ReadError::Damaged, "Invalid File! Record 3 holds an impossible date. Nothing was loaded."},
        BadFile{"AutoDupWithNaNDate",
                booktest::bookBytes(booktest::itemRecord(1, kNaN, 0, "Pay", 1, "SAL", 'A')),
                ReadError::Damaged, nullptr},
        BadFile{
            "DepositFlagZero", booktest::bookBytes(booktest::itemRecord(0, kAug1, 0, "Rent", 1, "RENT", ' ')),
            ReadError::Damaged, "Invalid File! Record 1 holds an invalid deposit flag. Nothing was loaded."},
        BadFile{"NegativeAmount",
                booktest::bookBytes(booktest::itemRecord(1, kAug1, 0, "Rent", -1, "RENT", 'd')),
                ReadError::Damaged, nullptr},
        BadFile{"TabInParticulars",
                booktest::bookBytes(booktest::itemRecord(1, kAug1, 0, "Rent\tMay", 1, "RENT", 'd')),
                ReadError::Damaged, nullptr},
        BadFile{"AmountsTooLargeToAdd",
                booktest::bookBytes(
                    booktest::itemRecord(1, kAug1, 0, "A", std::numeric_limits<std::int64_t>::max() / 2 + 1,
                                         "X", 'd') +
                    booktest::itemRecord(1, kAug1, 0, "B", std::numeric_limits<std::int64_t>::max() / 2 + 1,
                                         "X", 'd')),
                ReadError::Damaged, nullptr},
        BadFile{"AutoDupDayInTrailer40",
                good() + booktest::periodRecord(kAug1, 'S') + booktest::periodRecord(kAug1, 'E') +
                    booktest::linkRecord("") + booktest::trailerRecord("T", "5827", 'D', 40),
                ReadError::Damaged, nullptr},
        BadFile{"ControlBytesInTitle",
                good() + booktest::periodRecord(kAug1, 'S') + booktest::periodRecord(kAug1, 'E') +
                    booktest::linkRecord("") + booktest::trailerRecord("T\x01", "5827", 'D', 0),
                ReadError::Damaged, nullptr},
        BadFile{"ControlBytesInLink",
                good() + booktest::periodRecord(kAug1, 'S') + booktest::periodRecord(kAug1, 'E') +
                    booktest::linkRecord("a\nb") + booktest::trailerRecord("T", "5827", 'D', 0),
                ReadError::Damaged, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

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
