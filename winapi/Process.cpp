#include "winapi/Process.h"

#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace winapi {

namespace {

std::optional<int> collect(int pid) {
    int status = 0;
    const pid_t r = ::waitpid(pid, &status, WNOHANG);
    if (r == pid) {
        return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    }
    if (r < 0 && errno == ECHILD) {
        return -1; // not our child, or already collected
    }
    return std::nullopt;
}

} // namespace

int startProcess(const std::filesystem::path& program, const std::vector<std::string>& args) {
    if (::access(program.c_str(), X_OK) != 0) {
        return -1;
    }
    std::vector<std::string> owned;
    owned.push_back(program.string());
    owned.insert(owned.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : owned) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    return pid;
}

std::optional<int> waitForProcess(int pid, std::chrono::milliseconds limit) {
    if (pid <= 0) {
        return -1;
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
#ifdef SYS_pidfd_open
    // A pidfd becomes readable when the process ends, so no polling is needed.
    const int fd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (fd >= 0) {
        for (;;) {
            if (auto code = collect(pid)) {
                ::close(fd);
                return code;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                ::close(fd);
                return collect(pid);
            }
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, static_cast<int>(left.count()));
        }
    }
#endif
    for (;;) {
        if (auto code = collect(pid)) {
            return code;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace winapi
