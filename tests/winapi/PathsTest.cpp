#include "winapi/Paths.h"

#include "winapi/TestEnv.h"

#include <gtest/gtest.h>

#include <optional>
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
} // namespace
