// Rotating backups of a cheque book, the lock beside an open book, and the "Backups" setting.
#include "register/core/Backup.h"
#include "register/core/BookLock.h"
#include "register/core/ChequeBookFile.h"
#include "register/core/Settings.h"
#include "runtime/Clock.h"
#include "runtime/FileIo.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;
using ledger::BookLock;
using ledger::LockOwner;

namespace {

// A fresh folder per test.
class TempDir {
public:
    TempDir() {
        std::string name = (fs::temp_directory_path() / "booksafety.XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

ledger::ChequeBook bookTitled(const std::string& title, int items) {
    ledger::ChequeBook book;
    book.title = title;
    for (int i = 0; i < items; ++i)
        book.items.push_back(ledger::makeItem(runtime::oleFromCivil(2026, 11, 1 + i), 0, "Payroll",
                                              runtime::Currency::fromUnits(100 * (i + 1)), "INC", ' '));
    return book;
}

// Each row is named for what it proves.
struct {
    template <class P> std::string operator()(const testing::TestParamInfo<P>& row) const { return row.param.name; }
} rowName;

std::string titleOf(const fs::path& file) {
    return ledger::readChequeBookFile(file).contents.title;
}

std::time_t localTime(int y, int mo, int d, int h, int mi, int s) {
    return std::chrono::system_clock::to_time_t(runtime::localTimePoint(y, mo, d, h, mi, s));
}

void setModified(const fs::path& file, std::time_t t) {
    fs::last_write_time(file, fs::file_time_type::clock::now() +
                                  (std::chrono::system_clock::from_time_t(t) - std::chrono::system_clock::now()));
}

std::vector<fs::path> folderFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files.push_back(entry.path().filename());
    std::sort(files.begin(), files.end());
    return files;
}

// --- Rotation -------------------------------------------------------------------------------

struct RotationCase {
    const char* name;
    int keep;
    int saves;
    std::vector<std::string> kept; // titles of the backups, newest first
};

class Rotation : public testing::TestWithParam<RotationCase> {};

// Each save keeps the version it replaces: after saves v1..vN the backups are the latest
// earlier versions and the book is vN.
TEST_P(Rotation, KeepsTheLastVersionsAndTheBook) {
    const RotationCase& c = GetParam();
    TempDir dir;
    const fs::path book = dir / "Household.lgn";
    for (int v = 1; v <= c.saves; ++v) {
        const ledger::BackupOutcome outcome = ledger::keepBackup(book, c.keep);
        ASSERT_TRUE(outcome.ok) << v;
        ledger::saveChequeBook(book, bookTitled("v" + std::to_string(v), v), "");
    }
    EXPECT_EQ(titleOf(book), "v" + std::to_string(c.saves));
    std::vector<std::string> titles;
    for (const ledger::BackupEntry& entry : ledger::listBackups(book))
        titles.push_back(entry.title);
    EXPECT_EQ(titles, c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Backups, Rotation,
    testing::Values(RotationCase{"FiveOfSeven", 5, 7, {"v6", "v5", "v4", "v3", "v2"}},
                    RotationCase{"OneKept", 1, 4, {"v3"}}, RotationCase{"FewerSavesThanKept", 5, 3, {"v2", "v1"}},
                    RotationCase{"NoneKept", 0, 3, {}}, RotationCase{"FirstSaveHasNothingToKeep", 5, 1, {}}),
    rowName);

TEST(Backups, NamesCarrySequenceAndSaveTimeAndOtherFilesAreLeftAlone) {
    TempDir dir;
    const fs::path book = dir / "a.lgn";
    ledger::saveChequeBook(book, bookTitled("one", 1), "");
    setModified(book, localTime(2026, 12, 7, 13, 5, 9));
    fs::create_directories(ledger::backupFolder(book));
    std::ofstream(ledger::backupFolder(book) / "notes.txt") << "mine";
    std::ofstream(ledger::backupFolder(book) / "000001_2026.lgn") << "not ours";

    const ledger::BackupOutcome outcome = ledger::keepBackup(book, 1);
    ASSERT_TRUE(outcome.made);
    EXPECT_EQ(outcome.madePath, dir / ".ledgerine-backups" / "a.lgn" / "000001_20261207-130509.lgn");
    ledger::saveChequeBook(book, bookTitled("two", 2), "");
    ASSERT_TRUE(ledger::keepBackup(book, 1).made);

    // The first backup went out with the rotation; the files not of our form stayed.
    EXPECT_EQ(folderFiles(ledger::backupFolder(book)).size(), 3u);
    const std::vector<ledger::BackupEntry> listed = ledger::listBackups(book);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].sequence, 2);
    EXPECT_EQ(listed[0].title, "two");
    EXPECT_TRUE(fs::exists(ledger::backupFolder(book) / "notes.txt"));
    EXPECT_TRUE(fs::exists(ledger::backupFolder(book) / "000001_2026.lgn"));
}

TEST(Backups, AnUnchangedVersionIsKeptOnce) {
    TempDir dir;
    const fs::path book = dir / "a.lgn";
    ledger::saveChequeBook(book, bookTitled("one", 1), "");
    EXPECT_TRUE(ledger::keepBackup(book, 5).made);
    // A failed save, or "Save Anyhow" of an unchanged book, must not push history out.
    EXPECT_FALSE(ledger::keepBackup(book, 5).made);
    ledger::saveChequeBook(book, bookTitled("one", 1), "");
    EXPECT_FALSE(ledger::keepBackup(book, 5).made);
    EXPECT_EQ(ledger::listBackups(book).size(), 1u);
}

// --- A backup that cannot be made -----------------------------------------------------------

struct FailureCase {
    const char* name;
    bool folderBlocked; // a file stands where the backup folder belongs
    int copyFault;      // errno injected into the copy; 0: none
    int errorNumber;
};

class BackupFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(BackupFailure, ReportsAndLeavesTheBookAndNoStrayFile) {
    const FailureCase& c = GetParam();
    TempDir dir;
    const fs::path book = dir / "a.lgn";
    ledger::saveChequeBook(book, bookTitled("one", 1), "");
    const std::string before = runtime::readWholeFile(book);
    if (c.folderBlocked)
        std::ofstream(dir / ".ledgerine-backups") << "in the way";
    runtime::FaultInjector fault;
    if (c.copyFault != 0)
        fault = [&c](runtime::ReplaceStep step) { return step == runtime::ReplaceStep::Write ? c.copyFault : 0; };

