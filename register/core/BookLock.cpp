#include "register/core/BookLock.h"

#include "runtime/FileIo.h"
#include "runtime/RuntimeError.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <utility>
#include <unistd.h>

namespace ledger {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFirstLine = "Ledgerine 95 lock";
// A lock is a few lines; anything bigger is not one, and is not read whole.
constexpr std::uintmax_t kMaxLockSize = 4096;
constexpr int kRounds = 4;

std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
        return "localhost";
    return name;
}

std::string userName() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name && *pw->pw_name)
        return pw->pw_name;
    if (const char* user = std::getenv("USER"); user && *user)
        return user;
    return std::to_string(::geteuid());
}

// The lock file's text; nothing when it has gone. A file too big to be a lock reads as damage.
std::optional<std::string> readLock(const fs::path& lock) {
    try {
        return runtime::readWholeFile(lock, kMaxLockSize);
    } catch (const runtime::RuntimeError& error) {
        if (error.number() == 53 || error.number() == 76)
            return std::nullopt;
        return std::string();
    }
}

// Writes the lock's text to a file of its own beside the lock, ready to be linked into place.
int writeAside(const fs::path& lock, std::string_view text, fs::path& aside) {
    std::string name = lock.string() + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return errno;
    aside = name;
    int err = 0;
    for (std::string_view rest = text; !rest.empty() && err == 0;) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n > 0)
            rest.remove_prefix(static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            err = n == 0 ? ENOSPC : errno;
    }
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0)
        ::unlink(aside.c_str());
    return err;
}

// Removes the lock if it still holds `seen`. Two registers may find the same stale lock; moving it
// aside first means only one of them removes it, and one that moved a fresh lock puts it back.
void removeIfUnchanged(const fs::path& lock, const std::string& seen) {
    const fs::path aside = lock.string() + ".stale." + std::to_string(::getpid());
    if (::rename(lock.c_str(), aside.c_str()) != 0)
        return;
    if (readLock(aside) != seen)
        static_cast<void>(::link(aside.c_str(), lock.c_str()));
    ::unlink(aside.c_str());
}

bool staleOrOurs(const LockOwner& holder, const LockOwner& me, const ProcessProbe& alive) {
    return holder.host == me.host && (holder.pid == me.pid || !alive(holder.pid));
}

} // namespace

LockOwner currentLockOwner(std::string since) {
    return {userName(), hostName(), static_cast<long>(::getpid()), std::move(since)};
}

fs::path lockPath(const fs::path& book) {
    std::error_code ec;
    fs::path real = fs::weakly_canonical(fs::absolute(book), ec);
    if (ec)
        real = fs::absolute(book);
    return real.parent_path() / ("." + real.filename().string() + ".lock");
}

std::string encodeLock(const LockOwner& owner) {
    return std::string(kFirstLine) + "\nuser=" + oneLine(owner.user) + "\nhost=" + oneLine(owner.host) +
           "\npid=" + std::to_string(owner.pid) + "\nsince=" + oneLine(owner.since) + "\n";
}

std::optional<LockOwner> decodeLock(std::string_view text) {
    LockOwner owner;
    bool first = true;
    bool pidSeen = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (first) {
            if (line != kFirstLine)
                return std::nullopt;
            first = false;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, eq);
        const std::string_view value = line.substr(eq + 1);
        if (key == "user") {
            owner.user = value;
        } else if (key == "host") {
            owner.host = value;
        } else if (key == "since") {
            owner.since = value;
        } else if (key == "pid") {
            const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), owner.pid);
            pidSeen = ec == std::errc() && ptr == value.data() + value.size() && owner.pid > 0;
        }
    }
    if (first || !pidSeen || owner.host.empty())
        return std::nullopt;
    return owner;
}

bool processAlive(long pid) {
    if (pid <= 0 || pid > INT_MAX)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string lockHolderText(std::string_view bookName, const LockOwner& holder) {
    return std::string(bookName) + " is open in Ledgerine 95 by " + (holder.user.empty() ? "?" : holder.user) +
           " on " + holder.host + " since " + holder.since;
}

BookLock::BookLock(BookLock&& other) noexcept
    : lockFile_(std::exchange(other.lockFile_, fs::path())), owner_(std::move(other.owner_)) {}

BookLock& BookLock::operator=(BookLock&& other) noexcept {
    if (this != &other) {
        release();
        lockFile_ = std::exchange(other.lockFile_, fs::path());
        owner_ = std::move(other.owner_);
    }
    return *this;
}

BookLock::Attempt BookLock::acquire(const fs::path& book, const LockOwner& me, const ProcessProbe& alive) {
    release();
    const fs::path lock = lockPath(book);
    const std::string text = encodeLock(me);
    Attempt attempt;
    for (int round = 0; round < kRounds; ++round) {
        fs::path aside;
        if (const int err = writeAside(lock, text, aside); err != 0) {
            attempt.errorNumber = runtime::errorNumberFromErrno(err);
            return attempt;
        }
        const int rc = ::link(aside.c_str(), lock.c_str());
        const int err = errno;
        ::unlink(aside.c_str());
        if (rc == 0) {
            lockFile_ = lock;
            owner_ = me;
            attempt.result = Result::Taken;
            return attempt;
        }
        if (err != EEXIST) {
            attempt.errorNumber = runtime::errorNumberFromErrno(err);
            return attempt;
        }
        const std::optional<std::string> seen = readLock(lock);
        if (!seen)
            continue; // released meanwhile
        const std::optional<LockOwner> holder = decodeLock(*seen);
        if (holder && !staleOrOurs(*holder, me, alive)) {
            attempt.result = Result::Held;
            attempt.holder = *holder;
            return attempt;
        }
        attempt.tookOverStale = !holder || holder->pid != me.pid;
        removeIfUnchanged(lock, *seen);
    }
    attempt.errorNumber = runtime::errorNumberFromErrno(EEXIST);
    return attempt;
}

void BookLock::release() {
    if (lockFile_.empty())
        return;
    const std::optional<std::string> text = readLock(lockFile_);
    if (text && decodeLock(*text) == owner_)
        ::unlink(lockFile_.c_str());
    lockFile_.clear();
}

std::optional<LockOwner> BookLock::holder(const fs::path& book, const ProcessProbe& alive) {
    const std::optional<std::string> text = readLock(lockPath(book));
    if (!text)
        return std::nullopt;
    const std::optional<LockOwner> holder = decodeLock(*text);
    if (!holder || (holder->host == hostName() && !alive(holder->pid)))
        return std::nullopt;
    return holder;
}

} // namespace ledger
