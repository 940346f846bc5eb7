#include "winapi/Profile.h"

#include "winapi/TestEnv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace winapi;
using vxtest::readBytes;
using vxtest::writeBytes;

namespace {

// Each test gets its own Windows directory.
class ProfileFixture {
protected:
    vxtest::TempDir dir;
    vxtest::ScopedEnv windir{"LEDGERINE_WINDIR", dir.path().string()};

    std::filesystem::path ini() const { return dir.path() / "ledgrn95.ini"; }
};

// A settings file with the oddities real ones have: a comment, blanks around names and values,
// quotes, a duplicate section in other case (only the first one counts), LF-only lines at the end and cp1252 letters.
const std::string kSample = "; written by hand\r\n"
                            "[Ledgrn]\r\n"
                            "FormHeight=5000\r\n"
                            " FontName = Courier New \r\n"
                            "Quoted=\"  padded  \"\r\n"
                            "Single='x'\r\n"
                            "Half=\"abc\r\n"
                            "Empty=\r\n"
                            "[ledgrn]\r\n"
                            "FormHeight=1\r\n"
                            "Later=2\r\n"
                            "[Other]\n"
                            "Key=LF value\n"
                            "[L\xE4nder]\n"
                            "\xC9t\xE9=summer";

struct StringCase {
    const char* name;
    const char* section;
    const char* key;
    const char* def;
    DWORD size;
    std::string text;
    DWORD count;
};

// Rows print as their names in test listings.
void PrintTo(const StringCase& row, std::ostream* os) { *os << row.name; }

class ProfileString : public ProfileFixture, public ::testing::TestWithParam<StringCase> {};

TEST_P(ProfileString, ReadsLikeWindows) {
    writeBytes(ini(), kSample);
    const StringCase& c = GetParam();
    std::vector<char> buffer(c.size + 4, '#');
    const DWORD got = GetPrivateProfileStringA(c.section, c.key, c.def, buffer.data(), c.size, "ledgrn95.ini");
    EXPECT_EQ(got, c.count);
    EXPECT_EQ(std::string(buffer.data(), got), c.text);
    EXPECT_EQ(buffer[got], '\0');
    EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileString,
    ::testing::Values(StringCase{"Found", "Ledgrn", "FormHeight", "x", 32, "5000", 4},
                      StringCase{"SectionAndKeyIgnoreCase", "LEDGRN", "formheight", "x", 32, "5000", 4},
                      StringCase{"Cp1252LettersIgnoreCase", "L\xC4NDER", "\xE9T\xC9", "", 32, "summer", 6},
                      StringCase{"BlanksAroundKeyAndValueTrimmed", "Ledgrn", "FontName", "", 32, "Courier New", 11},
                      StringCase{"DoubleQuotesStrippedBlanksKept", "Ledgrn", "Quoted", "", 32, "  padded  ", 10},
                      StringCase{"SingleQuotesStripped", "Ledgrn", "Single", "", 32, "x", 1},
                      StringCase{"UnbalancedQuoteKept", "Ledgrn", "Half", "", 32, "\"abc", 4},
                      StringCase{"EmptyValueIsNotTheDefault", "Ledgrn", "Empty", "dflt", 32, "", 0},
                      StringCase{"LfOnlyLinesRead", "Other", "Key", "", 32, "LF value", 8},
                      StringCase{"AbsentKeyGivesDefault", "Ledgrn", " 0", "none", 255, "none", 4},
                      StringCase{"DefaultTrailingBlanksTrimmed", "Ledgrn", "Nope", "none   ", 32, "none", 4},
                      StringCase{"DefaultLeadingBlanksKept", "Ledgrn", "Nope", "  x ", 32, "  x", 3},
                      StringCase{"NullDefaultIsEmpty", "Ledgrn", "Nope", nullptr, 32, "", 0},
                      StringCase{"LaterSectionOfTheSameNameUnseen", "Ledgrn", "Later", "none", 32, "none", 4},
                      StringCase{"AbsentSectionGivesDefault", "Missing", "FormHeight", "dflt", 32, "dflt", 4},
                      StringCase{"ValueCutToBufferSizeMinusOne", "Ledgrn", "FontName", "", 5, "Cour", 4},
                      StringCase{"ValueExactlyFilling", "Ledgrn", "FormHeight", "", 5, "5000", 4},
                      StringCase{"DefaultCutToo", "Ledgrn", "Codetypes", "lgncodes.csv", 4, "lgn", 3},
                      StringCase{"BufferOfOneHoldsOnlyNul", "Ledgrn", "FormHeight", "", 1, "", 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProfileAbsentFile, EverythingFallsBackToDefaults) {
    vxtest::TempDir dir;
    vxtest::ScopedEnv windir("LEDGERINE_WINDIR", (dir.path() / "not-yet").string());
    char buffer[64];
    EXPECT_EQ(GetPrivateProfileStringA("Ledgrn", "Codetypes", "lgncodes.csv", buffer, sizeof buffer, "ledgrn95.ini"),
              12u);
    EXPECT_STREQ(buffer, "lgncodes.csv");
    EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("Ledgrn", "Messages", 1, "ledgrn95.ini")), 1);
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, "ledgrn95.ini"), 0u);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "not-yet")) << "reading must not create anything";
}

