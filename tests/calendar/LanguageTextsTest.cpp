#include "calendar/core/LanguageTexts.h"
#include "MapIntl.h"
#include "calendar/core/WinIniIntl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using vxcal::LanguageTexts;

struct LanguageRow {
    int number;
    const char* code;
    const char* january;
    const char* monday2;
    const char* sunday;
    const char* june3;
};

class LanguageNumberRows : public testing::TestWithParam<LanguageRow> {};

// Texts are the single-byte (Windows-1252) bytes the control draws.
TEST_P(LanguageNumberRows, SelectsBlockAndCode) {
    const LanguageRow& r = GetParam();
    MapIntl intl;
    LanguageTexts t(intl);
    ASSERT_EQ(t.setLanguageNumber(r.number), 0);
    EXPECT_EQ(t.languageNumber(), r.number);
    EXPECT_EQ(t.language(), r.code);
    EXPECT_EQ(t.monthName(1), r.january);
    EXPECT_EQ(t.twoLetterWeekdayName(1), r.monday2);
    EXPECT_EQ(t.weekdayName(0), r.sunday);
    EXPECT_EQ(t.shortMonthName(6), r.june3);
}

INSTANTIATE_TEST_SUITE_P(AllNumbers, LanguageNumberRows,
                         testing::Values(LanguageRow{0, "WWW", "January", "Mo", "Sunday", "Jun"},
                                         LanguageRow{1, "DAN", "Januar", "Ma", "S\xF8ndag", "Jun"},
                                         LanguageRow{2, "DEU", "Januar", "Mo", "Sonntag", "Jun"},
                                         LanguageRow{3, "ENG", "January", "Mo", "Sunday", "Jun"},
                                         LanguageRow{4, "ENU", "January", "Mo", "Sunday", "Jun"},
                                         LanguageRow{5, "ESN", "Enero", "Lu", "Domingo", "Jun"},
                                         LanguageRow{6, "ESP", "Enero", "Lu", "Domingo", "Jun"},
                                         LanguageRow{7, "FIN", "Tammikuu", "Ma", "Sunnuntai", "Kes"},
                                         LanguageRow{8, "FRA", "Janvier", "Lu", "Dimanche", "Jui"},
                                         LanguageRow{9, "FRC", "Janvier", "Lu", "Dimanche", "Jui"},
                                         LanguageRow{10, "ISL",
                                                     "Jan\xB7"
                                                     "ar",
                                                     "M", "Sunnudagur", "J\xB7n_"},
                                         LanguageRow{11, "ITA", "Gennaio", "Lu", "Domenica", "Giu"},
                                         LanguageRow{12, "NLD", "Januari", "Ma", "Zondag", "Jun"},
                                         LanguageRow{13, "NOR", "Januar", "Ma", "S\xF8ndag", "Jun"},
                                         LanguageRow{14, "PTG", "Janeiro", "Se", "Domingo ", "Jun"},
                                         LanguageRow{15, "SVE", "Januari", "M\xE5", "S\xF6ndag", "Jun"},
                                         LanguageRow{16, "EPT", "Januaro", "Lu", "Dimanco", "Jun"},
                                         LanguageRow{17, "SER", "Sijecanj", "Po", "Nedelja", "Lip"}),
                         [](const auto& row) { return std::string(row.param.code); });

TEST(LanguageTexts, StoredSpellingsKept) {
    MapIntl intl;
    LanguageTexts t(intl);
    t.setLanguageNumber(8);
    EXPECT_EQ(t.shortMonthName(7), "Juil");
    EXPECT_EQ(t.monthName(2), "F\xE9vrier");
    EXPECT_EQ(t.shortMonthName(12), "D\xE9"
                                    "c");
    t.setLanguageNumber(15);
    EXPECT_EQ(t.monthName(2), "Febrauri");
    t.setLanguageNumber(10);
    EXPECT_EQ(t.weekdayName(1), "M\xDFnudagur");
    EXPECT_EQ(t.weekdayName(5), "F\xF7studagur");
    EXPECT_EQ(t.threeLetterWeekdayName(2), "_ri");
    t.setLanguageNumber(14);
    EXPECT_EQ(t.threeLetterWeekdayName(2), "T\xEAr");
    EXPECT_EQ(t.twoLetterWeekdayName(2), "T\xEA");
}