    const ledger::BackupOutcome outcome = ledger::keepBackup(book, 5, fault);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.errorNumber, c.errorNumber);
    EXPECT_EQ(runtime::readWholeFile(book), before);
    if (!c.folderBlocked) {
        EXPECT_TRUE(folderFiles(ledger::backupFolder(book)).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Backups, BackupFailure,
                         testing::Values(FailureCase{"FolderBlockedByAFile", true, 0, 76},
                                         FailureCase{"DiskFullWhileCopying", false, ENOSPC, 61}),
                         rowName);

TEST(Backups, ACopyKeepsTheBytesAndTheSaveTime) {
    TempDir dir;
    const fs::path book = dir / "a.lgn";
    ledger::saveChequeBook(book, bookTitled("one", 3), "");
    setModified(book, localTime(2026, 1, 2, 3, 4, 5));
    const ledger::BackupOutcome outcome = ledger::keepBackup(book, 5, [](runtime::ReplaceStep) { return 0; });
    ASSERT_TRUE(outcome.made);
    EXPECT_EQ(runtime::readWholeFile(outcome.madePath), runtime::readWholeFile(book));
    EXPECT_FALSE(fs::equivalent(outcome.madePath, book)); // a copy, not a link
    EXPECT_EQ(ledger::listBackups(book).at(0).savedAt, localTime(2026, 1, 2, 3, 4, 5));
}

TEST(Backups, FailedQuestionNamesBookAndCause) {
    EXPECT_EQ(ledger::backupFailedQuestion("/home/jo/a.lgn", 61),
              "The previous version of /home/jo/a.lgn could not be kept as a backup (Disk full).\nSave anyway?");
}

// --- Listing --------------------------------------------------------------------------------

TEST(Backups, ListingShowsCountBalanceAndDamagedBackupsNewestFirst) {
    TempDir dir;
    const fs::path book = dir / "a.lgn";
    for (int v = 1; v <= 4; ++v) {
        ledger::keepBackup(book, 5);
        ledger::saveChequeBook(book, bookTitled("v" + std::to_string(v), v), "");
    }
    std::vector<ledger::BackupEntry> listed = ledger::listBackups(book);
    ASSERT_EQ(listed.size(), 3u);
    // Damage the middle one: cut it short of a whole record.
    fs::resize_file(listed[1].path, 49);
    std::ofstream(listed[2].path, std::ios::trunc).close(); // and empty the oldest

    listed = ledger::listBackups(book);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_TRUE(listed[0].readable);
    EXPECT_EQ(listed[0].title, "v3");
    EXPECT_EQ(listed[0].itemCount, 3u);
    EXPECT_EQ(listed[0].balance, runtime::Currency::fromUnits(600)); // 100 + 200 + 300
    EXPECT_FALSE(listed[1].readable);
    EXPECT_FALSE(listed[1].problem.empty());
    EXPECT_FALSE(listed[2].readable);
    EXPECT_EQ(listed[2].problem, "Invalid File Contains no records!");
    EXPECT_GT(listed[0].sequence, listed[1].sequence);
}

TEST(Backups, TimeTextIsLocalWithTwelveHourClock) {
    EXPECT_EQ(ledger::backupTimeText(localTime(2026, 12, 7, 13, 5, 9)), "12/07/2026 1:05:09 PM");
    EXPECT_EQ(ledger::backupTimeText(localTime(2026, 1, 2, 0, 0, 0)), "01/02/2026 12:00:00 AM");
}

// --- The lock -------------------------------------------------------------------------------

const LockOwner kMe{"jo", "desk", 4242, "12/07/2026 1:05 PM"};

struct LockCase {
    const char* name;
    std::string existing; // the lock file found; empty: none
    bool otherAlive;
    BookLock::Result result;
    bool tookOverStale;
};

class LockAcquire : public testing::TestWithParam<LockCase> {};

TEST_P(LockAcquire, DecidesByTheLockFound) {
    const LockCase& c = GetParam();
    TempDir dir;
    const fs::path book = dir / "a.lgn";
    ledger::saveChequeBook(book, bookTitled("one", 1), "");
    if (!c.existing.empty())
        std::ofstream(dir / ".a.lgn.lock") << c.existing;
    const bool alive = c.otherAlive;
    BookLock lock;
    const BookLock::Attempt attempt = lock.acquire(book, kMe, [alive](long) { return alive; });
    EXPECT_EQ(attempt.result, c.result);
    EXPECT_EQ(attempt.tookOverStale, c.tookOverStale);
    const std::string onDisk = runtime::readWholeFile(dir / ".a.lgn.lock");
    if (c.result == BookLock::Result::Taken) {
        EXPECT_EQ(onDisk, ledger::encodeLock(kMe));
        lock.release();
        EXPECT_FALSE(fs::exists(dir / ".a.lgn.lock"));
    } else {
        EXPECT_EQ(attempt.holder, *ledger::decodeLock(c.existing));
        EXPECT_EQ(onDisk, c.existing); // a held lock is never touched
    }
    // Nothing left over beside the book.
    EXPECT_EQ(folderFiles(dir.path()).size(), c.result == BookLock::Result::Taken ? 1u : 2u);
}

const std::string kOtherHostLock = "Ledgerine 95 lock\nuser=sam\nhost=laptop\npid=77\nsince=12/06/2026 9:00 AM\n";
const std::string kSameHostLock = "Ledgerine 95 lock\nuser=sam\nhost=desk\npid=77\nsince=12/06/2026 9:00 AM\n";
const std::string kOwnLock = "Ledgerine 95 lock\nuser=jo\nhost=desk\npid=4242\nsince=12/01/2026 9:00 AM\n";

INSTANTIATE_TEST_SUITE_P(
    BookLock, LockAcquire,
    testing::Values(LockCase{"FreeBookIsTaken", "", false, BookLock::Result::Taken, false},
                    LockCase{"LiveRegisterHoldsIt", kSameHostLock, true, BookLock::Result::Held, false},
                    // Another machine's process cannot be looked at: its lock stands.
                    LockCase{"OtherHostHoldsItEvenIfPidUnknownHere", kOtherHostLock, false, BookLock::Result::Held,
                             false},
                    LockCase{"DeadProcessLockTakenOver", kSameHostLock, false, BookLock::Result::Taken, true},
                    LockCase{"DamagedLockTakenOver", "garbage\x01\n", false, BookLock::Result::Taken, true},
                    LockCase{"OwnLeftoverTakenQuietly", kOwnLock, true, BookLock::Result::Taken, false}),
    rowName);

TEST(BookLock, SecondRegisterIsToldWhoAndReleaseFreesIt) {
    TempDir dir;
    const fs::path book = dir / "a.lgn";
    BookLock first;
    ASSERT_EQ(first.acquire(book, kMe).result, BookLock::Result::Taken);
    const LockOwner other{"sam", "desk", kMe.pid + 1, "now"};
    BookLock second;
    const BookLock::Attempt refused = second.acquire(book, other, [](long) { return true; });
    EXPECT_EQ(refused.result, BookLock::Result::Held);
    EXPECT_EQ(refused.holder, kMe);
    EXPECT_FALSE(second.held());
    EXPECT_EQ(ledger::lockHolderText("a.lgn", refused.holder),
              "a.lgn is open in Ledgerine 95 by jo on desk since 12/07/2026 1:05 PM");
    first.release();
    EXPECT_EQ(second.acquire(book, other, [](long) { return true; }).result, BookLock::Result::Taken);
}

TEST(BookLock, ReleaseLeavesALockTakenOverByAnother) {
    TempDir dir;
    const fs::path book = dir / "a.lgn";
    {
        BookLock mine;
        ASSERT_EQ(mine.acquire(book, kMe).result, BookLock::Result::Taken);
        std::ofstream(dir / ".a.lgn.lock", std::ios::trunc) << kOtherHostLock;
    }
    EXPECT_EQ(runtime::readWholeFile(dir / ".a.lgn.lock"), kOtherHostLock);
}

TEST(BookLock, UnwritableFolderKeepsNobodyOut) {
    TempDir dir;
    BookLock lock;
    const BookLock::Attempt attempt = lock.acquire(dir / "missing" / "a.lgn", kMe);
    EXPECT_EQ(attempt.result, BookLock::Result::Unavailable);
    EXPECT_NE(attempt.errorNumber, 0);
    EXPECT_FALSE(lock.held());
}

TEST(BookLock, DeadPidOfThisMachineIsReallyNotAlive) {
    EXPECT_TRUE(ledger::processAlive(::getpid()));
    EXPECT_FALSE(ledger::processAlive(0));
    EXPECT_FALSE(ledger::processAlive(2147483647L));
}

struct DecodeCase {
    const char* name;
    std::string text;
};
class LockDecodeRefuses : public testing::TestWithParam<DecodeCase> {};
TEST_P(LockDecodeRefuses, TextThatIsNoWholeLock) {
    EXPECT_FALSE(ledger::decodeLock(GetParam().text).has_value());
}
INSTANTIATE_TEST_SUITE_P(
    BookLock, LockDecodeRefuses,
    testing::Values(DecodeCase{"Empty", ""}, DecodeCase{"NoHeader", "user=a\nhost=b\npid=3\n"},
                    DecodeCase{"NoPid", "Ledgerine 95 lock\nuser=a\nhost=b\n"},
                    DecodeCase{"PidNotANumber", "Ledgerine 95 lock\nhost=b\npid=3x\n"},
                    DecodeCase{"PidZero", "Ledgerine 95 lock\nhost=b\npid=0\n"},
                    DecodeCase{"NoHost", "Ledgerine 95 lock\nuser=a\npid=3\n"}),
    rowName);

TEST(BookLock, LineBreaksInNamesCannotForgeFields) {
    const LockOwner tricky{"jo\npid=1", "desk", 99, "x\r\nhost=evil"};
    const std::optional<LockOwner> back = ledger::decodeLock(ledger::encodeLock(tricky));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pid, 99);
    EXPECT_EQ(back->host, "desk");
    EXPECT_EQ(back->user, "jo pid=1");
}

// --- The "Backups" setting ------------------------------------------------------------------

class OneKeyStore : public ledger::SettingsStore {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::string getString(std::string_view key, std::string_view def, int size) const override {
        const auto it = values.find(key);
        return (it == values.end() ? std::string(def) : it->second).substr(0, static_cast<std::size_t>(size - 1));
    }
    int getInt(std::string_view, int def) const override { return def; }
    bool writeString(std::string_view, std::string_view) override { return true; }
};

struct BackupsKeyCase {
    const char* name;
    const char* stored; // nullptr: absent
    int backups;
};
class BackupsSetting : public testing::TestWithParam<BackupsKeyCase> {};
TEST_P(BackupsSetting, Reads) {
    OneKeyStore store;
    if (GetParam().stored)
        store.values["Backups"] = GetParam().stored;
    EXPECT_EQ(ledger::readSettings(store).backups, GetParam().backups);
}
INSTANTIATE_TEST_SUITE_P(Settings, BackupsSetting,
                         testing::Values(BackupsKeyCase{"AbsentIsFive", nullptr, 5}, BackupsKeyCase{"Three", "3", 3},
                                         BackupsKeyCase{"ZeroMeansNone", "0", 0},
                                         BackupsKeyCase{"BlanksAround", " 7 ", 7},
                                         BackupsKeyCase{"TextKeepsDefault", "abc", 5},
                                         BackupsKeyCase{"NegativeKeepsDefault", "-2", 5},
                                         BackupsKeyCase{"TrailingJunkKeepsDefault", "4x", 5},
                                         BackupsKeyCase{"HugeIsTheMost", "99999999999", 99},
                                         BackupsKeyCase{"AboveTheMost", "100", 99}),
                         rowName);

} // namespace
