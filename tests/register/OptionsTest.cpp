// The list options, the file search along the PATH and the start-up messages.
#include "register/core/FileSearch.h"
#include "register/core/Options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

namespace fs = std::filesystem;
using ledger::FontDecision;
using ledger::ListFont;

// --- File search ------------------------------------------------------------------------------------

// A program folder and three PATH folders, each a fresh temporary folder.
class SearchFolders {
public:
    SearchFolders() {
        std::random_device random;
        root_ = fs::temp_directory_path() / ("ledger-search-" + std::to_string(random()));
        for (const char* name : {"prog", "p1", "p2", "p3"})
            fs::create_directories(root_ / name);
    }
    ~SearchFolders() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::string dir(const std::string& name) const { return (root_ / name).string(); }
    void put(const std::string& folder, const std::string& file) const { std::ofstream(root_ / folder / file) << "x"; }
    void putFolder(const std::string& folder, const std::string& name) const {
        fs::create_directories(root_ / folder / name);
    }

private:
    fs::path root_;
};

struct SearchCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> files; // folder, file name
    const char* path;   // PATH with folder names standing for their folders
    const char* wanted; // the name searched
    const char* found;  // "folder/file", or "" when nothing is found
};

class FileSearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(FileSearchTest, FindsTheFirstFolderThatHoldsTheFile) {
    const SearchCase& c = GetParam();
    const SearchFolders folders;
    for (const auto& [folder, file] : c.files)
        folders.put(folder, file);
    if (std::string(c.name) == "a folder of that name is no file")
        folders.putFolder("p1", "ledgrn32.hlp");
    std::string path = c.path;
    for (const char* folder : {"p1", "p2", "p3"}) {
        const auto at = path.find(folder);
        if (at != std::string::npos)
            path.replace(at, 2, folders.dir(folder));
    }
    const auto found = ledger::findInPath(c.wanted, folders.dir("prog"), path);
    const std::string expected = c.found;
    if (expected.empty()) {
        EXPECT_FALSE(found.has_value()) << *found;
    } else {
        ASSERT_TRUE(found.has_value());
        const auto slash = expected.find('/');
        EXPECT_EQ(*found, (fs::path(folders.dir(expected.substr(0, slash))) / expected.substr(slash + 1)).string());
    }
}

