#include "runtime/FileIo.h"

#include "runtime/RuntimeError.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {

namespace {

// Closes a descriptor on every path out of a function.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    // Closes now and reports the error, which on some file systems is the first sign of a
    // failed write.
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : errno;
    }

private:
    void reset() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    int fd_;
};

// ENOENT covers both a missing file and a missing folder; the classic runtime told them apart
// ("File not found" against "Path not found"), and so do we.
[[noreturn]] void throwPathError(const std::filesystem::path& path, int err) {
    if (err == ENOENT) {
        std::filesystem::path dir = path.parent_path();
        std::error_code ec;
        if (!dir.empty() && !std::filesystem::is_directory(dir, ec)) {
            err = ENOTDIR;
        }
    }
    throwErrno(err);
}

// --- Faults named in the environment (VX_FILEIO_FAULT) -------------------------------------------

struct EnvFault {
    int err = 0; // 0: kill
    std::string point;
    long nth = 1; // 0: every time
    std::atomic<long> seen{0};
};

const char* stepPoint(ReplaceStep step) {
    switch (step) {
    case ReplaceStep::CreateTemp:
        return "create";
    case ReplaceStep::Write:
        return "write";
    case ReplaceStep::Sync:
        return "sync";
    case ReplaceStep::Rename:
        return "rename";
    case ReplaceStep::SyncDirectory:
        return "syncdir";
    }
    return "";
}

int errnoNamed(std::string_view name) {
    static constexpr std::pair<std::string_view, int> kNames[] = {
        {"enospc", ENOSPC}, {"eio", EIO}, {"eacces", EACCES}, {"erofs", EROFS}, {"edquot", EDQUOT}, {"ebusy", EBUSY}};
    for (const auto& [n, e] : kNames) {
        if (n == name) {
            return e;
        }
    }
    return -1;
}

// Null when the variable is unset or malformed (a malformed one is said once on stderr, so a test
// that meant to inject a fault does not pass by injecting none).
EnvFault* parseEnvFault() {
    const char* text = std::getenv("VX_FILEIO_FAULT");
    if (text == nullptr || *text == '\0') {
        return nullptr;
    }
    const std::string_view setting(text);
    const std::size_t colon = setting.find(':');
    const std::size_t second = colon == std::string_view::npos ? colon : setting.find(':', colon + 1);
    auto* f = new EnvFault; // lives as long as the process
    const std::string_view action = setting.substr(0, colon);
    f->err = action == "kill" ? 0 : errnoNamed(action);
    if (colon != std::string_view::npos) {
        f->point = std::string(setting.substr(colon + 1, second == std::string_view::npos ? second : second - colon - 1));
    }
    // A disk stays full: an errno without a count fails every time.
    f->nth = f->err == 0 ? 1 : 0;
    if (second != std::string_view::npos) {
        f->nth = std::strtol(std::string(setting.substr(second + 1)).c_str(), nullptr, 10);
        if (f->nth < 1) {
            f->err = -1;
        }
    }
    if (f->err < 0 || f->point.empty() || (f->err != 0 && f->point == "any")) {
        static constexpr char kBad[] = "VX_FILEIO_FAULT: expected ACTION:POINT[:N]; ignored\n";
        static_cast<void>(::write(STDERR_FILENO, kBad, sizeof kBad - 1));
        delete f;
        return nullptr;
    }
    return f;
}

EnvFault* envFault() {
    static EnvFault* const f = parseEnvFault();
    return f;
}

// One point of a replacement: dies there, or gives the errno to fail the step with, when the
// environment names it.
int reach(const char* point) {
    EnvFault* f = envFault();
    if (f == nullptr || (f->point != "any" && f->point != point)) {
        return 0;
    }
    if (f->nth != 0 && f->seen.fetch_add(1) + 1 != f->nth) {
        return 0;
    }
    if (f->err == 0) {
        ::raise(SIGKILL);
    }
    return f->err;
}

int fault(const FaultInjector& inject, ReplaceStep step) {
    if (inject) {
        if (const int err = inject(step); err != 0) {
            return err;
        }
    }
    return reach(stepPoint(step));
}

// --- Temporary files -------------------------------------------------------------------------------

// ".NAME.~" of the temporary files of target; the process id and a random part follow.
std::string tempPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".~";
}

// Removes the temporary files a dead process left next to target. A live writer's file (another
// program saving the same file this moment) is left alone; so is anything not named like ours.
void removeStaleTemps(const std::filesystem::path& target) {
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) {
        dir = ".";
    }
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr) {
        return;
    }
    const std::string prefix = tempPrefix(target);
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name(e->d_name);
        if (name.size() <= prefix.size() + 4 || name.substr(0, prefix.size()) != prefix ||
            name.substr(name.size() - 4) != ".tmp") {
            continue;
        }
        const std::string rest(name.substr(prefix.size()));
        char* end = nullptr;
        const long pid = std::strtol(rest.c_str(), &end, 10);
        if (pid <= 0 || end == nullptr || *end != '-') {
            continue;
        }
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            static_cast<void>(::unlinkat(::dirfd(d), e->d_name, 0));
        }
    }
    ::closedir(d);
}