struct IntCase {
    const char* name;
    const char* line; // nullptr: key absent
    int def;
    int expected;
};

// Rows print as their names in test listings.
void PrintTo(const IntCase& row, std::ostream* os) { *os << row.name; }

class ProfileInt : public ProfileFixture, public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileInt, ParsesLeadingNumber) {
    const IntCase& c = GetParam();
    writeBytes(ini(), std::string("[Ledgrn]\r\n") + (c.line ? c.line : "Other=1") + "\r\n");
    EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("Ledgrn", "FontBold", c.def, "ledgrn95.ini")), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileInt,
                         ::testing::Values(IntCase{"Plain", "FontBold=42", 7, 42},
                                           IntCase{"MinusOneIsTrue", "FontBold=-1", 7, -1},
                                           IntCase{"PlusSign", "FontBold=+3", 7, 3},
                                           IntCase{"LeadingDigitsOnly", "FontBold=12abc", 7, 12},
                                           IntCase{"BlanksTrimmed", "FontBold=   9  ", 7, 9},
                                           IntCase{"NoDigitsIsZero", "FontBold=abc", 7, 0},
                                           IntCase{"EmptyValueGivesDefault", "FontBold=", 7, 7},
                                           IntCase{"AbsentGivesDefault", nullptr, -1, -1},
                                           IntCase{"QuotedNumber", "FontBold=\"5\"", 7, 5}),
                         [](const auto& row) { return std::string(row.param.name); });

class ProfileList : public ProfileFixture, public ::testing::Test {};

TEST_F(ProfileList, KeysAndSectionsAreNulSeparated) {
    writeBytes(ini(), kSample);
    char buffer[128];
    DWORD n = GetPrivateProfileStringA("ledgrn", nullptr, "ignored", buffer, sizeof buffer, "ledgrn95.ini");
    const std::string keys("FormHeight\0FontName\0Quoted\0Single\0Half\0Empty\0", 45);
    EXPECT_EQ(std::string(buffer, n), keys);
    EXPECT_EQ(buffer[n], '\0');

    n = GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, "ledgrn95.ini");
    EXPECT_EQ(std::string(buffer, n), std::string("Ledgrn\0Other\0L\xE4nder\0", 20)) << "duplicates listed once";

    // Cut lists end in two NULs and return size - 2.
    n = GetPrivateProfileStringA("Ledgrn", nullptr, "", buffer, 8, "ledgrn95.ini");
    EXPECT_EQ(n, 6u);
    EXPECT_EQ(std::string(buffer, 8), std::string("FormHe\0\0", 8));

    n = GetPrivateProfileStringA("Missing", nullptr, "x", buffer, sizeof buffer, "ledgrn95.ini");
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(buffer[0], '\0');
}

class ProfileWrite : public ProfileFixture, public ::testing::Test {};

