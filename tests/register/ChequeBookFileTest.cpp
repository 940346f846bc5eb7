#include "register/core/ChequeBookFile.h"
#include "register/BookBytes.h"
#include "register/ItemBuilder.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using ledger::ChequeBook;
using ledger::Item;
using runtime::Currency;
namespace fs = std::filesystem;

constexpr double kAug1 = 46235.0; // 08/01/2026
constexpr double kAug3 = 46237.0;
constexpr double kSep1 = 46266.0; // 09/01/2026
constexpr double kDec31 = 46387.0;

using booktest::item;

// One register item of each status, one auto-duplicate item of each status, a budget period,
// a password and code order.
ChequeBook everyKindBook() {
    ChequeBook book;
    book.title = "Household";
    book.password = "ab12";
    book.sortOrder = ledger::SortOrder::Code;
    book.lastAutoDupDay = 17;
    book.period = {kAug1, kDec31};
    book.items = {
        item(1, kAug1, 0, "Opening Balance", 23'500'000, "OPEN", 'd'),
        item(-1, kAug1, 101, "Maple Court Rentals", 14'500'000, "RENT", 'c'),
        item(-1, kAug3 + 0.5, 102, "Lakeside Hydro", 963'700, "UTIL", ' '),
    };
    book.autoDupItems = {
        item(-1, 1, 0, "Maple Court Rentals", 14'500'000, "RENT", 'A'),
        item(1, 3, 0, "Payroll", 31'204'500, "SAL", 'T'),
        item(-1, 14, 0, "Northline Mobile", 655'400, "PHON", 'P'),
    };
    return book;
}

TEST(LedgerBookFile, OneRecordMatchesTheLayoutByteForByte) {
    ChequeBook book;
    book.items = {item(-1, kAug1, 101, "Maple Court Rentals", 14'500'000, "RENT", 'c')};
    const std::string bytes = ledger::encodeChequeBook(book, "");
    // Flag -1, date 46235.0, cheque 101, particulars, 1450.0000, "RENT", "c": little-endian, no padding.
    const char* hex =
        "ffff000000006093e64065004d61706c6520436f7572742052656e74616c73202020202020a040dd00000000"
        "0052454e5463";
    std::string expected;
    for (const char* p = hex; *p; p += 2) {
        expected += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
    }
    EXPECT_EQ(bytes.substr(0, 50), expected);
}

TEST(LedgerBookFile, WritesEveryRecordKindInOrder) {
    const ChequeBook book = everyKindBook();
    const std::string bytes = ledger::encodeChequeBook(book, "lgncodes.csv");

    const std::string expected =
        booktest::itemRecord(1, kAug1, 0, "Opening Balance", 23'500'000, "OPEN", 'd') +
        booktest::itemRecord(-1, kAug1, 101, "Maple Court Rentals", 14'500'000, "RENT", 'c') +
        booktest::itemRecord(-1, kAug3 + 0.5, 102, "Lakeside Hydro", 963'700, "UTIL", ' ') +
        booktest::itemRecord(-1, 1, 0, "Maple Court Rentals", 14'500'000, "RENT", 'A') +
        booktest::itemRecord(1, 3, 0, "Payroll", 31'204'500, "SAL", 'T') +
        booktest::itemRecord(-1, 14, 0, "Northline Mobile", 655'400, "PHON", 'P') +
        booktest::periodRecord(kAug1, 'S') + booktest::periodRecord(kDec31, 'E') +
        booktest::linkRecord("lgncodes.csv") + booktest::trailerRecord("Household", "ab12", 'C', 17);
    EXPECT_EQ(bytes.size(), 50u * (3 + 3 + 4));
    for (std::size_t r = 0; r < expected.size() / 50; ++r) {
        EXPECT_EQ(bytes.substr(r * 50, 50), expected.substr(r * 50, 50)) << "record " << r + 1;
    }
}

TEST(LedgerBookFile, UnsetPeriodNoLinkAndNoPasswordAreWrittenAsTheirMarkers) {
    ChequeBook book;
    book.title = "Empty";
    const std::string bytes = ledger::encodeChequeBook(book, "");
    EXPECT_EQ(bytes, booktest::periodRecord(29221.0, 'S') + booktest::periodRecord(73050.0, 'E') +
                         booktest::linkRecord("") + booktest::trailerRecord("Empty", "5827", 'D', 0));
}

TEST(LedgerBookFile, RoundTripKeepsEverythingAndDueItemsWaitAgain) {
    const ChequeBook book = everyKindBook();
    const ledger::ReadResult read = ledger::decodeChequeBook(ledger::encodeChequeBook(book, "lgncodes.csv"));
    ASSERT_TRUE(read.ok()) << read.errorMessage;
    const ledger::BookFileContents& c = read.contents;
    EXPECT_EQ(c.items, book.items);
    ASSERT_EQ(c.autoDupItems.size(), 3u);
    EXPECT_EQ(c.autoDupItems[0], book.autoDupItems[0]);
    EXPECT_EQ(c.autoDupItems[1].status, 'A'); // "T" comes back as "A"
    EXPECT_EQ(c.autoDupItems[1].particulars, book.autoDupItems[1].particulars);
    EXPECT_EQ(c.autoDupItems[2].status, 'P');
    EXPECT_EQ(c.period, book.period);
    EXPECT_EQ(c.title, "Household");
    EXPECT_EQ(c.password, "ab12");
    EXPECT_EQ(c.sortLetter, 'C');
    EXPECT_EQ(c.lastAutoDupDay, 17);
    EXPECT_EQ(c.codeFileLink, "lgncodes.csv");
    EXPECT_FALSE(c.earlierRelease);
    EXPECT_TRUE(c.messages.empty());

    const ChequeBook reopened = ledger::makeChequeBook("/tmp/x.lgn", c, ledger::SortOrder::Code, false);
    EXPECT_FALSE(reopened.changed);
    EXPECT_TRUE(reopened.hasPassword());
    EXPECT_TRUE(ledger::passwordMatches(reopened, "ab12"));
    EXPECT_FALSE(ledger::passwordMatches(reopened, "AB12"));
}

struct TextCase {
    const char* name;
    std::string inMemory; // UTF-8 particulars as held
    std::string onDisk;   // Windows-1252 bytes of the 25-character field (unpadded part)
    std::string readBack; // UTF-8 after reading
};

std::string repeat(std::string_view s, int n) {
    std::string out;
    while (n-- > 0) {
        out += s;
    }
    return out;
}

class LedgerBookText : public testing::TestWithParam<TextCase> {};

TEST_P(LedgerBookText, ParticularsCrossTheFileBoundary) {
    const TextCase& tc = GetParam();
    ChequeBook book;
    Item i = item(1, kAug1, 0, "", 10000, "GIFT", ' ');
    i.particulars = tc.inMemory;
    book.items = {i};
    const std::string bytes = ledger::encodeChequeBook(book, "");
    std::string field = tc.onDisk;
    field.resize(25, ' ');
    EXPECT_EQ(bytes.substr(12, 25), field);

    const ledger::ReadResult read = ledger::decodeChequeBook(bytes);
    ASSERT_TRUE(read.ok()) << read.errorMessage;
    EXPECT_EQ(ledger::trimRight(read.contents.items.at(0).particulars), tc.readBack);
    EXPECT_EQ(ledger::textLength(read.contents.items.at(0).particulars), 25u);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerBookText,
    testing::Values(
        TextCase{"Ascii", "Northline Mobile", "Northline Mobile", "Northline Mobile"},
        TextCase{"AccentIsOneByte", "Caf\xC3\xA9 Ol\xC3\xA9", "Caf\xE9 Ol\xE9", "Caf\xC3\xA9 Ol\xC3\xA9"},
        TextCase{"EuroSignIsByte80",
                 "\xE2\x82\xAC"
                 "5 fee",
                 "\x80"
                 "5 fee",
                 "\xE2\x82\xAC"
                 "5 fee"},
        TextCase{"UnmappableBecomesQuestionMark", "Tea \xE6\x97\xA5\xE6\x9C\xAC", "Tea ??", "Tea ??"},
        TextCase{"ControlCharactersBecomeBlanks", "Rent\tMay\r\n", "Rent May", "Rent May"},
        TextCase{"LongerTextIsCutAt25", "A description that is far too long", "A description that is far",
                 "A description that is far"},
        TextCase{"TwentyFiveAccentsFitExactly", repeat("\xC3\xA9", 25), std::string(25, '\xE9'),
                 repeat("\xC3\xA9", 25)}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerBookFile, NulFilledFieldsReadAsBlanks) {
    // Fixed-length fields never assigned hold NULs in files of the original program.
    std::string rec = booktest::Rec().i16(0, 1).f64(2, kAug1).i64(37, 10000).ch(49, 'd');
    const ledger::ReadResult read = ledger::decodeChequeBook(booktest::bookBytes(rec));
    ASSERT_TRUE(read.ok()) << read.errorMessage;
    EXPECT_EQ(read.contents.items.at(0).particulars, std::string(25, ' '));
    EXPECT_EQ(read.contents.items.at(0).code, "    ");
}

TEST(LedgerBookFile, UnknownStatusLetterIsReportedAndSkipped) {
    const std::string file = booktest::bookBytes(booktest::itemRecord(1, kAug1, 0, "First", 10000, "A", ' ') +
                                                 booktest::itemRecord(1, kAug1, 0, "Odd", 10000, "A", 'X') +
                                                 booktest::itemRecord(-1, kSep1, 0, "Last", 20000, "A", 'c') +
                                                 booktest::itemRecord(1, kAug1, 0, "Odd2", 1, "A", 'z'));
    const ledger::ReadResult read = ledger::decodeChequeBook(file);
    ASSERT_TRUE(read.ok()) << read.errorMessage;
    ASSERT_EQ(read.contents.items.size(), 2u);
    EXPECT_EQ(ledger::trimRight(read.contents.items[0].particulars), "First");
    EXPECT_EQ(ledger::trimRight(read.contents.items[1].particulars), "Last");
    EXPECT_EQ(read.contents.messages, (std::vector<std::string>{"Invalid record type.  Not Processed!",
                                                                "Invalid record type.  Not Processed!"}));
}

struct ReleaseCase {
    const char* name;
    std::string linkRecord;
    bool earlier;
    std::string codeFileLink;
    std::size_t items;
};

class LedgerBookRelease : public testing::TestWithParam<ReleaseCase> {};

TEST_P(LedgerBookRelease, LinkRecordTellsTheRelease) {
    const ReleaseCase& rc = GetParam();
    const std::string file = booktest::itemRecord(1, kAug1, 0, "Pay", 10000, "SAL", 'd') +
                             booktest::periodRecord(kAug1, 'S') + rc.linkRecord +
                             booktest::trailerRecord("Old", "5827", 'D', 3);
    const ledger::ReadResult read = ledger::decodeChequeBook(file);
    ASSERT_TRUE(read.ok()) << read.errorMessage;
    EXPECT_EQ(read.contents.earlierRelease, rc.earlier);
    EXPECT_EQ(read.contents.codeFileLink, rc.codeFileLink);
    EXPECT_EQ(read.contents.items.size(), rc.items);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerBookRelease,
    testing::Values(ReleaseCase{"FormatFourWithName", booktest::linkRecord("C:\\LEDGER\\HOME.CSV"), false,
                                "C:\\LEDGER\\HOME.CSV", 1},
                    ReleaseCase{"FormatFourBlank", booktest::linkRecord(""), false, "", 1},
                    ReleaseCase{"FormatThree", booktest::linkRecord("lgncodes.csv", 3), true, "", 1},
                    ReleaseCase{"FormatZero", booktest::linkRecord("", 0), true, "", 1},
                    // Blanks behind 1 or -1 look like a deposit or cheque of 1899: still no item.
                    ReleaseCase{"FormatOneBlank", booktest::linkRecord("", 1), true, "", 1},
                    ReleaseCase{"FormatMinusOneBlank", booktest::linkRecord("", -1), true, "", 1},
                    // A file without a link record: its last item is kept, not taken for a link.
                    ReleaseCase{"NoLinkRecordKeepsLastItem",
                                booktest::itemRecord(-1, kSep1, 7, "Last cheque", 5000, "GIFT", ' '), true,
                                "", 2}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LedgerBookFile, EarlierReleaseQuestionAndConversion) {
    EXPECT_EQ(ledger::earlierReleaseQuestion("HOME.LGN"),
              "HOME.LGN is a Ledgerine file from\nan earlier version of Ledgerine\nDo you want to update "
              "this file?");
    ledger::BookFileContents contents;
    contents.earlierRelease = true;
    EXPECT_TRUE(ledger::makeChequeBook("HOME.LGN", contents, ledger::SortOrder::Date, true).changed);
    EXPECT_FALSE(ledger::makeChequeBook("HOME.LGN", contents, ledger::SortOrder::Date, false).changed);
}

TEST(LedgerBookFile, SortTypeAnswers) {
    using ledger::SortOrder;
    const std::pair<const char*, SortOrder> rows[] = {
        {"C", SortOrder::Code}, {"c", SortOrder::Code},  {" C ", SortOrder::Code}, {"", SortOrder::Date},
        {"D", SortOrder::Date}, {"CD", SortOrder::Date}, {"x", SortOrder::Date},
    };
    for (const auto& [answer, order] : rows) {
        EXPECT_EQ(ledger::sortOrderFromAnswer(answer), order) << '"' << answer << '"';
    }
    const std::string blankSort = booktest::periodRecord(kAug1, 'S') + booktest::periodRecord(kDec31, 'E') +
                                  booktest::linkRecord("") + booktest::trailerRecord("T", "5827", ' ', 0);
    EXPECT_FALSE(ledger::decodeChequeBook(blankSort).contents.sortTypeKnown());
}

// --- Saving ---------------------------------------------------------------------------------

class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() / ("ledgercore-" + std::to_string(::getpid()) + "-" +
                                             testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LedgerBookSave, SaveThenReadGivesTheSameBook) {
    TempDir dir;
    const fs::path file = dir.path() / "home.lgn";
    ChequeBook book = everyKindBook();
    ledger::saveChequeBook(file, book, "lgncodes.csv");
    EXPECT_EQ(fs::file_size(file), 50u * 10);
    const ledger::ReadResult read = ledger::readChequeBookFile(file);
    ASSERT_TRUE(read.ok()) << read.errorMessage;
    EXPECT_EQ(read.contents.items, book.items);
}

class LedgerBookSaveFault : public testing::TestWithParam<runtime::ReplaceStep> {};

TEST_P(LedgerBookSaveFault, FailedSaveLeavesThePreviousFileIntact) {
    TempDir dir;
    const fs::path file = dir.path() / "home.lgn";
    ChequeBook before = everyKindBook();
    ledger::saveChequeBook(file, before, "");
    const std::string previous = slurp(file);

    ChequeBook after = before;
    after.items.push_back(item(-1, kSep1, 103, "Greenleaf", 1'421'800, "GROC", ' '));
    after.title = "Changed";
    const runtime::ReplaceStep failing = GetParam();
    try {
        ledger::saveChequeBook(file, after, "",
                               [&](runtime::ReplaceStep step) { return step == failing ? ENOSPC : 0; });
        FAIL() << "the save reported success";
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), 61); // disk full, for the disk-error routine
    }
    EXPECT_EQ(slurp(file), previous);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1u) << "a temporary file was left behind";
}

std::string stepName(const testing::TestParamInfo<runtime::ReplaceStep>& row) {
    static const char* const kStepNames[] = {"CreateTemp", "Write", "Sync", "Rename", "SyncDirectory"};
    return kStepNames[static_cast<int>(row.param)];
}

INSTANTIATE_TEST_SUITE_P(Steps, LedgerBookSaveFault,
                         testing::Values(runtime::ReplaceStep::CreateTemp, runtime::ReplaceStep::Write,
                                         runtime::ReplaceStep::Sync, runtime::ReplaceStep::Rename),
                         stepName);

TEST(LedgerBookSave, MissingFileIsADiskErrorNotAnEmptyBook) {
    TempDir dir;
    const ledger::ReadResult read = ledger::readChequeBookFile(dir.path() / "absent.lgn");
    EXPECT_EQ(read.error, ledger::ReadError::FileError);
    EXPECT_EQ(read.errorNumber, 53);
    EXPECT_EQ(read.errorMessage, "File not found");
}

// --- The link to a budget/code file ---------------------------------------------------------------

struct LinkCase {
    const char* name;
    const char* codeFile;
    const char* bookFile;
    const char* link;
};

class LedgerCodeFileLink : public testing::TestWithParam<LinkCase> {};

TEST_P(LedgerCodeFileLink, FitsTheFieldAndLeadsBackFromTheBook) {
    const LinkCase& c = GetParam();
    EXPECT_EQ(ledger::codeFileLinkName(c.codeFile, c.bookFile), c.link);
    EXPECT_LE(std::string(c.link).size(), ledger::kLinkNameWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerCodeFileLink,
    testing::Values(
        LinkCase{"FullPathThatFits", "/home/ann/codes/household.csv", "/srv/books/home.lgn",
                 "/home/ann/codes/household.csv"},
        LinkCase{"LongPathBelowTheBook", "/home/ann/Documents/Household accounts 2026/budget/household.csv",
                 "/home/ann/Documents/Household accounts 2026/home.lgn", "budget/household.csv"},
        LinkCase{"LongPathBesideTheBooksFolder", "/home/ann/Documents/Household accounts 2026/budget/household.csv",
                 "/home/ann/Documents/Household accounts 2026/books/home.lgn", "../budget/household.csv"},
        LinkCase{"NeitherFitsKeepsTheName",
                 "/home/ann/Documents/Household accounts 2026/a very long folder name indeed/household.csv",
                 "/srv/books/home.lgn", "household.csv"}),
    [](const testing::TestParamInfo<LinkCase>& row) { return std::string(row.param.name); });

TEST(LedgerCodeFileLink, RelativeNameIsLookedForBesideTheBookFirst) {
    TempDir dir;
    fs::create_directories(dir.path() / "budget");
    { std::ofstream(dir.path() / "budget" / "household.csv") << "x"; }
    const fs::path book = dir.path() / "home.lgn";
    EXPECT_EQ(ledger::codeFileLinkPath("budget/household.csv", book), (dir.path() / "budget/household.csv").string());
    // Not beside the book: the name as stored, for the current directory to resolve.
    EXPECT_EQ(ledger::codeFileLinkPath("other.csv", book), "other.csv");
    EXPECT_EQ(ledger::codeFileLinkPath("/abs/codes.csv", book), "/abs/codes.csv");
}

} // namespace
