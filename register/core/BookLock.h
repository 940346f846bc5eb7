#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ledger {

// Who has a cheque book open.
struct LockOwner {
    std::string user;
    std::string host;
    long pid = 0;
    std::string since; // as shown to the user, "12/07/2026 1:05 PM"
    friend bool operator==(const LockOwner&, const LockOwner&) = default;
};

// This process, as a lock names it; `since` is the caller's to give (its clock).
LockOwner currentLockOwner(std::string since);

// The lock of `book` lives beside it: ".<book file name>.lock".
std::filesystem::path lockPath(const std::filesystem::path& book);

// The lock file's text: a first line "Ledgerine 95 lock", then user=, host=, pid=, since=.
std::string encodeLock(const LockOwner& owner);
// Nothing for text that is not a whole lock (a damaged lock is nobody's).
std::optional<LockOwner> decodeLock(std::string_view text);

// Whether a process of this machine still runs.
bool processAlive(long pid);
using ProcessProbe = std::function<bool(long pid)>;

// "<book> is open in Ledgerine 95 by USER on HOST since TIME"
std::string lockHolderText(std::string_view bookName, const LockOwner& holder);

// The lock a register holds on the book it has open; removed when released or destroyed.
// The lock file appears whole or not at all (written aside, then linked into place), so a lock
// that cannot be read is damage, never a rival half way through writing it, and is taken over.
// A lock of this machine whose process has died is taken over as well, without a question.
class BookLock {
public:
    enum class Result {
        Taken,
        Held,        // another register has the book open: see holder
        Unavailable, // no lock could be written (a read-only folder or medium): nobody is kept out
    };
    struct Attempt {
        Result result = Result::Unavailable;
        LockOwner holder;         // for Held
        bool tookOverStale = false;
        int errorNumber = 0; // run-time error number for Unavailable
    };

    BookLock() = default;
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;
    BookLock(BookLock&& other) noexcept;
    BookLock& operator=(BookLock&& other) noexcept;
    ~BookLock() { release(); }

    Attempt acquire(const std::filesystem::path& book, const LockOwner& me, const ProcessProbe& alive = processAlive);
    // Removes the lock file, unless another register has taken it over meanwhile.
    void release();
    bool held() const { return !lockFile_.empty(); }
    const std::filesystem::path& lockFile() const { return lockFile_; }

    // Who holds the book's lock, leaving it alone: nothing when free, damaged or stale.
    static std::optional<LockOwner> holder(const std::filesystem::path& book, const ProcessProbe& alive = processAlive);

private:
    std::filesystem::path lockFile_;
    LockOwner owner_;
};

} // namespace ledger