TEST_F(ProfileWrite, CreatesDirectoryFileAndSectionsWithExactBytes) {
    vxtest::ScopedEnv nested("LEDGERINE_WINDIR", (dir.path() / "a" / "b").string());
    const auto file = dir.path() / "a" / "b" / "ledgrn95.ini";
    EXPECT_EQ(WritePrivateProfileStringA("Ledgrn", "Messages", "1", "ledgrn95.ini"), 1);
    EXPECT_EQ(readBytes(file), "[Ledgrn]\r\nMessages=1\r\n");

    EXPECT_EQ(WritePrivateProfileStringA("Ledgrn", "FormHeight", "5000", "ledgrn95.ini"), 1);
    EXPECT_EQ(WritePrivateProfileStringA("Other", "k", "v", "ledgrn95.ini"), 1);
    EXPECT_EQ(WritePrivateProfileStringA("LEDGRN", "messages", "0", "ledgrn95.ini"), 1);
    EXPECT_EQ(WritePrivateProfileStringA("Ledgrn", " 0", "/home/u/My Book.lgn", "ledgrn95.ini"), 1);
    // Key names lose their blanks on the way in, as on Windows; " 0" still finds "0".
    EXPECT_EQ(readBytes(file), "[Ledgrn]\r\nMessages=0\r\nFormHeight=5000\r\n0=/home/u/My Book.lgn\r\n"
                               "\r\n[Other]\r\nk=v\r\n");

    char buffer[64];
    EXPECT_EQ(GetPrivateProfileStringA("Ledgrn", " 0", "none", buffer, sizeof buffer, "ledgrn95.ini"), 19u);
    EXPECT_STREQ(buffer, "/home/u/My Book.lgn");
    EXPECT_EQ(GetPrivateProfileIntA("Ledgrn", "FormHeight", 0, "ledgrn95.ini"), 5000u);
}

TEST_F(ProfileWrite, KeepsOtherLinesAndInsertsBeforeBlankSeparator) {
    writeBytes(ini(), "; mine\n[A]\na=1\n\n[B]\nb=2");
    EXPECT_EQ(WritePrivateProfileStringA("a", "c", "3", "ledgrn95.ini"), 1);
    EXPECT_EQ(WritePrivateProfileStringA("B", "B", "two", "ledgrn95.ini"), 1);
    EXPECT_EQ(readBytes(ini()), "; mine\r\n[A]\r\na=1\r\nc=3\r\n\r\n[B]\r\nb=two\r\n");
}

TEST_F(ProfileWrite, NullValueDeletesKeyNullKeyDeletesSection) {
    writeBytes(ini(), "[A]\r\na=1\r\nb=2\r\n[B]\r\n; note\r\nc=3\r\n[C]\r\nd=4\r\n");
    EXPECT_EQ(WritePrivateProfileStringA("A", "A", nullptr, "ledgrn95.ini"), 1);
    EXPECT_EQ(WritePrivateProfileStringA("b", nullptr, nullptr, "ledgrn95.ini"), 1);
    EXPECT_EQ(readBytes(ini()), "[A]\r\nb=2\r\n[C]\r\nd=4\r\n");

    // Deleting what is not there succeeds and touches nothing.
    const auto before = std::filesystem::last_write_time(ini());
    EXPECT_EQ(WritePrivateProfileStringA("A", "zz", nullptr, "ledgrn95.ini"), 1);
    EXPECT_EQ(WritePrivateProfileStringA("Q", nullptr, nullptr, "ledgrn95.ini"), 1);
    EXPECT_EQ(std::filesystem::last_write_time(ini()), before);
    EXPECT_EQ(WritePrivateProfileStringA("Q", nullptr, nullptr, "absent.ini"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "absent.ini"));
}

struct BadWrite {
    const char* name;
    const char* section;
    const char* key;
    const char* value;
    const char* file;
};

// Rows print as their names in test listings.
void PrintTo(const BadWrite& row, std::ostream* os) { *os << row.name; }

class ProfileBadWrite : public ProfileFixture, public ::testing::TestWithParam<BadWrite> {};

