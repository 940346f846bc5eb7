#include "register/core/CodeFile.h"

#include "runtime/FileIo.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using ledger::CodeRecord;
using ledger::CodeTable;
using ledger::makeCodeRecord;
namespace fs = std::filesystem;
namespace box = runtime::mb;
using runtime::Message;
using namespace std::string_literals;

constexpr int kCriticalBox = box::vbOKOnly + box::vbCritical;

Message message(std::string text, int style, std::string title = "Ledgerine 95", bool beep = false) {
    return Message{std::move(text), std::move(title), style, beep};
}

const Message kBadBudget = message("Invalid Budget data encountered, amount of zero assumed", kCriticalBox);

std::string sourceFile(const std::string& relative) {
    const char* root = std::getenv("VX_SOURCE_DIR");
    return std::string(root ? root : LEDGER_SOURCE_DIR) + "/" + relative;
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Names each row of a table after its `name`.
struct RowName {
    template <class Row> std::string operator()(const testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

class CodeFileFolder : public testing::Test {
protected:
    void SetUp() override {
        std::string templ = (fs::temp_directory_path() / "ledgercodes-XXXXXX").string();
        ASSERT_NE(::mkdtemp(templ.data()), nullptr);
        dir_ = templ;
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    fs::path dir_;
};

// --- Written bytes ------------------------------------------------------------------------------

TEST(CodeFileBytes, EveryFieldQuotedAtItsFullWidth) {
    CodeTable table;
    table.append(makeCodeRecord("Rent", "RENT", "-1450.00"));
    table.append(ledger::spacerRecord());
    table.append(makeCodeRecord("Café Crème", "CAFÉ", "-12.50"));
    table.append(makeCodeRecord("Say \"hi\"", "", "5.00"));
    table.append(makeCodeRecord("Ω Ohm", "Ω", "7"));
    const std::string expected = "\"Rent                     \",\"RENT\",\" -1450.00\"\r\n"
                                 "\"*******************      \",\"****\",\"*********\"\r\n"
                                 "\"Caf\xE9 Cr\xE8me               \",\"CAF\xC9\",\"   -12.50\"\r\n"
                                 "\"Say \"\"hi\"\"                 \",\"    \",\"     5.00\"\r\n"
                                 "\"? Ohm                    \",\"?   \",\"        7\"\r\n"s;
    EXPECT_EQ(ledger::encodeCodeFile(table), expected);
    EXPECT_EQ(ledger::encodeCodeFile(CodeTable()), "");
    // The doubled quote reads back as one, so the table survives the file.
    EXPECT_EQ(ledger::decodeCodeFile(expected, "codes.csv").table, table);
}

TEST(CodeFileBytes, SampleFileReadsAndWritesBackByteForByte) {
    const std::string bytes = readBytes(sourceFile("samples/lgncodes.csv"));
    ASSERT_FALSE(bytes.empty());
    const ledger::CodeFileLoad load = ledger::decodeCodeFile(bytes, "/opt/ledger/lgncodes.csv");
    EXPECT_TRUE(load.messages.empty());
    ASSERT_TRUE(load.loaded());
    EXPECT_EQ(load.fileTitle, "lgncodes.csv");
    ASSERT_EQ(load.table.count(), bytes.size() / 48);
    EXPECT_EQ(load.table.at(0), makeCodeRecord("Opening Balance", "OPEN", "0.00"));
    EXPECT_TRUE(load.table.at(1).isIncome());
    EXPECT_TRUE(load.table.at(3).isSpacer());
    EXPECT_TRUE(load.table.at(4).isExpense());
    EXPECT_EQ(load.table.at(4).budgetAmount(), runtime::Currency::fromUnits(-1450));
    EXPECT_EQ(ledger::encodeCodeFile(load.table), bytes);
}

// --- Budget validity ----------------------------------------------------------------------------

struct BudgetCase {
    const char* name;
    std::string text; // UTF-8
    bool valid;
};

class CodeFileBudget : public testing::TestWithParam<BudgetCase> {};

TEST_P(CodeFileBudget, ValidityFollowsLengthAndCharacterClass) {
    EXPECT_EQ(ledger::isValidBudgetText(GetParam().text), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    CodeFile, CodeFileBudget,
    testing::Values(BudgetCase{"PlainAmount", "1450.00", true}, BudgetCase{"Negative", "-1450.00", true},
                    BudgetCase{"PaddedToNine", "  -150.00", true}, BudgetCase{"OneDigit", "7", true},
                    BudgetCase{"NineDigits", "123456789", true}, BudgetCase{"EmptyIsTooShort", "", false},
                    BudgetCase{"TenCharacters", "1234567.00", false},
                    BudgetCase{"SpacerMark", "*********", true},
                    BudgetCase{"TenAsterisks", "**********", false}, BudgetCase{"FewAsterisks", "**", true},
                    BudgetCase{"Letter", "12.0O", false}, BudgetCase{"AccentedLetter", "1\xC3\xA9", false},
                    BudgetCase{"SuperscriptDigitsCountAsDigits", "\xC2\xB2\xC2\xB3", true},
                    BudgetCase{"FractionIsNoDigit", "\xC2\xBD", false},
                    BudgetCase{"ThousandsComma", "1,000.00", false}, BudgetCase{"DollarSign", "$5.00", false},
                    BudgetCase{"PlusSign", "+5.00", false}, BudgetCase{"Tab", "\t5.00", false}),
    RowName());

// --- Reading lines ------------------------------------------------------------------------------

struct LinesCase {
    const char* name;
    std::string bytes;
    std::vector<CodeRecord> records;
    std::size_t badBudgets; // warnings, all of them kBadBudget
};

class CodeFileLines : public testing::TestWithParam<LinesCase> {};

TEST_P(CodeFileLines, ReadAsRecords) {
    const LinesCase& c = GetParam();
    const ledger::CodeFileLoad load = ledger::decodeCodeFile(c.bytes, "/data/codes.csv");
    EXPECT_TRUE(load.loaded());
    EXPECT_EQ(load.table.records(), c.records);
    EXPECT_EQ(load.messages, std::vector<Message>(c.badBudgets, kBadBudget));
}

const CodeRecord kRent = makeCodeRecord("Rent", "RENT", "-1.00");
const CodeRecord kPay = makeCodeRecord("Pay", "PAY", "2.00");

INSTANTIATE_TEST_SUITE_P(
    CodeFile, CodeFileLines,
    testing::Values(
        LinesCase{"EmptyFile", "", {}, 0}, LinesCase{"OnlyBlankLines", "\r\n  \r\n\t\n", {}, 0},
        LinesCase{
            "LineFeedsOnly", "\"Rent\",\"RENT\",\"-1.00\"\n\"Pay\",\"PAY\",\"2.00\"\n", {kRent, kPay}, 0},
        LinesCase{
            "NoFinalLineEnd", "\"Rent\",\"RENT\",\"-1.00\"\r\n\"Pay\",\"PAY\",\"2.00\"", {kRent, kPay}, 0},
        LinesCase{"LoneCarriageReturns",
                  "\"Rent\",\"RENT\",\"-1.00\"\r\"Pay\",\"PAY\",\"2.00\"\r",
                  {kRent, kPay},
                  0},
        LinesCase{"BlankLinesBetween",
                  "\r\n\"Rent\",\"RENT\",\"-1.00\"\r\n\r\n   \r\n\"Pay\",\"PAY\",\"2.00\"\r\n",
                  {kRent, kPay},
                  0},
        LinesCase{"CtrlZEndsTheFile",
                  "\"Rent\",\"RENT\",\"-1.00\"\r\n\x1A\"Pay\",\"PAY\",\"2.00\"\r\n",
                  {kRent},
                  0},
        LinesCase{"UnquotedFieldsLoseSurroundingBlanks", "   Rent  ,  RENT , -1.00   \r\n", {kRent}, 0},
        LinesCase{"QuotedBlanksAreKept",
                  "\" Rent\",\"RE  \",\" -1.00 \"\r\n",
                  {makeCodeRecord(" Rent", "RE", "  -1.00 ")},
                  0},
        LinesCase{"CommaInsideQuotes",
                  "\"Food, drink\",\"GROC\",\"-5.00\"\r\n",
                  {makeCodeRecord("Food, drink", "GROC", "-5.00")},
                  0},
        LinesCase{"DoubledQuotes",
                  "\"6\"\" pipe \"\"A\"\"\",\"PIPE\",\"1.00\"\r\n",
                  {makeCodeRecord("6\" pipe \"A\"", "PIPE", "1.00")},
                  0},
        LinesCase{"TextAfterClosingQuoteDropped", "\"Rent\"xx ,\"RENT\"  ,\"-1.00\"\r\n", {kRent}, 0},
        LinesCase{"EmptyCodeAccepted", "\"Misc\",\"\",\"3.00\"\r\n", {makeCodeRecord("Misc", "", "3.00")}, 0},
        LinesCase{"ExtraFieldsIgnored",
                  "\"Rent\",\"RENT\",\"-1.00\",\"x\",7\r\n\"Rent\",\"RENT\",\"-1.00\",\r\n",
                  {kRent, kRent},
                  0},
        LinesCase{"MissingBudgetIsZero",
                  "\"Rent\",\"RENT\"\r\n\"Pay\"\r\n",
                  {makeCodeRecord("Rent", "RENT", "0.00"), makeCodeRecord("Pay", "", "0.00")},
                  2},
        LinesCase{"UnclosedQuoteRunsToLineEnd",
                  "\"Rent,RENT,-1.00\r\n\"Pay\",\"PAY\",\"2.00\"\r\n",
                  {makeCodeRecord("Rent,RENT,-1.00", "", "0.00"), kPay},
                  1},
        LinesCase{
            "BadBudgetsRepairedAndLoadingGoesOn",
            "\"Rent\",\"RENT\",\"1234567.00\"\r\n\"Pay\",\"PAY\",\"2.OO\"\r\n\"Pay\",\"PAY\",\"2.00\"\r\n",
            {makeCodeRecord("Rent", "RENT", "0.00"), makeCodeRecord("Pay", "PAY", "0.00"), kPay},
            2},
        LinesCase{"SpacerMarkLoadsAsSpacer",
                  "\"*******************\",\"****\",\"*********\"\r\n",
                  {ledger::spacerRecord()},
                  0},
        LinesCase{"WidestFieldsFit",
                  "\"1234567890123456789012345\",\"ABCD\",\"123456.78\"\r\n",
                  {makeCodeRecord("1234567890123456789012345", "ABCD", "123456.78")},
                  0}),
    RowName());

// --- Aborted loads ------------------------------------------------------------------------------

struct AbortCase {
    const char* name;
    std::string bytes;
    std::vector<Message> messages;
};

class CodeFileAbort : public testing::TestWithParam<AbortCase> {};

TEST_P(CodeFileAbort, LoadsNothing) {
    const ledger::CodeFileLoad load = ledger::decodeCodeFile(GetParam().bytes, "/data/codes.csv");
    EXPECT_TRUE(load.noCodeFile);
    EXPECT_TRUE(load.table.empty());
    EXPECT_EQ(load.fileTitle, "");
    EXPECT_EQ(load.messages, GetParam().messages);
}

const std::string kGoodLine = "\"Rent\",\"RENT\",\"-1.00\"\r\n";
const Message kLongDescription = message("A Check Code description of longer than 25 characters was "
                                         "encountered.\rLoading of /data/codes.csv aborted!",
                                         kCriticalBox);
const Message kLongCode = message("Invalid or missing Check Code Type encountered.\rLonger than 4 "
                                  "characters.\rLoading of /data/codes.csv aborted!",
                                  kCriticalBox);

std::string manyLines(std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += kGoodLine;
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    CodeFile, CodeFileAbort,
    testing::Values(
        AbortCase{"DescriptionOf26AfterGoodRecords",
                  kGoodLine + "\"Pay\",\"PAY\",\"x\"\r\n\"12345678901234567890123456\",\"RENT\",\"1.00\"\r\n",
                  {kBadBudget, kLongDescription}},
        AbortCase{"AccentedDescriptionOf26",
                  "\"\xE9"
                  "2345678901234567890123456\",\"A\",\"1\"\r\n",
                  {kLongDescription}},
        AbortCase{"CodeOf5", kGoodLine + "\"Rent\",\"RENTS\",\"1.00\"\r\n" + kGoodLine, {kLongCode}},
        AbortCase{"QuotedBlankMakesCodeTooLong", "\"Rent\",\"RENT \",\"1.00\"\r\n", {kLongCode}},
        AbortCase{"DescriptionCheckedBeforeCode",
                  "\"12345678901234567890123456\",\"RENTS\",\"x\"\r\n",
                  {kLongDescription}},
        AbortCase{"MoreRecordsThanTheCountHolds", manyLines(32768), {message("Overflow", box::vbOKOnly)}}),
    RowName());

TEST(CodeFileTable, HoldsAsManyRecordsAsTheCountAllows) {
    const ledger::CodeFileLoad load = ledger::decodeCodeFile(manyLines(32767), "codes.csv");
    EXPECT_TRUE(load.messages.empty());
    EXPECT_EQ(load.table.count(), 32767u);
    CodeTable table = load.table;
    EXPECT_FALSE(table.insert(0, kPay));
    EXPECT_TRUE(table.remove(32766));
    EXPECT_TRUE(table.insert(0, kPay));
    EXPECT_EQ(table.at(0), kPay);
}

TEST(CodeFileTable, InsertRemoveAndFindKeepTheOrder) {
    CodeTable table;
    EXPECT_FALSE(table.insert(1, kRent));
    EXPECT_TRUE(table.insert(0, kRent));
    EXPECT_TRUE(table.insert(0, kPay)); // the first line selected: the new code goes to the top
    EXPECT_TRUE(table.insert(1, ledger::spacerRecord()));
    EXPECT_TRUE(table.append(makeCodeRecord("Misc", "", "1.00")));
    EXPECT_EQ(table.records(), (std::vector<CodeRecord>{kPay, ledger::spacerRecord(), kRent,
                                                        makeCodeRecord("Misc", "", "1.00")}));
    EXPECT_EQ(table.find("RENT"), 2u);
    EXPECT_EQ(table.find("RENT    "), 2u);
    EXPECT_EQ(table.find("****"), std::nullopt);
    EXPECT_EQ(table.find("rent"), std::nullopt);
    EXPECT_EQ(table.find(""), 3u);
    EXPECT_TRUE(table.remove(1));
    EXPECT_FALSE(table.remove(3));
    EXPECT_FALSE(table.replace(3, kRent));
    EXPECT_EQ(table.records(), (std::vector<CodeRecord>{kPay, kRent, makeCodeRecord("Misc", "", "1.00")}));
}

// --- Choosing and reading the file --------------------------------------------------------------

class CodeFileLoading : public CodeFileFolder {
protected:
    ledger::CodeFileSource source(std::string active, std::string setting) {
        ledger::CodeFileSource s;
        s.activePath = std::move(active);
        s.codetypesSetting = std::move(setting);
        s.findFileInPath = [this](std::string_view name) -> std::optional<std::string> {
            searched_.emplace_back(name);
            const fs::path candidate = dir_ / std::string(name);
            return fs::exists(candidate) ? std::optional<std::string>(candidate.string()) : std::nullopt;
        };
        return s;
    }
    std::vector<std::string> searched_;
};

const Message kDefaultNotInPath = message(
    "lgncodes.csv not found in your path.\rWindows has searched your PATH environment variable for "
    "lgncodes.csv\rSo you need to copy lgncodes.csv to a directory included in your PATH\rIf you wish to use "
    "this feature while running Ledgerine 95!",
    box::vbOKOnly + box::vbExclamation, "Ledgerine 95 File Search", true);

TEST_F(CodeFileLoading, UnreadableSettingFallsBackToTheDefaultAlongThePath) {
    const ledger::CodeFileLoad load = ledger::loadCodeFile(source("", ""));
    EXPECT_EQ(load.messages, (std::vector<Message>{message("Unable to read Code types file name!",
                                                           box::vbOKOnly + box::vbExclamation),
                                                   kDefaultNotInPath}));
    EXPECT_EQ(searched_, std::vector<std::string>{"lgncodes.csv"});
    EXPECT_TRUE(load.noCodeFile);
    EXPECT_FALSE(load.askedToContinue);
}

TEST_F(CodeFileLoading, DefaultFoundAlongThePathBecomesTheActivePath) {
    writeBytes(dir_ / "lgncodes.csv", kGoodLine);
    const ledger::CodeFileLoad load = ledger::loadCodeFile(source("", "lgncodes.csv"));
    EXPECT_TRUE(load.messages.empty());
    ASSERT_TRUE(load.loaded());
    EXPECT_EQ(load.path, (dir_ / "lgncodes.csv").string());
    EXPECT_EQ(load.fileTitle, "lgncodes.csv");
    EXPECT_EQ(load.table.records(), std::vector<CodeRecord>{kRent});
}

TEST_F(CodeFileLoading, ActivePathWinsOverTheSetting) {
    writeBytes(dir_ / "home.csv", kGoodLine + kGoodLine);
    const ledger::CodeFileLoad load =
        ledger::loadCodeFile(source((dir_ / "home.csv").string(), "lgncodes.csv"));
    EXPECT_TRUE(searched_.empty());
    EXPECT_EQ(load.fileTitle, "home.csv");
    EXPECT_EQ(load.table.count(), 2u);
}

TEST_F(CodeFileLoading, MissingNamedFileAsksWhetherToContinue) {
    for (const fs::path& path : {dir_ / "gone.csv", dir_ / "nofolder" / "gone.csv"}) {
        const ledger::CodeFileLoad load = ledger::loadCodeFile(source("", path.string()));
        EXPECT_EQ(load.messages, std::vector<Message>{message(
                                     "Transaction Codes File " + path.string() + " Not Found! Continue?",
                                     box::vbYesNo + box::vbExclamation, "Ledgerine Error", true)});
        EXPECT_TRUE(load.askedToContinue);
        EXPECT_TRUE(load.noCodeFile);
        EXPECT_EQ(load.fileTitle, "");
    }
}

TEST_F(CodeFileLoading, UnreadableOrHugeFilesShowTheErrorAndLoadNothing) {
    const std::string huge = manyLines(ledger::kMaxCodeFileSize / kGoodLine.size() + 1);
    writeBytes(dir_ / "huge.csv", huge);
    const struct {
        fs::path path;
        const char* text;
    } cases[] = {{dir_, "Path/File access error"}, {dir_ / "huge.csv", "Out of memory"}};
    for (const auto& c : cases) {
        const ledger::CodeFileLoad load = ledger::loadCodeFile(source(c.path.string(), ""));
        EXPECT_EQ(load.messages, std::vector<Message>{message(c.text, box::vbOKOnly)}) << c.path;
        EXPECT_TRUE(load.noCodeFile);
        EXPECT_TRUE(load.table.empty());
        EXPECT_FALSE(load.askedToContinue);
    }
}

// --- Saving -------------------------------------------------------------------------------------

TEST_F(CodeFileFolder, SavedFileReloadsAndStaysStableUnderRepeatedSaves) {
    const std::string path = (dir_ / "codes.csv").string();
    CodeTable table;
    table.append(makeCodeRecord("  Indented", "A", "1"));
    table.append(ledger::spacerRecord());
    table.append(makeCodeRecord("Quote \"", "\"", "-0.5"));
    ASSERT_TRUE(ledger::saveCodeFile(path, table).ok);
    const std::string first = readBytes(path);
    const ledger::CodeFileLoad load = ledger::decodeCodeFile(first, path);
    EXPECT_EQ(load.table, table);
    ASSERT_TRUE(ledger::saveCodeFile(path, load.table).ok);
    EXPECT_EQ(readBytes(path), first);
    EXPECT_EQ(entries(), 1u);
}

struct SaveFault {
    const char* name;
    runtime::ReplaceStep step;
    int err;
    int number;
    bool writeErrorText; // the codes file's own text, or the standard error text
};

class CodeFileSaveFault : public CodeFileFolder, public testing::WithParamInterface<SaveFault> {};

TEST_P(CodeFileSaveFault, OldFileStaysAndTheRightMessageIsShown) {
    const SaveFault& c = GetParam();
    const std::string path = (dir_ / "codes.csv").string();
    writeBytes(path, kGoodLine);
    const ledger::CodeFileSave save = ledger::saveCodeFile(
        path, CodeTable({kPay}), [&](runtime::ReplaceStep s) { return s == c.step ? c.err : 0; });
    EXPECT_FALSE(save.ok);
    EXPECT_EQ(save.errorNumber, c.number);
    ASSERT_TRUE(save.message);
    if (c.writeErrorText)
        EXPECT_EQ(*save.message, message("Error writing transaction codes file \r" + path, kCriticalBox));
    else
        EXPECT_EQ(*save.message, message("Too many files", box::vbOKOnly));
    EXPECT_EQ(readBytes(path), kGoodLine);
    EXPECT_EQ(entries(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    CodeFile, CodeFileSaveFault,
    testing::Values(SaveFault{"FileAlreadyOpen55", runtime::ReplaceStep::Rename, EBUSY, 55, true},
                    SaveFault{"DeviceError57", runtime::ReplaceStep::Sync, EIO, 57, true},
                    SaveFault{"DiskFull61", runtime::ReplaceStep::Write, ENOSPC, 61, true},
                    SaveFault{"AccessError75", runtime::ReplaceStep::CreateTemp, EACCES, 75, true},
                    SaveFault{"OtherErrorShowsItsText", runtime::ReplaceStep::CreateTemp, EMFILE, 67, false}),
    RowName());

// --- List lines ---------------------------------------------------------------------------------

struct LineCase {
    const char* name;
    CodeRecord record;
    std::string picker;
    std::string maintenance;
};

class CodeFileListLine : public testing::TestWithParam<LineCase> {};

TEST_P(CodeFileListLine, ShowsTheFixedColumns) {
    EXPECT_EQ(ledger::pickerLine(GetParam().record), GetParam().picker);
    EXPECT_EQ(ledger::maintenanceLine(GetParam().record), GetParam().maintenance);
}

INSTANTIATE_TEST_SUITE_P(
    CodeFile, CodeFileListLine,
    testing::Values(LineCase{"ExpenseInParentheses", makeCodeRecord("Rent", "RENT", "-1450.00"),
                             "Rent                            RENT",
                             "Rent                            RENT    (1,450.00)"},
                    LineCase{"Income", makeCodeRecord("Salary", "SAL", "6240.9"),
                             "Salary                          SAL ",
                             "Salary                          SAL       6,240.90"},
                    LineCase{"Zero", makeCodeRecord("Misc", "", "0"), "Misc                                ",
                             "Misc                                          0.00"},
                    LineCase{"Spacer", ledger::spacerRecord(), "*******************             ****",
                             "*******************             ****     *********"},
                    LineCase{"WideAmountKeptWhole", makeCodeRecord("Big", "BIG", "999999999"),
                             "Big                             BIG ",
                             "Big                             BIG   999,999,999.00"}),
    RowName());

TEST(CodeFileListLines, EmptyTableShowsOnePlaceholderLine) {
    EXPECT_EQ(ledger::maintenanceLines(CodeTable()), std::vector<std::string>{std::string(36, ' ') + "0.00"});
    EXPECT_EQ(ledger::maintenanceLines(CodeTable({kRent})).size(), 1u);
}

} // namespace
