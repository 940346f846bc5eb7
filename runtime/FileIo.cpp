#include "runtime/FileIo.h"

#include "runtime/RuntimeError.h"

#include <cerrno>
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

int fault(const FaultInjector& inject, ReplaceStep step) {
    return inject ? inject(step) : 0;
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
        tempPath = target;
        tempPath += ".~" + randomSuffix() + ".tmp";
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
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
    if ((err = fd.close()) != 0) {
        ::unlink(tempPath.c_str());
        throwErrno(err);
    }
    if ((err = fault(inject, ReplaceStep::Rename)) != 0 ||
        (::rename(tempPath.c_str(), path.c_str()) != 0 && (err = errno) != 0)) {
        ::unlink(tempPath.c_str());
        throwErrno(err);
    }

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
}

} // namespace runtime