TEST_P(ProfileBadWrite, FailsAndLeavesFileAlone) {
    const std::string original = "[Ledgrn]\r\nMessages=1\r\n";
    writeBytes(ini(), original);
    const BadWrite& c = GetParam();
    EXPECT_EQ(WritePrivateProfileStringA(c.section, c.key, c.value, c.file), 0);
    EXPECT_EQ(readBytes(ini()), original);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileBadWrite,
    ::testing::Values(BadWrite{"LineBreakInValue", "Ledgrn", "Messages", "1\r\n[Evil]", "ledgrn95.ini"},
                      BadWrite{"LineBreakInKey", "Ledgrn", "a\nb", "1", "ledgrn95.ini"},
                      BadWrite{"LineBreakInSection", "Led\ngrn", "Messages", "1", "ledgrn95.ini"},
                      BadWrite{"EqualsInKey", "Ledgrn", "a=b", "1", "ledgrn95.ini"},
                      BadWrite{"BracketInSection", "Led]grn", "Messages", "1", "ledgrn95.ini"},
                      BadWrite{"NullSectionWithKey", nullptr, "Messages", "1", "ledgrn95.ini"},
                      BadWrite{"NullFile", "Ledgrn", "Messages", "0", nullptr},
                      BadWrite{"EmptyFile", "Ledgrn", "Messages", "0", ""},
                      BadWrite{"FolderMissing", "Ledgrn", "Messages", "0", "/nonexistent-vx/dir/x.ini"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ProfileWrite, WindowsDirectoryThatIsAFileFails) {
    writeBytes(dir.path() / "plain", "x");
    vxtest::ScopedEnv windirFile("LEDGERINE_WINDIR", (dir.path() / "plain").string());
    EXPECT_EQ(WritePrivateProfileStringA("Ledgrn", "Messages", "1", "ledgrn95.ini"), 0);
    EXPECT_EQ(readBytes(dir.path() / "plain"), "x");
}

TEST_F(ProfileWrite, GarbageFileReadsAsDefaultsAndSurvivesAWrite) {
    std::string garbage("\x00\x01\xff[\x00]=\x7f\r", 9);
    garbage += std::string(1 << 20, 'z'); // one long line, no section
    garbage += "\n=orphan\n";
    writeBytes(ini(), garbage);
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileStringA("Ledgrn", "FontName", "Courier New", buffer, sizeof buffer, "ledgrn95.ini"),
              11u);
    EXPECT_EQ(WritePrivateProfileStringA("Ledgrn", "Messages", "1", "ledgrn95.ini"), 1);
    const std::string after = readBytes(ini());
    EXPECT_TRUE(after.ends_with("\r\n\r\n[Ledgrn]\r\nMessages=1\r\n"));
    EXPECT_EQ(GetPrivateProfileIntA("Ledgrn", "Messages", 0, "ledgrn95.ini"), 1u);
}

TEST_F(ProfileWrite, OversizedFileIsNeitherReadNorReplaced) {
    std::string huge = "[Ledgrn]\r\nMessages=0\r\n";
    huge.resize(17u * 1024u * 1024u, ' ');
    writeBytes(ini(), huge);
    EXPECT_EQ(GetPrivateProfileIntA("Ledgrn", "Messages", 1, "ledgrn95.ini"), 1u);
    EXPECT_EQ(WritePrivateProfileStringA("Ledgrn", "Messages", "1", "ledgrn95.ini"), 0);
    EXPECT_EQ(std::filesystem::file_size(ini()), huge.size());
}

TEST_F(ProfileWrite, BareNameMatchesFileOfOtherCaseAndPathIsUsedAsIs) {
    writeBytes(dir.path() / "win.ini", "[intl]\r\nsShortDate=dd.MM.yyyy\r\n");
    char buffer[32];
    EXPECT_EQ(GetPrivateProfileStringA("intl", "sShortDate", "", buffer, sizeof buffer, "WIN.INI"), 10u);
    EXPECT_EQ(WritePrivateProfileStringA("intl", "iDate", "1", "WIN.INI"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "WIN.INI"));

    vxtest::TempDir elsewhere;
    const std::string path = (elsewhere.path() / "own.ini").string();
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", path.c_str()), 1);
    EXPECT_EQ(readBytes(path), "[S]\r\nk=v\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "own.ini"));
}

} // namespace
