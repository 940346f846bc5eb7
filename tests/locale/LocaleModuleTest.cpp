#include "winapi/Module.h"
#include "winapi/ModuleStrings.h"
#include "winapi/VersionInfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string binDir() {
    const char* dir = std::getenv("VX_BIN_DIR");
    return dir ? dir : ".";
}

std::string modulePath() {
    return binDir() + "/libvxlocale.so";
}

// Loads the module by its name, the way the calendar control does.
class LocaleModule : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("LEDGERINE_PROGDIR", binDir().c_str(), 1);
        module = winapi::LoadLibraryA("VXLOCALE");
        ASSERT_NE(module, nullptr) << "libvxlocale.so not found in " << binDir();
    }
    void TearDown() override {
        if (module)
            winapi::FreeLibrary(module);
        ::unsetenv("LEDGERINE_PROGDIR");
    }
    std::string text(unsigned id, int size = 256) {
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1, 'x');
        const int n = winapi::LoadStringA(module, id, buffer.data(), size);
        EXPECT_EQ(static_cast<std::size_t>(n), std::strlen(buffer.data()));
        return std::string(buffer.data(), static_cast<std::size_t>(n));
    }
    winapi::HMODULE module = nullptr;
};

constexpr int kRuntimeErrors[] = {5,   6,   7,   11,  14,  28,  52,  53,  54,  55,  57,  58,  59,  61,
                                  63,  64,  67,  68,  70,  71,  75,  76,  93,  94,  321, 380, 381, 382,
                                  383, 385, 387, 393, 394, 422, 460, 481, 482, 735, 744, 746};
constexpr int kBases[] = {10000, 15000, 20000, 25000, 30000};

struct LocaleRow {
    const char* locale;
    int base;
};

class SystemLanguage : public LocaleModule, public testing::WithParamInterface<LocaleRow> {};

TEST_P(SystemLanguage, GivesStringBase) {
    ::setenv("LC_ALL", GetParam().locale, 1);
    auto getLocale = reinterpret_cast<int (*)()>(winapi::GetProcAddress(module, "VxGetLocale"));
    ASSERT_NE(getLocale, nullptr);
    EXPECT_EQ(getLocale(), GetParam().base);
    ::unsetenv("LC_ALL");
}

