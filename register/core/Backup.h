#pragma once

#include "runtime/Currency.h"
#include "runtime/FileIo.h"

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

// Earlier versions of a cheque book, kept on every save.
//
// They live beside the book, so they travel with it (a book on a memory stick keeps its
// history) and a hard link costs no space: <book folder>/.ledgerine-backups/<book file name>/.
// Each is named <sequence>_<yyyymmdd>-<hhmmss>.lgn: the six-digit sequence grows with every
// backup of that book (so the order never depends on the machine's clock), the time is when
// that version was saved, and the extension lets the Open dialog show it like any book. Files
// in that folder without this form are never listed or removed.

inline constexpr std::string_view kBackupFolderName = ".ledgerine-backups";

// The folder holding the backups of `book`.
std::filesystem::path backupFolder(const std::filesystem::path& book);

// One earlier version, as listed for "Restore from backup...".
struct BackupEntry {
    std::filesystem::path path;
    int sequence = 0;
    std::time_t savedAt = 0; // when that version was saved (the file's modification time)
    bool readable = false;   // read as a whole cheque book
    std::string problem;     // why not: the reader's message
    std::string title;
    std::size_t itemCount = 0; // register items
    runtime::Currency balance; // the register's balance after its last item
};

// Every backup of `book`, newest first. A backup that cannot be read is listed with its problem.
std::vector<BackupEntry> listBackups(const std::filesystem::path& book);

// "12/07/2026 1:05:09 PM" in local time.
std::string backupTimeText(std::time_t time);

struct BackupOutcome {
    bool ok = true;
    // ok without a new file: there was no earlier version, none are kept, or the newest
    // backup already holds exactly these bytes.
    bool made = false;
    std::filesystem::path madePath;
    int errorNumber = 0; // run-time error number when !ok
};

// Keeps the file now at `book` as its newest backup and then removes the oldest beyond `keep`.
// Run it BEFORE the book is replaced: the old version stays on disk under the book's name until
// the atomic replacement, so a crash at any point loses nothing. A hard link is tried first (the
// save renames a new file over the book, so the linked version never changes); a copy, itself
// written atomically, where links are refused. `keep` 0 makes nothing and removes nothing.
// Rotation only ever removes files of the backup folder's own form, never the book. A `fault`
// makes it copy, and lets tests make the copy fail.
BackupOutcome keepBackup(const std::filesystem::path& book, int keep, const runtime::FaultInjector& fault = {});

// The question asked when the earlier version cannot be kept; `goOn` is its last line.
std::string backupFailedQuestion(std::string_view bookName, int errorNumber,
                                 std::string_view goOn = "Save anyway?");

} // namespace ledger
