#include "register/core/Settings.h"
#include "register/core/ChequeBookFile.h"
#include "register/core/DiskError.h"
#include "register/core/RegisterList.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Section "Ledgrn" in memory, recording the order of the writes.
class MemoryStore : public ledger::SettingsStore {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> failing;
    std::vector<std::string> writeOrder;

    std::string getString(std::string_view key, std::string_view def, int bufferSize) const override {
        const auto it = values.find(key);
        const std::string value = it == values.end() ? std::string(def) : it->second;
        return value.substr(0, static_cast<std::size_t>(bufferSize - 1));
    }
    int getInt(std::string_view key, int def) const override {
        const auto it = values.find(key);
        return it == values.end() ? def : std::atoi(it->second.c_str());
    }
    bool writeString(std::string_view key, std::string_view value) override {
        writeOrder.emplace_back(key);
        if (failing.count(key)) {
            return false;
        }
        values[std::string(key)] = value;
        return true;
    }
};

TEST(LedgerSettings, MissingFileGivesTheBuiltInDefaults) {
    const ledger::Settings s = ledger::readSettings(MemoryStore());
    EXPECT_EQ(s.fontName, "Courier New");
    EXPECT_DOUBLE_EQ(s.fontSize, 9.75);
    EXPECT_TRUE(s.fontBold);
    EXPECT_FALSE(s.fontItalic);
    EXPECT_TRUE(s.messages);
    EXPECT_EQ(s.codetypes, "lgncodes.csv");
    EXPECT_FALSE(s.recentFiles.anyShown());
    EXPECT_EQ(s.formHeight, ledger::Settings().formHeight);
}

TEST(LedgerSettings, StoredValuesAreRead) {
    MemoryStore store;
    store.values = {{"FormHeight", "7200"},
                    {"FormWidth", "9000"},
                    {"ListHeight", "5000"},
                    {"ListWidth", "8800"},
                    {"FontName", "Lucida Console"},
                    {"FontSize", "12"},
                    {"FontBold", "0"},
                    {"FontItalic", "-1"},
                    {"Messages", "0"},
                    {"TextColor", "255"},
                    {"BackColor", "not a colour"},
                    {"Codetypes", "/home/pat/budget.csv  "},
                    {" 0", "/home/pat/a.lgn"},
                    {" 2", "none"},
                    {" 3", "/home/pat/" + std::string(300, 'x')}};
    const ledger::Settings s = ledger::readSettings(store);
    EXPECT_EQ(s.formHeight, 7200);
    EXPECT_EQ(s.formWidth, 9000);
    EXPECT_EQ(s.listHeight, 5000);
    EXPECT_EQ(s.listWidth, 8800);
    EXPECT_EQ(s.fontName, "Lucida Console");
    EXPECT_DOUBLE_EQ(s.fontSize, 12);
    EXPECT_FALSE(s.fontBold);
    EXPECT_TRUE(s.fontItalic);
    EXPECT_FALSE(s.messages);
    EXPECT_EQ(s.textColor, 255u);
    EXPECT_EQ(s.backColor, 0xFFFFFFu); // unreadable: the default stays
    EXPECT_EQ(s.codetypes, "/home/pat/budget.csv");
    EXPECT_EQ(s.recentFiles.entry(0), "/home/pat/a.lgn");
    EXPECT_FALSE(s.recentFiles.isShown(1));
    EXPECT_FALSE(s.recentFiles.isShown(2));
    EXPECT_EQ(s.recentFiles.entry(3).size(), 254u); // the 255-character buffer
}

TEST(LedgerSettings, DamagedSizesKeepTheBuiltInSize) {
    const std::pair<const char*, int> rows[] = {{"abc", 6600},      {"0", 6600},      {"-120", 6600},
                                                {"", 6600},         {"1", 1},         {"7200twips", 7200},
                                                {"120000", 120000}, {"120001", 6600}, {"2147483647", 6600}};
    for (const auto& [text, height] : rows) {
        MemoryStore store;
        store.values = {{"FormHeight", text}, {"FormWidth", text}, {"ListHeight", text}, {"ListWidth", text}};
        const ledger::Settings s = ledger::readSettings(store);
        EXPECT_EQ(s.formHeight, height) << '"' << text << '"';
        EXPECT_EQ(s.formWidth, height == 6600 ? ledger::Settings().formWidth : height) << '"' << text << '"';
        EXPECT_EQ(s.listHeight, height == 6600 ? ledger::Settings().listHeight : height)
            << '"' << text << '"';
    }
}

