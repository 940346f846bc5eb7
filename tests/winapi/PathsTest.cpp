#include "winapi/Paths.h"

#include "winapi/TestEnv.h"

#include <gtest/gtest.h>

#include <string>

using namespace winapi;

namespace {

struct WindirCase {
    const char* name;
    std::optional<std::string> windir;
    std::optional<std::string> xdg;
    std::optional<std::string> home;
    std::string expected;
};

// Rows print as their names in test listings.
void PrintTo(const WindirCase& row, std::ostream* os) { *os << row.name; }

class WindowsDirectory : public ::testing::TestWithParam<WindirCase> {};

TEST_P(WindowsDirectory, FollowsEnvironment) {
    const WindirCase& c = GetParam();
    vxtest::ScopedEnv a("LEDGERINE_WINDIR", c.windir);
    vxtest::ScopedEnv b("XDG_CONFIG_HOME", c.xdg);
    vxtest::ScopedEnv h("HOME", c.home);
    EXPECT_EQ(windowsDirectory(), std::filesystem::path(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, WindowsDirectory,
    ::testing::Values(WindirCase{"OwnVariableWins", "/w", "/x", "/h", "/w"},
                      WindirCase{"XdgConfigHome", std::nullopt, "/x", "/h", "/x/ledgerine95"},
                      WindirCase{"EmptyOwnVariableIgnored", "", "/x", "/h", "/x/ledgerine95"},
                      WindirCase{"RelativeXdgIgnored", std::nullopt, "rel", "/h", "/h/.config/ledgerine95"},
                      WindirCase{"HomeConfig", std::nullopt, std::nullopt, "/h", "/h/.config/ledgerine95"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProgramDirectory, VariableOrFolderOfExecutable) {
    {
        vxtest::ScopedEnv p("LEDGERINE_PROGDIR", "/opt/ledgerine");
        EXPECT_EQ(programDirectory(), std::filesystem::path("/opt/ledgerine"));
    }
    vxtest::ScopedEnv p("LEDGERINE_PROGDIR", std::nullopt);
    EXPECT_TRUE(std::filesystem::exists(programDirectory() / "winapi_tests"));
}

// Files placed in the program folder and two PATH folders; the row names what is asked for
// and where it must be found.
struct FindCase {
    const char* name;
    std::vector<std::string> progFiles;
    std::vector<std::string> path1Files;
    std::vector<std::string> path2Files;
    std::string wanted;
    std::string expected; // "prog/x", "p1/x", "p2/x" or "" for not found
};

// Rows print as their names in test listings.
void PrintTo(const FindCase& row, std::ostream* os) { *os << row.name; }

class FindFileInPath : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindFileInPath, SearchesProgramFolderThenPath) {
    const FindCase& c = GetParam();
    vxtest::TempDir root;
    const auto make = [&](const std::string& folder, const std::vector<std::string>& files) {
        std::filesystem::create_directories(root.path() / folder);
        for (const auto& f : files) {
            if (f.ends_with("/"))
                std::filesystem::create_directories(root.path() / folder / f);
            else
                vxtest::writeBytes(root.path() / folder / f, "x");
        }
    };
    make("prog", c.progFiles);
    make("p1", c.path1Files);
    make("p2", c.path2Files);
    vxtest::ScopedEnv prog("LEDGERINE_PROGDIR", (root.path() / "prog").string());
    vxtest::ScopedEnv path("PATH", (root.path() / "p1").string() + "::" + (root.path() / "p2").string());
    const auto found = findFileInPath(c.wanted);
    if (c.expected.empty()) {
        EXPECT_FALSE(found.has_value()) << found->string();
    } else {
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(*found, root.path() / c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindFileInPath,
    ::testing::Values(
        FindCase{"ExeNameFindsLinuxProgram", {}, {}, {"abacon32"}, "Abacon32.exe", "p2/abacon32"},
        FindCase{"ProgramFolderBeforePath", {"abacon32"}, {"abacon32"}, {}, "Abacon32.exe", "prog/abacon32"},
        FindCase{"EarlierPathEntryFirst", {}, {"abacon32"}, {"abacon32"}, "Abacon32.exe", "p1/abacon32"},
        FindCase{"CaseIgnored", {"LEDGRN32.hlp"}, {}, {}, "ledgrn32.HLP", "prog/LEDGRN32.hlp"},
        FindCase{"ExactSpellingPreferred", {}, {"Abacon32.exe", "abacon32"}, {}, "Abacon32.exe", "p1/Abacon32.exe"},
        FindCase{"FolderOfThatNameSkipped", {"abacon32/"}, {}, {"abacon32"}, "Abacon32.exe", "p2/abacon32"},
        FindCase{"ExtensionOnlyStrippedForExe", {}, {"ledgrn32"}, {}, "ledgrn32.hlp", ""},
        FindCase{"NotFound", {}, {}, {}, "Abacon32.exe", ""}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