TEST(LanguageTexts, OutOfRangeArgumentsGiveEmptyText) {
    MapIntl intl;
    LanguageTexts t(intl);
    EXPECT_EQ(t.monthName(0), "");
    EXPECT_EQ(t.monthName(13), "");
    EXPECT_EQ(t.shortMonthName(-1), "");
    EXPECT_EQ(t.weekdayName(7), "");
    EXPECT_EQ(t.twoLetterWeekdayName(-1), "");
    EXPECT_EQ(t.threeLetterWeekdayName(7), "");
}

TEST(LanguageTexts, LanguageCodeSetter) {
    MapIntl intl;
    LanguageTexts t(intl);
    EXPECT_EQ(t.language(), "WWW");
    t.setLanguageCode("fra");
    EXPECT_EQ(t.languageNumber(), 8);
    EXPECT_EQ(t.language(), "fra");
    EXPECT_EQ(t.monthName(1), "Janvier");
    // Not a code: the number and texts stay, the text is kept.
    t.setLanguageCode("XYZ");
    EXPECT_EQ(t.languageNumber(), 8);
    EXPECT_EQ(t.language(), "XYZ");
    EXPECT_EQ(t.monthName(1), "Janvier");
    t.setLanguageCode(std::nullopt);
    EXPECT_EQ(t.languageNumber(), 0);
    EXPECT_EQ(t.monthName(1), "January");
    t.setLanguageCode("www");
    EXPECT_EQ(t.languageNumber(), 0);
}

TEST(LanguageTexts, LanguageNumberOutOfRangeChangesNothing) {
    MapIntl intl;
    LanguageTexts t(intl);
    t.setLanguageNumber(2);
    for (int bad : {18, -1, 32767}) {
        EXPECT_EQ(t.setLanguageNumber(bad), 380);
        EXPECT_EQ(t.languageNumber(), 2);
        EXPECT_EQ(t.language(), "DEU");
        EXPECT_EQ(t.monthName(1), "Januar");
    }
}

struct PanelRow {
    const char* name;
    const char* sLanguage; // nullptr: key absent
    const char* january;
};

class ControlPanelLanguage : public testing::TestWithParam<PanelRow> {};

// LanguageNumber 0 follows WIN.INI [intl] sLanguage, read from the Windows directory.
TEST_P(ControlPanelLanguage, FromWinIni) {
    const PanelRow& r = GetParam();
    const auto dir = std::filesystem::temp_directory_path() / ("vxcal-intl-" + std::string(r.name));
    std::filesystem::create_directories(dir);
    {
        std::ofstream ini(dir / "WIN.INI", std::ios::binary | std::ios::trunc);
        ini << "[windows]\r\nload=\r\n[Intl]\r\n";
        if (r.sLanguage)
            ini << "sLanguage=" << r.sLanguage << "\r\n";
        ini << "iDate=0\r\n";
    }
    ::setenv("LEDGERINE_WINDIR", dir.c_str(), 1);
    vxcal::WinIniIntl intl;
    LanguageTexts t(intl);
    EXPECT_EQ(t.languageNumber(), 0);
    EXPECT_EQ(t.language(), "WWW");
    EXPECT_EQ(t.monthName(1), r.january);
    ::unsetenv("LEDGERINE_WINDIR");
    std::filesystem::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Codes, ControlPanelLanguage,
                         testing::Values(PanelRow{"Dutch", "NLD", "Januari"},
                                         PanelRow{"OldSpanish", "ESP", "Enero"},
                                         PanelRow{"LowerCaseGerman", "deu", "Januar"},
                                         PanelRow{"UnknownIsEnglish", "KLI", "January"},
                                         PanelRow{"AbsentIsEnglish", nullptr, "January"},
                                         PanelRow{"WwwMatchesNothing", "WWW", "January"},
                                         PanelRow{"LongerThanTenIsCut", "NLDXXXXXXXXX", "January"}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