TEST(LedgerSettings, DamagedFontSizeKeepsTheBuiltInSize) {
    const std::pair<const char*, double> rows[] = {{"12", 12},     {"1", 1},       {"200", 200},
                                                   {"201", 9.75},  {"0", 9.75},    {"-8", 9.75},
                                                   {"huge", 9.75}, {"99999", 9.75}};
    for (const auto& [text, size] : rows) {
        MemoryStore store;
        store.values = {{"FontSize", text}};
        EXPECT_DOUBLE_EQ(ledger::readSettings(store).fontSize, size) << '"' << text << '"';
    }
}

TEST(LedgerSettings, ExitWritesEveryKeyInOrder) {
    ledger::Settings s;
    s.formHeight = 7200;
    s.formWidth = 9000;
    s.listHeight = 5000;
    s.listWidth = 8800;
    s.fontSize = 9.75;
    s.textColor = 8388608;
    s.messages = false;
    s.recentFiles.add("/home/pat/b.lgn");
    s.recentFiles.add("/home/pat/a.lgn");
    MemoryStore store;
    EXPECT_TRUE(ledger::writeSettingsAtExit(store, s).empty());
    EXPECT_EQ(store.writeOrder,
              (std::vector<std::string>{"Messages", "FormHeight", "FormWidth", "ListHeight", "ListWidth",
                                        "TextColor", "BackColor", "FontName", "FontSize", "FontBold",
                                        "FontItalic", " 0", " 1", " 2", " 3"}));
    const std::map<std::string, std::string, std::less<>> expected = {{"Messages", "0"},
                                                                      {"FormHeight", "7200"},
                                                                      {"FormWidth", "9000"},
                                                                      {"ListHeight", "5000"},
                                                                      {"ListWidth", "8800"},
                                                                      {"TextColor", "8388608"},
                                                                      {"BackColor", "16777215"},
                                                                      {"FontName", "Courier New"},
                                                                      {"FontSize", "10"},
                                                                      {"FontBold", "-1"},
                                                                      {"FontItalic", "0"},
                                                                      {" 0", "/home/pat/a.lgn"},
                                                                      {" 1", "/home/pat/b.lgn"},
                                                                      {" 2", "none"},
                                                                      {" 3", "none"}};
    EXPECT_EQ(store.values, expected);

    // What was written reads back as the same settings.
    const ledger::Settings again = ledger::readSettings(store);
    EXPECT_EQ(ledger::exitWrites(again).size(), 15u);
    EXPECT_EQ(again.recentFiles.entry(0), "/home/pat/a.lgn");
    EXPECT_FALSE(again.messages);
    EXPECT_EQ(again.textColor, 8388608u);
}

TEST(LedgerSettings, FailedWritesAreReportedAndTheRestGoesOn) {
    const std::pair<const char*, const char*> rows[] = {
        {"Messages", "Unable to write messages profile string!"},
        {"FormHeight", "Unable to write form height profile string!"},
        {"FormWidth", "Unable to write form width profile string!"},
        {"ListHeight", "Unable to write list box height profile string!"},
        {"ListWidth", "Unable to write list box width profile string!"},
        {"TextColor", nullptr},
        {"BackColor", nullptr},
        {"FontName", nullptr},
        {"FontSize", nullptr},
        {"FontBold", nullptr},
        {"FontItalic", nullptr},
        {" 0", nullptr},
        {" 3", nullptr},
    };
    for (const auto& [key, message] : rows) {
        MemoryStore store;
        store.failing = {key};
        const std::vector<std::string> shown = ledger::writeSettingsAtExit(store, ledger::Settings());
        EXPECT_EQ(store.writeOrder.size(), 15u) << key;
        EXPECT_EQ(shown, message ? std::vector<std::string>{message} : std::vector<std::string>{}) << key;
    }
    EXPECT_EQ(ledger::showMessagesCaption(true), "Hide &Messages");
    EXPECT_EQ(ledger::showMessagesCaption(false), "Show &Messages");
}

TEST(LedgerRecentFiles, NewestFirstWithoutRepeats) {
    struct Row {
        const char* name;
        std::vector<const char*> opened;
        std::vector<const char*> entries;
    };
    const Row rows[] = {
        {"Nothing", {}, {"none", "none", "none", "none"}},
        {"One", {"a"}, {"a", "none", "none", "none"}},
        {"NewestOnTop", {"a", "b", "c"}, {"c", "b", "a", "none"}},
        {"FifthPushesOldestOut", {"a", "b", "c", "d", "e"}, {"e", "d", "c", "b"}},
        {"ReopenMovesToTop", {"a", "b", "c", "d", "b"}, {"b", "d", "c", "a"}},
        {"ReopenTopChangesNothing", {"a", "b", "b"}, {"b", "a", "none", "none"}},
        {"EmptyPathIgnored", {"a", ""}, {"a", "none", "none", "none"}},
        {"AccentedPathListed",
         {"/home/r\xC3\xA9mi/caf\xC3\xA9.lgn"},
         {"/home/r\xC3\xA9mi/caf\xC3\xA9.lgn", "none", "none", "none"}},
        {"PathTheSettingsCannotHoldLeftOff", {"a", "/home/\xD0\xBA/b.lgn"}, {"a", "none", "none", "none"}},
    };
    for (const Row& row : rows) {
        ledger::RecentFiles recent;
        for (const char* path : row.opened) {
            recent.add(path);
        }
        for (std::size_t n = 0; n < 4; ++n) {
            EXPECT_EQ(recent.entry(n), row.entries[n]) << row.name << " entry " << n;
            EXPECT_EQ(recent.isShown(n), std::string(row.entries[n]) != "none") << row.name;
        }
        EXPECT_EQ(recent.anyShown(), !row.opened.empty() && *row.opened[0]) << row.name;
    }
    EXPECT_EQ(ledger::RecentFiles::key(0), " 0");
    EXPECT_EQ(ledger::RecentFiles::key(3), " 3");
}

