#include "runtime/Cp1252.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <ostream>
#include <string>

using namespace runtime;
using namespace std::string_literals;

namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

struct CodeCase {
    const char* name;
    std::string cp1252;
    std::string utf8;
};

void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.name;
}

class Cp1252Chars : public testing::TestWithParam<CodeCase> {};

TEST_P(Cp1252Chars, MapBothWays) {
    EXPECT_EQ(cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
    EXPECT_EQ(utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(
    Cp1252, Cp1252Chars,
    testing::Values(CodeCase{"Ascii", "Cheque 42", "Cheque 42"}, CodeCase{"Euro", "\x80", "\xE2\x82\xAC"},
                    CodeCase{"CurlyQuotes", "\x93Rent\x94", "\xE2\x80\x9CRent\xE2\x80\x9D"},
                    CodeCase{"EnDashAndTrademark", "\x96\x99", "\xE2\x80\x93\xE2\x84\xA2"},
                    CodeCase{"YWithDiaeresis", "\x9F", "\xC5\xB8"},
                    CodeCase{"UnassignedByteKeepsControl", "\x81\x8D\x8F\x90\x9D",
                             "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
                    CodeCase{"Latin1Letters", "Caf\xE9 \xFC\xDF", "Caf\xC3\xA9 \xC3\xBC\xC3\x9F"},
                    CodeCase{"NonBreakingSpace", "\xA0", "\xC2\xA0"}, CodeCase{"NulByte", "a\0b"s, "a\0b"s}),
    [](const auto& row) { return std::string(row.param.name); });

struct BadCase {
    const char* name;
    std::string utf8;
    std::string cp1252;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class Utf8WithoutForm : public testing::TestWithParam<BadCase> {};

TEST_P(Utf8WithoutForm, BecomesOneQuestionMarkPerCharacter) {
    EXPECT_EQ(utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(Cp1252, Utf8WithoutForm,
                         testing::Values(BadCase{"ChineseCharacter",
                                                 "a\xE4\xB8\xAD"
                                                 "b",
                                                 "a?b"},
                                         BadCase{"Emoji", "\xF0\x9F\x98\x80!", "?!"},
                                         BadCase{"CyrillicWord", "\xD0\x94\xD0\xB0", "??"},
                                         BadCase{"TruncatedAtEnd", "ab\xC3", "ab?"},
                                         BadCase{"TruncatedThreeByte", "\xE2\x82x", "?x"},
                                         BadCase{"LoneContinuation", "\x80z", "?z"},
                                         BadCase{"OverlongSlash", "\xC0\xAF", "?"},
                                         BadCase{"Surrogate", "\xED\xA0\x80", "?"},
                                         BadCase{"BeyondUnicode", "\xF4\x90\x80\x80", "?"},
                                         BadCase{"InvalidLeadByte", "\xFF", "?"}),
                         [](const auto& row) { return std::string(row.param.name); });

struct ErrorCase {
    int number;
    const char* text;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.number;
}

class ErrorTexts : public testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorTexts, CarryTheStandardText) {
    const RuntimeError e(GetParam().number);
    EXPECT_EQ(e.number(), GetParam().number);
    EXPECT_STREQ(e.what(), GetParam().text);
    EXPECT_EQ(errorText(GetParam().number), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    RuntimeErrors, ErrorTexts,
    testing::Values(ErrorCase{6, "Overflow"}, ErrorCase{52, "Bad file name or number"},
                    ErrorCase{53, "File not found"}, ErrorCase{57, "Device I/O error"},
                    ErrorCase{61, "Disk full"}, ErrorCase{62, "Input past end of file"},
                    ErrorCase{70, "Permission denied"}, ErrorCase{75, "Path/File access error"},
                    ErrorCase{76, "Path not found"}, ErrorCase{380, "Invalid property value"},
                    ErrorCase{383, "Property is read-only"}, ErrorCase{32755, "Dialog Cancelled"},
                    ErrorCase{12345, "Application-defined or object-defined error"}),
    [](const auto& row) { return "Error" + std::to_string(row.param.number); });

TEST(RuntimeErrors, OwnTextKeepsNumber) {
    const RuntimeError e(64, "Bad file name");
    EXPECT_EQ(e.number(), 64);
    EXPECT_STREQ(e.what(), "Bad file name");
}

struct ErrnoCase {
    const char* name;
    int err;
    int number;
};

void PrintTo(const ErrnoCase& c, std::ostream* os) {
    *os << c.name;
}

class ErrnoMapping : public testing::TestWithParam<ErrnoCase> {};

TEST_P(ErrnoMapping, GivesTheClassicNumber) {
    EXPECT_EQ(errorNumberFromErrno(GetParam().err), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    RuntimeErrors, ErrnoMapping,
    testing::Values(ErrnoCase{"NoSuchFile", ENOENT, 53}, ErrnoCase{"NotAFolder", ENOTDIR, 76},
                    ErrnoCase{"DiskFull", ENOSPC, 61}, ErrnoCase{"QuotaFull", EDQUOT, 61},
                    ErrnoCase{"FileTooBig", EFBIG, 61}, ErrnoCase{"IoError", EIO, 57},
                    ErrnoCase{"AccessDenied", EACCES, 75}, ErrnoCase{"NotPermitted", EPERM, 75},
                    ErrnoCase{"ReadOnlyDisk", EROFS, 75}, ErrnoCase{"IsAFolder", EISDIR, 75},
                    ErrnoCase{"ProgramInUse", ETXTBSY, 70},
                    ErrnoCase{"ProcessFilesFull", EMFILE, 67}, ErrnoCase{"SystemFilesFull", ENFILE, 67},
                    ErrnoCase{"Exists", EEXIST, 58}, ErrnoCase{"NameTooLong", ENAMETOOLONG, 52},
                    ErrnoCase{"InvalidName", EINVAL, 52}, ErrnoCase{"Busy", EBUSY, 55},
                    ErrnoCase{"NoDevice", ENXIO, 68}, ErrnoCase{"OtherDrive", EXDEV, 74},
                    ErrnoCase{"UnknownIsIoError", 0, 57}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
