#include "winapi/Module.h"

#include "winapi/TestEnv.h"

#include <gtest/gtest.h>

#include <string>

using namespace winapi;

namespace {

struct NameCase {
    const char* name;
    const char* module;
    const char* file;
};

// Rows print as their names in test listings.
void PrintTo(const NameCase& row, std::ostream* os) { *os << row.name; }

class ModuleFileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ModuleFileName, MapsWindowsNameToLinuxFile) { EXPECT_EQ(moduleFileName(GetParam().module), GetParam().file); }

INSTANTIATE_TEST_SUITE_P(Table, ModuleFileName,
                         ::testing::Values(NameCase{"BareName", "VXLOCALE", "libvxlocale.so"},
                                           NameCase{"DllExtension", "VXLOCALE.DLL", "libvxlocale.so"},
                                           NameCase{"OcxExtension", "vxcal32.ocx", "libvxcal32.so"},
                                           NameCase{"MixedCaseOcx", "VXCALNDR.ocx", "libvxcalndr.so"},
                                           NameCase{"LinuxNameKept", "libm.so.6", "libm.so.6"},
                                           NameCase{"PathKept", "/opt/x/Lib.DLL", "/opt/x/Lib.DLL"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LoadLibrary, FindsModuleInProgramFolderAndResolvesExports) {
    vxtest::ScopedEnv prog("LEDGERINE_PROGDIR", VX_TEST_MODULE_DIR);
    HMODULE module = LoadLibraryA("VXTESTMOD.DLL");
    ASSERT_NE(module, nullptr);
    auto* answer = reinterpret_cast<int (*)()>(GetProcAddress(module, "VxTestAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(GetProcAddress(module, "NoSuchExport"), nullptr);

    char path[1024];
    const DWORD n = GetModuleFileNameA(module, path, sizeof path);
    EXPECT_EQ(std::string(path, n), (std::filesystem::path(VX_TEST_MODULE_DIR) / "libvxtestmod.so").string());
    char small[5];
    EXPECT_EQ(GetModuleFileNameA(module, small, sizeof small), 4u);
    EXPECT_EQ(small[4], '\0');
    EXPECT_EQ(FreeLibrary(module), 1);
}

TEST(LoadLibrary, FallsBackToLibraryPathAndFailsCleanly) {
    vxtest::TempDir empty;
    vxtest::ScopedEnv prog("LEDGERINE_PROGDIR", empty.path().string());
    EXPECT_EQ(LoadLibraryA("VXTESTMOD.DLL"), nullptr);
    EXPECT_EQ(LoadLibraryA(""), nullptr);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(FreeLibrary(nullptr), 0);
    HMODULE libm = LoadLibraryA("libm.so.6");
    ASSERT_NE(libm, nullptr);
    EXPECT_NE(GetProcAddress(libm, "cos"), nullptr);
    EXPECT_EQ(FreeLibrary(libm), 1);
}

} // namespace