const SearchCase kSearchCases[] = {
    {"program folder first", {{"prog", "ledgrn32.hlp"}, {"p1", "ledgrn32.hlp"}}, "p1", "ledgrn32.hlp",
     "prog/ledgrn32.hlp"},
    {"a PATH folder other than the program folder", {{"p2", "ledgrn32.hlp"}}, "p1:p2:p3", "ledgrn32.hlp",
     "p2/ledgrn32.hlp"},
    {"PATH order decides", {{"p3", "abacon32"}, {"p2", "abacon32"}}, "p1:p2:p3", "abacon32", "p2/abacon32"},
    {"semicolons as written elsewhere", {{"p3", "lgncodes.csv"}}, "p1;p2;p3", "lgncodes.csv", "p3/lgncodes.csv"},
    {"empty entries and a trailing separator", {{"p2", "ledgrn32.hlp"}}, "::p2:", "ledgrn32.hlp", "p2/ledgrn32.hlp"},
    {"a missing folder is passed over", {{"p2", "ledgrn32.hlp"}}, "/nonexistent/folder:p2", "ledgrn32.hlp",
     "p2/ledgrn32.hlp"},
    {"capitals in the file's name", {{"p1", "LEDGRN32.HLP"}}, "p1", "ledgrn32.hlp", "p1/LEDGRN32.HLP"},
    {"exact spelling before capitals", {{"p1", "LEDGRN32.HLP"}, {"p1", "ledgrn32.hlp"}}, "p1", "ledgrn32.hlp",
     "p1/ledgrn32.hlp"},
    {"a folder of that name is no file", {{"p2", "ledgrn32.hlp"}}, "p1:p2", "ledgrn32.hlp", "p2/ledgrn32.hlp"},
    {"not anywhere", {{"p1", "other.hlp"}}, "p1:p2", "ledgrn32.hlp", ""},
    {"no PATH at all", {{"p1", "ledgrn32.hlp"}}, "", "ledgrn32.hlp", ""},
    {"a name with a folder part never leaves the search folders", {{"p1", "ledgrn32.hlp"}}, "p2",
     "../p1/ledgrn32.hlp", ""},
    {"an empty name", {{"p1", "x"}}, "p1", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, FileSearchTest, testing::ValuesIn(kSearchCases),
                         [](const testing::TestParamInfo<SearchCase>& row) {
                             std::string n = row.param.name;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(FileSearchMessages, NotFoundNamesTheFileThreeTimes) {
    EXPECT_EQ(ledger::notFoundInPathText("Abacon32.exe"),
              "Abacon32.exe not found in your path.\rWindows has searched your PATH environment variable for "
              "Abacon32.exe\rSo you need to copy Abacon32.exe to a directory included in your PATH\rIf you wish "
              "to use this feature while running Ledgerine 95!");
}

TEST(FileSearchMessages, RunTimeErrorGivesNumberSourceAndDescription) {
    EXPECT_EQ(ledger::runTimeErrorText(53, "Ledgrn32", "File not found"),
              "Error # 53 was generated by Ledgrn32\rFile not found");
}

// --- List font --------------------------------------------------------------------------------------

struct FontCase {
    const char* name;
    ListFont current;
    ListFont chosen;
    FontDecision decision;
};

class FontDecisionTest : public testing::TestWithParam<FontCase> {};

TEST_P(FontDecisionTest, Decides) {
    EXPECT_EQ(ledger::fontDecision(GetParam().current, GetParam().chosen), GetParam().decision);
}

const ListFont kCourier{"Courier New", 9.75, true, false};
const FontCase kFontCases[] = {
    {"default chosen while current", kCourier, {"Courier New", 9.75, true, false}, FontDecision::NoChangeNeeded},
    // Only the names count: a bigger or plainer Courier New changes nothing either.
    {"default in another size while current", kCourier, {"Courier New", 14, false, true},
     FontDecision::NoChangeNeeded},
    {"twelve points is no caution", kCourier, {"Lucida Console", 12, false, false}, FontDecision::Apply},
    {"fourteen points asks", kCourier, {"Lucida Console", 14, false, false}, FontDecision::AskCaution},
    {"just above twelve asks", kCourier, {"Lucida Console", 12.5, false, false}, FontDecision::AskCaution},
    {"back to the default from another font", {"Lucida Console", 10, false, false}, kCourier, FontDecision::Apply},
    {"large default from another font asks", {"Lucida Console", 10, false, false}, {"Courier New", 16, true, false},
     FontDecision::AskCaution},
};

INSTANTIATE_TEST_SUITE_P(Rows, FontDecisionTest, testing::ValuesIn(kFontCases),
                         [](const testing::TestParamInfo<FontCase>& row) {
                             std::string n = row.param.name;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(ListOptions, LongFaceNamesAreCutToThirtyCharactersNotBytes) {
    ledger::Settings s;
    // 32 characters, the accented ones two bytes each: the cut must not split one.
    const std::string name = "\xC3\xA9" + std::string(29, 'a') + "\xC3\xA9" + "b";
    ledger::storeListFont(s, ListFont{name, 11, false, true});
    EXPECT_EQ(s.fontName, "\xC3\xA9" + std::string(29, 'a'));
    EXPECT_EQ(s.fontSize, 11);
    EXPECT_FALSE(s.fontBold);
    EXPECT_TRUE(s.fontItalic);
}

TEST(ListOptions, RestoreDefaultsPutsBackSizesMessagesColoursAndFont) {
    ledger::Settings startUp;
    startUp.formHeight = 8100;
    startUp.formWidth = 13500;
    startUp.listHeight = 0;
    startUp.listWidth = 0;
    ledger::Settings s;
    s.formHeight = 3000;
    s.formWidth = 4000;
    s.listHeight = 1000;
    s.listWidth = 2000;
    s.messages = false;
    s.textColor = 255;
    s.backColor = 0;
    s.fontName = "Lucida Console";
    s.fontSize = 14;
    s.fontBold = false;
    s.fontItalic = true;
    s.codetypes = "mine.csv";
    EXPECT_TRUE(ledger::restoreDefaults(s, startUp));
    EXPECT_EQ(s.formHeight, 8100);
    EXPECT_EQ(s.formWidth, 13500);
    EXPECT_EQ(s.listHeight, 0);
    EXPECT_EQ(s.listWidth, 0);
    EXPECT_TRUE(s.messages);
    EXPECT_EQ(s.textColor, 12582912u);
    EXPECT_EQ(s.backColor, 16777152u);
    EXPECT_EQ(ledger::listFontOf(s), (ListFont{"Courier New", 9.75, true, false}));
    EXPECT_EQ(s.codetypes, "mine.csv"); // not an option of the lists
    // Already the default font: the lists need no rebuilding.
    EXPECT_FALSE(ledger::restoreDefaults(s, startUp));
}

} // namespace
