#include "winapi/Locale.h"

#include "winapi/TestEnv.h"

#include <gtest/gtest.h>

#include <string>

using namespace winapi;

namespace {

struct LcidCase {
    const char* locale;
    LCID lcid;
};

// Rows print as their names in test listings.
void PrintTo(const LcidCase& row, std::ostream* os) { *os << row.locale; }

class LcidFromLocale : public ::testing::TestWithParam<LcidCase> {};

TEST_P(LcidFromLocale, MapsToWindowsIdentifier) { EXPECT_EQ(lcidFromLocaleName(GetParam().locale), GetParam().lcid); }

std::string rowName(const char* locale) {
    std::string s = *locale ? locale : "Empty";
    for (char& ch : s)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LcidFromLocale,
    ::testing::Values(LcidCase{"en_US", 0x0409}, LcidCase{"en_GB", 0x0809}, LcidCase{"de_DE", 0x0407},
                      LcidCase{"de_CH", 0x0807}, LcidCase{"de_AT", 0x0C07}, LcidCase{"fr_FR", 0x040C},
                      LcidCase{"fr_CA", 0x0C0C}, LcidCase{"fr_CH", 0x100C}, LcidCase{"fr_BE", 0x080C},
                      LcidCase{"it_IT", 0x0410}, LcidCase{"it_CH", 0x0810}, LcidCase{"ja_JP", 0x0411},
                      LcidCase{"nl_NL", 0x0413}, LcidCase{"es_ES", 0x0C0A}, LcidCase{"pt_BR", 0x0416},
                      LcidCase{"pt_PT", 0x0816}, LcidCase{"sv_SE", 0x041D}, LcidCase{"da_DK", 0x0406},
                      LcidCase{"nb_NO", 0x0414}, LcidCase{"no_NO", 0x0414}, LcidCase{"fi_FI", 0x040B},
                      LcidCase{"is_IS", 0x040F},
                      // codeset and modifier ignored, case ignored, '-' accepted
                      LcidCase{"de_CH.UTF-8", 0x0807}, LcidCase{"fr_CA.ISO-8859-1@euro", 0x0C0C},
                      LcidCase{"DE-ch", 0x0807},
                      // language alone or with an unknown country: its primary sublanguage
                      LcidCase{"de", 0x0407}, LcidCase{"fr", 0x040C}, LcidCase{"es", 0x040A},
                      LcidCase{"de_BE", 0x0407},
                      // nothing usable: US English
                      LcidCase{"C", 0x0409}, LcidCase{"POSIX", 0x0409}, LcidCase{"C.UTF-8", 0x0409},
                      LcidCase{"", 0x0409}, LcidCase{"xx_YY", 0x0409}),
    [](const auto& row) { return rowName(row.param.locale); });

struct EnvCase {
    const char* name;
    std::optional<std::string> lcAll, lcMessages, lang;
    LCID lcid;
};

// Rows print as their names in test listings.
void PrintTo(const EnvCase& row, std::ostream* os) { *os << row.name; }

class SystemLcid : public ::testing::TestWithParam<EnvCase> {};

TEST_P(SystemLcid, FirstNonEmptyVariableWins) {
    const EnvCase& c = GetParam();
    vxtest::ScopedEnv a("LC_ALL", c.lcAll);
    vxtest::ScopedEnv m("LC_MESSAGES", c.lcMessages);
    vxtest::ScopedEnv l("LANG", c.lang);
    EXPECT_EQ(GetSystemDefaultLCID(), c.lcid);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SystemLcid,
    ::testing::Values(EnvCase{"LcAllFirst", "de_CH.UTF-8", "fr_FR", "it_IT", 0x0807},
                      EnvCase{"EmptyLcAllSkipped", "", "fr_CA", "it_IT", 0x0C0C},
                      EnvCase{"LangLast", std::nullopt, std::nullopt, "it_CH.UTF-8", 0x0810},
                      EnvCase{"CLocaleIsEnglish", "C", "de_DE", "de_DE", 0x0409},
                      EnvCase{"NothingSet", std::nullopt, std::nullopt, std::nullopt, 0x0409}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
