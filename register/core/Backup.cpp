#include "register/core/Backup.h"

#include "register/core/ChequeBookFile.h"
#include "register/core/RegisterList.h"
#include "runtime/RuntimeError.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSequenceDigits = 6;
constexpr int kLastSequence = 999999;

struct Named {
    fs::path path;
    int sequence = 0;
};

// "000042_20261207-130509.lgn" -> 42; anything else is not ours.
std::optional<int> sequenceOf(const std::string& name) {
    static constexpr std::string_view kForm = "000000_00000000-000000.lgn";
    if (name.size() != kForm.size())
        return std::nullopt;
    for (std::size_t i = 0; i < kForm.size(); ++i) {
        const bool digit = kForm[i] == '0';
        const char c = name[i];
        if (digit ? (c < '0' || c > '9') : c != kForm[i])
            return std::nullopt;
    }
    int sequence = 0;
    std::from_chars(name.data(), name.data() + kSequenceDigits, sequence);
    return sequence;
}

// Our backups of the book, oldest first.
std::vector<Named> backupsOf(const fs::path& book) {
    std::vector<Named> found;
    std::error_code ec;
    for (fs::directory_iterator it(backupFolder(book), ec), end; !ec && it != end; it.increment(ec)) {
        if (const auto sequence = sequenceOf(it->path().filename().string());
            sequence && it->is_regular_file(ec))
            found.push_back({it->path(), *sequence});
    }
    std::sort(found.begin(), found.end(), [](const Named& a, const Named& b) { return a.sequence < b.sequence; });
    return found;
}

std::string fileName(int sequence, std::time_t savedAt) {
    std::tm local{};
    localtime_r(&savedAt, &local);
    char name[64];
    std::snprintf(name, sizeof name, "%06d_%04d%02d%02d-%02d%02d%02d.lgn", sequence, local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return name;
}

bool sameBytes(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec)
        return false;
    try {
        return runtime::readWholeFile(a, kMaxBookFileSize) == runtime::readWholeFile(b, kMaxBookFileSize);
    } catch (const runtime::RuntimeError&) {
        return false;
    }
}

BackupOutcome failed(int err) {
    BackupOutcome outcome;
    outcome.ok = false;
    outcome.errorNumber = runtime::errorNumberFromErrno(err);
    return outcome;
}

} // namespace

fs::path backupFolder(const fs::path& book) {
    const fs::path absolute = fs::absolute(book);
    return absolute.parent_path() / kBackupFolderName / absolute.filename();
}

std::string backupTimeText(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    const int hour12 = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
    char text[64];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %d:%02d:%02d %s", local.tm_mon + 1, local.tm_mday,
                  local.tm_year + 1900, hour12, local.tm_min, local.tm_sec, local.tm_hour < 12 ? "AM" : "PM");
    return text;
}

std::vector<BackupEntry> listBackups(const fs::path& book) {
    std::vector<Named> found = backupsOf(book);
    std::vector<BackupEntry> entries;
    entries.reserve(found.size());
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        BackupEntry entry;
        entry.path = it->path;
        entry.sequence = it->sequence;
        struct stat st {};
        if (::stat(it->path.c_str(), &st) == 0)
            entry.savedAt = st.st_mtime;
        ReadResult read = readChequeBookFile(it->path);
        if (read.ok()) {
            entry.readable = true;
            entry.title = read.contents.title;
            entry.itemCount = read.contents.items.size();
            entry.balance = finalBalance(read.contents.items);
        } else {
            entry.problem = read.error == ReadError::FileError ? runtime::errorText(read.errorNumber)
                                                                : read.errorMessage;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

BackupOutcome keepBackup(const fs::path& bookPath, int keep, const runtime::FaultInjector& fault) {
    if (keep <= 0)
        return {};
    // The save replaces the file a link points at, so that file's history is the one to keep.
    std::error_code ec;
    const fs::path book = fs::is_symlink(bookPath, ec) ? fs::weakly_canonical(bookPath, ec) : bookPath;
    struct stat st {};
    if (::stat(book.c_str(), &st) != 0)
        return errno == ENOENT ? BackupOutcome{} : failed(errno); // a new book has no earlier version
    if (!S_ISREG(st.st_mode))
        return failed(EISDIR);

    const fs::path folder = backupFolder(book);
    fs::create_directories(folder, ec);
    if (ec)
        return failed(ec.value());
    std::vector<Named> existing = backupsOf(book);
    if (!existing.empty() && sameBytes(existing.back().path, book))
        return {}; // a save that failed, or one of an unchanged book: that version is kept already

    const int sequence = existing.empty() ? 1 : std::min(existing.back().sequence + 1, kLastSequence);
    const fs::path target = folder / fileName(sequence, st.st_mtime);
    if (fault || ::link(book.c_str(), target.c_str()) != 0) {
        // No hard links here (FAT, some shares): copy.
        try {
            runtime::replaceFileAtomically(target, runtime::readWholeFile(book, kMaxBookFileSize), fault);
        } catch (const runtime::RuntimeError& error) {
            BackupOutcome outcome;
            outcome.ok = false;
            outcome.errorNumber = error.number();
            return outcome;
        }
        // The listing shows when the version was saved, so the copy keeps the time.
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::utimensat(AT_FDCWD, target.c_str(), times, 0);
    }
    BackupOutcome outcome;
    outcome.made = true;
    outcome.madePath = target;

    // Only now, with the new backup safely in place, do the oldest go.
    existing = backupsOf(book);
    const std::size_t limit = static_cast<std::size_t>(keep);
    for (std::size_t i = 0; existing.size() > limit && i < existing.size() - limit; ++i)
        fs::remove(existing[i].path, ec);
    return outcome;
}

std::string backupFailedQuestion(std::string_view bookName, int errorNumber, std::string_view goOn) {
    return "The previous version of " + std::string(bookName) + " could not be kept as a backup (" +
           runtime::errorText(errorNumber) + ").\n" + std::string(goOn);
}

} // namespace ledger
