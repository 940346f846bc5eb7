// What the crash harness relies on from the saving itself, and the faults the fuzz targets found
// in readers of typed text, kept as cases.
#include "register/core/ItemEntry.h"
#include "runtime/FileIo.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace fs = std::filesystem;

namespace {

// A process id that no process has now: one of a child that has ended.
pid_t endedProcess() {
    pid_t pid = -1;
    char name[] = "true";
    char* argv[] = {name, nullptr};
    char* envp[] = {nullptr};
    if (::posix_spawnp(&pid, "true", nullptr, nullptr, argv, envp) != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return pid;
}

struct StaleCase {
    const char* name;
    std::string leftover; // {dead} and {live} stand for process ids
    bool removed;
};

class LeftoverTemporaries : public testing::TestWithParam<StaleCase> {};

TEST_P(LeftoverTemporaries, TheNextSaveRemovesOnlyThoseOfEndedProcesses) {
    const fs::path dir = fs::temp_directory_path() / ("vxstale." + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string name = GetParam().leftover;
    const pid_t dead = endedProcess();
    ASSERT_GT(dead, 0);
    for (const auto& [key, pid] : {std::pair{std::string("{dead}"), dead}, std::pair{std::string("{live}"), ::getpid()}}) {
        if (const auto at = name.find(key); at != std::string::npos)
            name.replace(at, key.size(), std::to_string(pid));
    }
    std::ofstream(dir / name) << "half a book";
    runtime::replaceFileAtomically(dir / "home.lgn", "whole book");
    EXPECT_EQ(fs::exists(dir / name), !GetParam().removed) << name;
    std::ifstream in(dir / "home.lgn");
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "whole book");
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Save, LeftoverTemporaries,
    testing::Values(StaleCase{"OfAProcessThatDied", ".home.lgn.~{dead}-k3j9x0qa.tmp", true},
                    StaleCase{"OfAWriterStillRunning", ".home.lgn.~{live}-k3j9x0qa.tmp", false},
                    StaleCase{"OfAnotherFile", ".work.lgn.~{dead}-k3j9x0qa.tmp", false},
                    StaleCase{"NotNamedLikeOurs", ".home.lgn.~notapid.tmp", false},
                    StaleCase{"TheUsersOwnFile", "home.lgn.~{dead}-k3j9x0qa.tmp", false}),
    [](const testing::TestParamInfo<StaleCase>& row) { return std::string(row.param.name); });

// The amount box takes the sign from its option buttons only; a sign found anywhere in the text
// refuses it. ("$$-19182097182" was found by ledgercore_fuzz_entry: it read as a negative amount.)
struct AmountCase {
    const char* name;
    const char* text;
    std::optional<std::int64_t> cents;
};

class EntryAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(EntryAmount, ReadsOnlyAmountsWithoutASign) {
    const auto amount = ledger::parseEntryAmount(GetParam().text);
    ASSERT_EQ(amount.has_value(), GetParam().cents.has_value());
    if (amount) {
        EXPECT_EQ(amount->ticks(), *GetParam().cents * 100);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TypedText, EntryAmount,
    testing::Values(AmountCase{"DollarSignThenAmount", "$12.50", 1250}, AmountCase{"BlankBox", "  ", 0},
                    AmountCase{"LeadingMinus", "-5", std::nullopt},
                    AmountCase{"MinusAfterDollarSign", "$-5", std::nullopt},
                    AmountCase{"MinusAfterTwoDollarSigns", "$$-19182097182", std::nullopt},
                    AmountCase{"MinusAfterBlanks", "$ -5.00", std::nullopt}),
    [](const testing::TestParamInfo<AmountCase>& row) { return std::string(row.param.name); });

} // namespace
