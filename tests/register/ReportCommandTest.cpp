// The report commands of `ledgrn`, run in-process with captured streams: each writes the same
// text as the window's report, and every failure is told on the error stream with a status.
#include "register/Golden.h"
#include "register/ItemBuilder.h"
#include "register/cli/ReportCommands.h"
#include "register/core/ChequeBookFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string contents(std::FILE* f) {
    std::fflush(f);
    std::rewind(f);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
        text.append(buffer, n);
    return text;
}

struct Outcome {
    int status = 0;
    std::string out, err;
};

using Command = int (*)(const std::vector<std::string>&, const ledger::ReportEnv&);

Outcome runCommand(Command command, const std::vector<std::string>& args) {
    const runtime::FixedClock clock(booktest::goldenNow());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Outcome result;
    result.status = command(args, {out, err, &clock, [] {
                                       return std::optional<std::string>();
                                   }});
    result.out = contents(out);
    result.err = contents(err);
    std::fclose(out);
    std::fclose(err);
    return result;
}

const std::string kSample = booktest::sourcePath("samples/sample.lgn");

struct GoldenCase {
    const char* name;
    Command command;
    std::vector<std::string> args;
    const char* golden;
};

class ReportCommandOutput : public testing::TestWithParam<GoldenCase> {};

TEST_P(ReportCommandOutput, IsTheWindowsText) {
    const Outcome r = runCommand(GetParam().command, GetParam().args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    booktest::expectGolden(GetParam().golden, r.out);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReportCommandOutput,
    testing::Values(GoldenCase{"ExportText", ledger::runExportTextCommand, {kSample}, "sample.export.txt"},
                    GoldenCase{"ExportCsv", ledger::runExportCsvCommand, {kSample}, "sample.export.csv"},
                    GoldenCase{"ListingWithCodes",
                               ledger::runListingCommand,
                               {"GROC", kSample, "--codes", booktest::sourcePath("samples/lgncodes.csv")},
                               "sample.listing-GROC.txt"},
                    // The book links lgncodes.csv beside it; the budget period is the default range.
                    GoldenCase{"BudgetSummaryThroughTheLink",
                               ledger::runBudgetSummaryCommand,
                               {kSample},
                               "sample.budget-summary.txt"},
                    GoldenCase{"IncomeStatement",
                               ledger::runIncomeStatementCommand,
                               {kSample},
                               "sample.income-statement.txt"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReportCommand, DatesNarrowTheExport) {
    const Outcome r =
        runCommand(ledger::runExportCsvCommand, {kSample, "--from", "11/27/26", "--to", "11/28/2026"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "\"11/27/26\",126,\"Gift for Mom             \",-60,\"GIFT\",\" \"\r\n"
                     "\"11/28/26\",127,\"Keystone Insurance       \",-132.75,\"INS \",\" \"\r\n"
                     "\"11/28/26\",0,\"ATM Withdrawal           \",-80,\"CASH\",\" \"\r\n");
}

fs::path tempFolder(const char* name) {
    const fs::path dir = fs::path(testing::TempDir()) / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

TEST(ReportCommand, FailuresAreToldWithAStatus) {
    const fs::path dir = tempFolder("ledgrn-report-failures");
    // A book without a link to a budget/code file.
    ledger::ChequeBook unlinked;
    unlinked.items = {booktest::item(1, runtime::oleFromCivil(2026, 1, 2), 0, "Pay", 10000, "SAL", 'd')};
    const std::string unlinkedPath = (dir / "unlinked.lgn").string();
    ledger::saveChequeBook(unlinkedPath, unlinked, "");
    const std::string missing = (dir / "missing.lgn").string();

    const struct {
        const char* name;
        Command command;
        std::vector<std::string> args;
        int status;
        std::string err;
    } rows[] = {
        {"ImpossibleDate",
         ledger::runExportCsvCommand,
         {kSample, "--from", "02/30/26"},
         2,
         "ledgrn: Incorrect Date: 02/30/26\n"},
        {"DateBeforeTheRegister",
         ledger::runExportTextCommand,
         {kSample, "--to", "12/31/79"},
         2,
         "ledgrn: Incorrect Date: 12/31/79\n"},
        {"MissingOperand",
         ledger::runListingCommand,
         {kSample},
         2,
         "usage: ledgrn listing CODE|ALL FILE.lgn [--from mm/dd/yy] [--to mm/dd/yy] [--password PASSWORD] "
         "[--codes FILE.csv] [-o OUTPUT]\n"},
        {"MissingBook",
         ledger::runExportCsvCommand,
         {missing},
         1,
         "ledgrn: " + missing + ": That file cannot be found.\n"},
        {"NoCodeFile",
         ledger::runBudgetSummaryCommand,
         {unlinkedPath},
         1,
         "ledgrn: " + unlinkedPath + ": No Budget/Code file in use!\n"},
        {"ListingNeedsNoCodeFile", ledger::runListingCommand, {"SAL", unlinkedPath}, 0, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome r = runCommand(row.command, row.args);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err, row.err);
        if (row.status != 0) {
            EXPECT_EQ(r.out, "");
        }
    }
}

TEST(ReportCommand, OutputFileIsReplacedWholeOrNotAtAll) {
    const fs::path dir = tempFolder("ledgrn-report-output");
    const fs::path target = dir / "out.csv";
    {
        std::FILE* f = std::fopen(target.c_str(), "wb");
        std::fputs("old", f);
        std::fclose(f);
    }
    Outcome r = runCommand(ledger::runExportCsvCommand, {kSample, "-o", target.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(booktest::readBytes(target.string()),
              booktest::readBytes(booktest::sourcePath("tests/register/golden/sample.export.csv")));

    // A folder where the file should be: the rename fails, the folder stays and no temporary file is left.
    fs::create_directory(dir / "taken.txt");
    r = runCommand(ledger::runExportTextCommand, {kSample, "-o", (dir / "taken.txt").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("ledgrn: " + (dir / "taken.txt").string() + ": ", 0), 0u) << r.err;
    EXPECT_TRUE(fs::is_directory(dir / "taken.txt"));
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"out.csv", "taken.txt"}));
}

// The printout as a PDF file: one page object per printed page, the text in the page streams, and a
// cross-reference table whose offsets point at the objects.
TEST(ReportCommand, PrintWritesAPdfOfThePrintedPages) {
    const fs::path target = fs::temp_directory_path() / "ledgrn-print-test.pdf";
    const Outcome r = runCommand(ledger::runPrintCommand, {kSample, "--pdf", target.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    std::FILE* f = std::fopen(target.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    const std::string pdf = contents(f);
    std::fclose(f);
    fs::remove(target);
    EXPECT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    std::size_t pages = 0;
    for (std::size_t at = 0; (at = pdf.find("/Type /Page ", at)) != std::string::npos; ++at)
        ++pages;
    EXPECT_EQ(pages, 1u); // the sample's 43 items and its totals fit on one page
    EXPECT_NE(pdf.find("(Family Chequing Account)"), std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
    EXPECT_EQ(pdf.compare(xref, 4, "xref"), 0);
    const std::size_t first = std::stoul(pdf.substr(xref + pdf.substr(xref).find("65535 f \n") + 9, 10));
    EXPECT_EQ(pdf.compare(first, 7, "1 0 obj"), 0);

    EXPECT_EQ(runCommand(ledger::runPrintCommand, {kSample}).status, 2); // no --pdf
}

} // namespace