INSTANTIATE_TEST_SUITE_P(Locales, SystemLanguage,
                         testing::Values(LocaleRow{"de_DE.UTF-8", 20000}, LocaleRow{"de_CH.UTF-8", 20000},
                                         LocaleRow{"fr_FR", 15000}, LocaleRow{"fr_CA", 15000},
                                         LocaleRow{"it_IT", 25000}, LocaleRow{"ja_JP.eucJP", 30000},
                                         LocaleRow{"en_US", 10000}, LocaleRow{"en_GB", 10000},
                                         LocaleRow{"nl_NL", 10000}, LocaleRow{"C", 10000}),
                         [](const auto& row) {
                             std::string name = row.param.locale;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

struct TextRow {
    const char* name;
    unsigned id;
    const char* text; // Windows-1252 or Shift-JIS bytes
};

class ControlErrorTexts : public LocaleModule, public testing::WithParamInterface<TextRow> {};

TEST_P(ControlErrorTexts, Exact) {
    EXPECT_EQ(text(GetParam().id), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ControlErrorTexts,
    testing::Values(TextRow{"English380", 10380, "Invalid property value."},
                    TextRow{"English381", 10381, "Invalid property array index."},
                    TextRow{"English383", 10383, "You can not set this property."},
                    TextRow{"French380", 15380, "Valeur de propri\xE9t\xE9 incorrecte."},
                    TextRow{"French381", 15381, "Indice de tableau incorrect."},
                    TextRow{"French383", 15383, "Vous ne pouvez pas modifier cette propri\xE9t\xE9."},
                    TextRow{"German380", 20380, "Falscher Wert der Eigenschaft."},
                    TextRow{"German381", 20381, "Falscher Wert f\xFCr den Eigenschafts-Array."},
                    TextRow{"German383", 20383, "Sie k\xF6nnen diese Eigenschaft nicht setzen."},
                    TextRow{"Italian380", 25380, "Valore di propriet\xE0 non valido."},
                    TextRow{"Italian381", 25381, "Indice di array delle propriet\xE0 non valido."},
                    TextRow{"Italian383", 25383, "Impossibile impostare questa propriet\xE0."},
                    TextRow{
                        "Japanese380", 30380,
                        "\x83\x76\x83\x8D\x83\x70\x83\x65\x83\x42\x82\xCC\x92\x6C\x82\xAA\x95\x73\x90\xB3\x82"
                        "\xC5\x82\xB7\x81\x42"}),
    [](const auto& row) { return std::string(row.param.name); });

// The English run-time error texts, exactly as the suite has always shown them.
TEST_F(LocaleModule, EnglishRuntimeErrorTexts) {
    const std::pair<int, const char*> expected[] = {
        {5, "Illegal function call."},
        {6, "Overflow."},
        {7, "Out of memory."},
        {11, "Division by zero."},
        {14, "Out of string space."},
        {28, "Out of stack space."},
        {52, "Bad filename or number."},
        {53, "File not found."},
        {54, "Bad file mode."},
        {55, "File already open."},
        {57, "Device IO error."},
        {58, "File already exists."},
        {59, "Bad record length."},
        {61, "The destination disk is full."},
        {63, "Bad record number."},
        {64, "The specified filename does not exist."},
        {67, "There are too many open files to complete this operation."},
        {68, "The requested device is unavailable."},
        {70, "Permission denied for this transaction."},
        {71, "The disk is not ready."},
        {75, "The specified path or filename does not exist."},
        {76, "The specified path does not exist."},
        {93, "Invalid pattern string specified."},
        {94, "Invalid use of NULL."},
        {321, "Invalid file format."},
        {380, "Invalid property value."},
        {381, "Invalid property array index."},
        {382, "You can not set this property at runtime."},
        {383, "You can not set this property."},
        {385, "An index is needed to access an element in this property array."},
        {387, "Set for this property is not permitted."},
        {393, "Get for this property is not supported at runtime."},
        {394, "Get for this property is not supported."},
        {422, "This property could not be found."},
        {460, "Invalid clipboard format."},
        {481, "Invalid picture type."},
        {482, "A printer error has occured."},
        {735, "Can not save file to temporary storage."},
        {744, "Search text not found."},
        {746, "Replacement string was to long to insert."},
    };
    for (const auto& [number, english] : expected)
        EXPECT_EQ(text(10000u + static_cast<unsigned>(number)), english) << number;
}

bool wellFormedShiftJis(const std::string& s, bool& hasDoubleByte) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80 || (b >= 0xA1 && b <= 0xDF))
            continue;
        if (!((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) || i + 1 >= s.size())
            return false;
        const auto t = static_cast<unsigned char>(s[++i]);
        if (t < 0x40 || t == 0x7F || t > 0xFC)
            return false;
        hasDoubleByte = true;
    }
    return true;
}

// Every message of both families exists in every language; Japanese ones are Shift-JIS, the
// others single-byte text without the bytes Windows-1252 leaves unassigned.
TEST_F(LocaleModule, EveryMessageInEveryLanguage) {
    std::vector<int> numbers(std::begin(kRuntimeErrors), std::end(kRuntimeErrors));
    for (int n = 32767; n <= 32847; ++n)
        numbers.push_back(n);
    ASSERT_EQ(numbers.size(), 121u);
    for (int base : kBases) {
        for (int n : numbers) {
            const std::string s = text(static_cast<unsigned>(base + n));
            ASSERT_FALSE(s.empty()) << base + n;
            if (base == 30000) {
                bool doubleByte = false;
                EXPECT_TRUE(wellFormedShiftJis(s, doubleByte) && doubleByte) << base + n;
            } else {
                EXPECT_EQ(s.find_first_of("\x81\x8D\x8F\x90\x9D"), std::string::npos) << base + n;
                EXPECT_EQ(s.back(), '.') << base + n;
            }
        }
    }
}

TEST_F(LocaleModule, IdsOutsideTheFamiliesHaveNoText) {
    for (unsigned id :
         {0u, 10000u, 10001u, 10379u, 10384u, 14999u, 42766u, 42848u, 62848u, 65535u, 65536u, 100000u}) {
        EXPECT_EQ(text(id), "") << id;
    }
}

TEST_F(LocaleModule, TextIsCutToTheBuffer) {
    EXPECT_EQ(text(20380, 8), "Falsche");
    EXPECT_EQ(text(20380, 1), "");
    char untouched = 'x';
    EXPECT_EQ(winapi::LoadStringA(module, 20380, &untouched, 0), 0);
    EXPECT_EQ(untouched, 'x');
    EXPECT_EQ(winapi::LoadStringA(module, 20380, nullptr, 10), 0);
}

// Blocks of 16 strings, block = id / 16 + 1, ascending, all in resource language 1033.
TEST_F(LocaleModule, TableLayout) {
    const auto* table =
        static_cast<const VxStringTable*>(winapi::GetProcAddress(module, kVxStringTableSymbol));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->magic, kVxStringTableMagic);
    int strings = 0;
    for (std::uint32_t i = 0; i < table->count; ++i) {
        const VxStringBlock& b = table->blocks[i];
        EXPECT_EQ(b.language, 1033);
        if (i > 0) {
            EXPECT_LT(table->blocks[i - 1].block, b.block);
        }
        for (unsigned slot = 0; slot < 16; ++slot) {
            if (b.strings[slot] == nullptr)
                continue;
            ++strings;
            const unsigned id = (b.block - 1u) * 16u + slot;
            EXPECT_STREQ(winapi::findModuleString(module, id), b.strings[slot]);
        }
    }
    EXPECT_EQ(strings, 5 * 121);
    // A module without a table answers nothing.
    EXPECT_EQ(winapi::LoadStringA(nullptr, 10380, nullptr, 0), 0);
    char buffer[16] = "x";
    EXPECT_EQ(winapi::LoadStringA(nullptr, 10380, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
}

std::string versionValue(const std::vector<char>& info, const char* query) {
    void* value = nullptr;
    winapi::UINT length = 0;
    if (!winapi::VerQueryValueA(info.data(), query, &value, &length))
        return "<absent>";
    EXPECT_EQ(length, std::strlen(static_cast<const char*>(value)) + 1) << query;
    return static_cast<const char*>(value);
}

TEST(LocaleVersionRecord, ReadFromTheModuleFile) {
    winapi::DWORD handle = 7;
    const winapi::DWORD size = winapi::GetFileVersionInfoSizeA(modulePath().c_str(), &handle);
    ASSERT_GT(size, 0u);
    EXPECT_EQ(handle, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(winapi::GetFileVersionInfoA(modulePath().c_str(), handle, size, info.data()));
    EXPECT_EQ(versionValue(info, "\\StringFileInfo\\040904E4\\FileVersion"), "5.01.00.00");
    EXPECT_EQ(versionValue(info, "\\StringFileInfo\\040904E4\\ProductVersion"), "5.01.00.00");
    EXPECT_EQ(versionValue(info, "\\StringFileInfo\\040904E4\\Comments"), "Localization DLL");
    EXPECT_EQ(versionValue(info, "\\StringFileInfo\\040904e4\\FileDescription"),
              "Tessary 5.0 - Localization DLL");
    EXPECT_EQ(versionValue(info, "\\StringFileInfo\\040904E4\\ProductName"), "Tessary 5.01");
    EXPECT_EQ(versionValue(info, "\\StringFileInfo\\040904E4\\CompanyName"), "<absent>");
    EXPECT_EQ(versionValue(info, "\\StringFileInfo\\040704E4\\ProductName"), "<absent>");
    EXPECT_EQ(versionValue(info, "\\StringFileInfo\\040904E4"), "<absent>");
    EXPECT_EQ(versionValue(info, "\\StringFileInfo\\040904E4\\translation"), "<absent>");

    void* value = nullptr;
    winapi::UINT length = 0;
    ASSERT_TRUE(winapi::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    std::uint16_t words[2];
    std::memcpy(words, value, sizeof words);
    EXPECT_EQ(words[0], 0x0409);
    EXPECT_EQ(words[1], 1252);
    ASSERT_TRUE(winapi::VerQueryValueA(info.data(), "\\", &value, &length));
    winapi::VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00050001u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00050001u);
    // A buffer too small for the record is refused.
    EXPECT_FALSE(winapi::GetFileVersionInfoA(modulePath().c_str(), 0, size - 1, info.data()));
}

struct BadFile {
    const char* name;
    std::string bytes; // empty name: file absent
};

class FilesWithoutRecord : public testing::TestWithParam<BadFile> {};

// Anything but an ELF file with a sound record has no version information and must not crash.
TEST_P(FilesWithoutRecord, GiveSizeZero) {
    const auto path = std::filesystem::temp_directory_path() / ("vxversion-" + std::string(GetParam().name));
    std::filesystem::remove(path);
    if (GetParam().bytes != "<absent>") {
        std::ofstream out(path, std::ios::binary);
        out << GetParam().bytes;
    }
    winapi::DWORD handle = 1;
    EXPECT_EQ(winapi::GetFileVersionInfoSizeA(path.c_str(), &handle), 0u);
    EXPECT_EQ(handle, 0u);
    char buffer[64] = {};
    EXPECT_FALSE(winapi::GetFileVersionInfoA(path.c_str(), 0, sizeof buffer, buffer));
    std::filesystem::remove(path);
}

std::string moduleBytes(std::size_t keep, std::size_t patchAt = 0, std::string patch = {}) {
    std::ifstream in(modulePath(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (keep < bytes.size())
        bytes.resize(keep);
    if (!patch.empty() && patchAt + patch.size() <= bytes.size())
        bytes.replace(patchAt, patch.size(), patch);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Bad, FilesWithoutRecord,
    testing::Values(BadFile{"Absent", "<absent>"}, BadFile{"Empty", ""}, BadFile{"Text", "[intl]\nsDate=/\n"},
                    BadFile{"ElfHeaderOnly", moduleBytes(64)}, BadFile{"SectionTableCut", moduleBytes(4096)},
                    BadFile{"SectionTableFarAway",
                            moduleBytes(SIZE_MAX, 0x28, std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 8))},
                    BadFile{"BigEndianMark", moduleBytes(SIZE_MAX, 5, std::string("\x02", 1))},
                    BadFile{"NamesIndexOutOfRange", moduleBytes(SIZE_MAX, 0x3E, std::string("\xFF\xFF", 2))}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(GetLanguage, ProgramWithoutVersionRecordGivesZero) {
    ::setenv("LEDGERINE_PROGDIR", binDir().c_str(), 1);
    winapi::HMODULE module = winapi::LoadLibraryA("VXLOCALE.DLL");
    ASSERT_NE(module, nullptr);
    auto getLanguage = reinterpret_cast<int (*)()>(winapi::GetProcAddress(module, "GetLanguage"));
    ASSERT_NE(getLanguage, nullptr);
    EXPECT_EQ(getLanguage(), 0); // this test program carries no record
    winapi::FreeLibrary(module);
    ::unsetenv("LEDGERINE_PROGDIR");
}

TEST(GetLanguage, ProgramWithVersionRecordGivesItsLanguage) {
    const std::string command = "LEDGERINE_PROGDIR='" + binDir() + "' '" VXLOCALE_HOST "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[32] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = ::pclose(pipe);
    ASSERT_TRUE(read);
    EXPECT_EQ(status, 0);
    EXPECT_STREQ(line, "1031\n"); // 0x0407, German
}

} // namespace