TEST(LedgerDiskError, EachErrorHasItsMessageButtonsAndIcon) {
    struct Row {
        int error;
        const char* message;
        int style;
    };
    const int ari = 2 + 48, ok = 0 + 48;
    const Row rows[] = {
        {68, "That device appears unavailable.", ari},
        {71, "Insert a disk in the drive and close the door.", ok},
        {57, "Internal disk error.", ari},
        {61, "Disk is full. Continue?", 3 + 32},
        {52, "That filename is illegal.", ari},
        {64, "That filename is illegal.", ari},
        {53, "That file cannot be found.", ari},
        {76, "That path doesn't exist.", ari},
        {75, "Can't open your file for that type of access.", ari},
        {55, "This file is already open.", ok},
        {62,
         "This file has a nonstandard end of file marker, or an attempt was made to read beyond the "
         "end-of-file marker.",
         ok},
    };
    for (const Row& row : rows) {
        const auto prompt = ledger::diskErrorPrompt(row.error);
        ASSERT_TRUE(prompt) << row.error;
        EXPECT_EQ(prompt->text, row.message);
        EXPECT_EQ(prompt->title, "Disk Error");
        EXPECT_EQ(prompt->style, row.style) << row.error;
        EXPECT_FALSE(prompt->beep);
    }
    for (int other : {0, 6, 7, 70, 999}) {
        EXPECT_FALSE(ledger::diskErrorPrompt(other)) << other;
    }
    // OK, Cancel, Abort, Retry, Ignore, Yes, No.
    using Action = ledger::DiskErrorAction;
    const std::pair<int, Action> answers[] = {{1, Action::Retry},  {2, Action::Cancel}, {3, Action::Cancel},
                                              {4, Action::Retry},  {5, Action::Skip},   {6, Action::GiveUp},
                                              {7, Action::GiveUp}, {0, Action::GiveUp}};
    for (const auto& [answer, result] : answers) {
        EXPECT_EQ(ledger::diskErrorResult(answer), result) << answer;
    }
}

TEST(LedgerDiskError, OnlyAnOkBoxMetTwiceRunningGivesUp) {
    struct Row {
        int error, previous;
        bool givesUp;
    };
    const Row rows[] = {
        {55, 55, true},    {71, 71, true},  {62, 62, true}, // OK is the only answer: no endless loop
        {55, 0, false},    {55, 53, false},                 // the first time OK still retries
        {53, 53, false},   {61, 61, false},                 // Abort or Cancel is there to leave by
        {999, 999, false},                                  // no box at all: the caller gives up anyway
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ledger::diskErrorRepeatsWithoutWayOut(row.error, row.previous), row.givesUp)
            << row.error << " after " << row.previous;
    }
}

TEST(LedgerPasswordAndTitle, LengthRulesCountCharacters) {
    EXPECT_FALSE(ledger::passwordTooLong("abcd"));
    EXPECT_TRUE(ledger::passwordTooLong("abcde"));
    EXPECT_FALSE(ledger::passwordTooLong("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9")); // four accented letters
    EXPECT_FALSE(ledger::titleTooLong(std::string(25, 'T')));
    EXPECT_TRUE(ledger::titleTooLong(std::string(26, 'T')));
    EXPECT_EQ(ledger::storedPassword(""), "5827");
    EXPECT_EQ(ledger::storedPassword("ab"), "ab  ");

    ledger::ChequeBook book;
    EXPECT_FALSE(book.hasPassword());
    EXPECT_TRUE(ledger::passwordMatches(book, "anything"));
    book.password = ledger::storedPassword("ab");
    EXPECT_TRUE(ledger::passwordMatches(book, "ab"));
    EXPECT_FALSE(ledger::passwordMatches(book, "abc"));
    EXPECT_FALSE(ledger::passwordMatches(book, ""));
}

struct PasswordEntryRow {
    const char* name;
    std::string entry;
    std::string_view problem;
};