std::string randomSuffix() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device rd;
    std::string s;
    for (int i = 0; i < 8; ++i) {
        s += kChars[rd() % (sizeof kChars - 1)];
    }
    return s;
}

// Creates a new, empty file next to the target. O_EXCL so a leftover or a rival writer is never
// overwritten; a clash just tries another name.
int createTemp(const std::filesystem::path& target, mode_t mode, std::filesystem::path& tempPath) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempPath = target.parent_path() /
                   (tempPrefix(target) + std::to_string(::getpid()) + "-" + randomSuffix() + ".tmp");
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

int writeAll(int fd, std::string_view bytes) {
    // Under an injected fault, small blocks, so that a crash can come between any two of them.
    // The first block is the step's own "write" point.
    const bool blocks = envFault() != nullptr;
    for (bool first = true; !bytes.empty(); first = false) {
        if (blocks && !first) {
            if (const int err = reach("write"); err != 0) {
                return err;
            }
        }
        const ssize_t n = ::write(fd, bytes.data(), blocks ? std::min<std::size_t>(512, bytes.size()) : bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            return ENOSPC;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        static_cast<void>(reach("written"));
    }
    return 0;
}

} // namespace

std::string readWholeFile(const std::filesystem::path& path, std::uintmax_t maxSize) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        throwPathError(path, errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        throwErrno(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        throwErrno(EISDIR);
    }
    if (S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) > maxSize) {
        throw RuntimeError(7); // Out of memory: the classic runtime's answer to a file too big to hold
    }
    std::string out;
    if (S_ISREG(st.st_mode)) {
        out.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwErrno(errno);
        }
        if (n == 0) {
            break;
        }
        // The file may grow while being read (or be a pipe); the limit holds either way.
        if (out.size() + static_cast<std::size_t>(n) > maxSize) {
            throw RuntimeError(7);
        }
        out.append(buf, static_cast<std::size_t>(n));
    }
    return out;
}

void replaceFileAtomically(const std::filesystem::path& linkOrPath, std::string_view bytes,
                           const FaultInjector& inject) {
    // A link is followed, so the file it points at gets the new contents and the link stays.
    std::filesystem::path path = linkOrPath;
    std::error_code linkError;
    if (std::filesystem::is_symlink(linkOrPath, linkError)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(linkOrPath, linkError);
        if (!linkError) {
            path = resolved;
        }
    }
    // Keep the permission bits of the file being replaced.
    mode_t mode = 0666; // narrowed by the umask at creation
    struct stat old {};
    const bool hadOld = ::stat(path.c_str(), &old) == 0;
    if (hadOld) {
        if (S_ISDIR(old.st_mode)) {
            throwErrno(EISDIR);
        }
        mode = old.st_mode & 07777;
    }

    removeStaleTemps(path);
    std::filesystem::path tempPath;
    int err = fault(inject, ReplaceStep::CreateTemp);
    int rawFd = -1;
    if (err == 0) {
        rawFd = createTemp(path, mode, tempPath);
        if (rawFd < 0) {
            err = errno;
        }
    }
    if (err != 0) {
        throwPathError(path, err);
    }
    Fd fd(rawFd);
    static_cast<void>(reach("created"));
    auto failAndClean = [&](int e) {
        fd.close();
        ::unlink(tempPath.c_str());
        throwErrno(e);
    };

    if (hadOld) {
        // O_CREAT applied the umask; match the old file exactly. Not fatal when refused: some
        // file systems (FAT, network shares) do not keep permissions.
        static_cast<void>(::fchmod(fd.get(), mode));
    }
    if ((err = fault(inject, ReplaceStep::Write)) != 0 || (err = writeAll(fd.get(), bytes)) != 0) {
        failAndClean(err);
    }
    if ((err = fault(inject, ReplaceStep::Sync)) != 0) {
        failAndClean(err);
    }
    if (::fsync(fd.get()) != 0) {
        failAndClean(errno);
    }
    static_cast<void>(reach("synced"));
    if ((err = fd.close()) != 0) {
        ::unlink(tempPath.c_str());
        throwErrno(err);
    }
    static_cast<void>(reach("closed"));
    if ((err = fault(inject, ReplaceStep::Rename)) != 0 ||
        (::rename(tempPath.c_str(), path.c_str()) != 0 && (err = errno) != 0)) {
        ::unlink(tempPath.c_str());
        throwErrno(err);
    }

    static_cast<void>(reach("renamed"));

    // The new name is in place; flushing the folder makes the rename itself survive a crash.
    // A failure here is reported, though the file already holds the new contents.
    if ((err = fault(inject, ReplaceStep::SyncDirectory)) != 0) {
        throwErrno(err);
    }
    std::filesystem::path dir = path.parent_path();
    if (dir.empty()) {
        dir = ".";
    }
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0 && ::fsync(dirFd.get()) != 0 && errno != EINVAL) {
        throwErrno(errno); // EINVAL: the file system cannot sync folders, nothing to do
    }
    static_cast<void>(reach("done"));
}

} // namespace runtime