class LedgerPasswordEntry : public testing::TestWithParam<PasswordEntryRow> {};

TEST_P(LedgerPasswordEntry, RefusesWhatTheFileCannotKeep) {
    EXPECT_EQ(ledger::passwordEntryProblem(GetParam().entry), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerPasswordEntry,
    testing::Values(PasswordEntryRow{"FourLetters", "ab12", {}}, PasswordEntryRow{"Empty", "", {}},
                    PasswordEntryRow{"Blanks", "   ", {}},
                    PasswordEntryRow{"FourAccented", "\xC3\xA9\xC3\xA8\xC3\xBC\xC3\xB1", {}},
                    PasswordEntryRow{"Five", "abcde", ledger::kPasswordTooLongMessage},
                    PasswordEntryRow{"NoPasswordMarker", "5827", ledger::kPasswordUnusableMessage},
                    PasswordEntryRow{"MarkerWithBlank", "5827 ", ledger::kPasswordTooLongMessage},
                    PasswordEntryRow{"Cyrillic", "\xD0\xBF\xD0\xB0\xD1\x80",
                                     ledger::kPasswordUnusableMessage},
                    PasswordEntryRow{"Tab", "a\tb", ledger::kPasswordUnusableMessage}),
    [](const testing::TestParamInfo<PasswordEntryRow>& row) { return std::string(row.param.name); });

TEST(LedgerPasswordAndTitle, OnlyTheStoredPasswordOpensTheBook) {
    struct Row {
        const char* stored;
        std::string entry;
        bool opens;
    };
    const Row rows[] = {
        {"ab  ", "ab", true},
        {"ab  ", "ab  ", true},
        {"ab  ", "abc", false},
        {"ab  ", "", false},
        {"abcd", "abcd", true},
        {"abcd", "abcde", false}, // not cut to fit
        {"abcd", "ABCD", false},
        {"????", "\xD0\xBF\xD0\xB0\xD1\x80\xD0\xBE", false},
        {"????", "????", true},
        {"5827", "anything", true},
        {"\xC3\xA9t\xC3\xA9 ", "\xC3\xA9t\xC3\xA9", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ledger::passwordMatches(std::string_view(row.stored), row.entry), row.opens)
            << row.stored << " / " << row.entry;
    }
}

TEST(LedgerBudgetPeriod, ShowingOnlyThePeriodLosesNothingOnSave) {
    const runtime::OleDate sep1 = 46266.0, sep30 = 46295.0, today = 46280.0;
    auto make = [&](runtime::OleDate start, runtime::OleDate end) {
        ledger::ChequeBook book;
        book.period = {start, end};
        book.items = {ledger::makeItem(46235.0, 0, "August", runtime::Currency::fromUnits(1), "A"),
                      ledger::makeItem(sep1 + 0.75, 0, "September", runtime::Currency::fromUnits(2), "A"),
                      ledger::makeItem(sep30 + 0.5, 0, "Late Sept", runtime::Currency::fromUnits(4), "A"),
                      ledger::makeItem(46300.0, 0, "October", runtime::Currency::fromUnits(8), "A")};
        return book;
    };
    struct Row {
        const char* name;
        runtime::OleDate start, end;
        ledger::PeriodView view;
        std::size_t shown;
    };
    const Row rows[] = {
        {"September", sep1, sep30, ledger::PeriodView::Period, 2},
        {"EndedYesterday", 46200.0, today - 1, ledger::PeriodView::EndInPast, 4},
        {"EndsToday", sep1, today, ledger::PeriodView::Period, 1},
        {"NothingInside", 46310.0, 46400.0, ledger::PeriodView::NoItemsInPeriod, 4},
    };
    for (const Row& row : rows) {
        ledger::ChequeBook book = make(row.start, row.end);
        EXPECT_EQ(ledger::showOnlyBudgetPeriod(book, today), row.view) << row.name;
        EXPECT_EQ(book.items.size(), row.shown) << row.name;
        const ledger::ReadResult read = ledger::decodeChequeBook(ledger::encodeChequeBook(book, ""));
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.contents.items.size(), 4u) << row.name;
    }
    EXPECT_EQ(ledger::periodViewNote(ledger::PeriodView::EndInPast),
              "NOTE: - The end of the BUDGET PERIOD is assumed to be a future date.\n"
              "However the end of the current BUDGET PERIOD is a past date!\nLoading entire Ledgerine file.");
    EXPECT_EQ(ledger::periodViewNote(ledger::PeriodView::NoItemsInPeriod),
              "No transactions found in budget period!\nLoading entire Ledgerine file.");
    EXPECT_TRUE(ledger::periodViewNote(ledger::PeriodView::Period).empty());
    EXPECT_FALSE(ledger::BudgetPeriod().isSet());
}

} // namespace
