#pragma once

// Runs the saving child (reliability_crash_child) and, on request, kills it: at a point named in
// VX_FILEIO_FAULT, or from outside a given time after it says it is about to save.

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

struct ChildResult {
    bool killed = false; // ended by SIGKILL
    int exitCode = -1;
    std::string output; // what it printed, "ready" line left out
    std::chrono::microseconds afterReady{0}; // from "ready" to its end
};

inline std::filesystem::path childProgram() {
    const char* bin = std::getenv("VX_TEST_DIR");
    return std::filesystem::path(bin ? bin : VX_TEST_DIR) / "reliability_crash_child";
}

// killAfter: when set, SIGKILL that long after the child said "ready" (if it is still running).
inline ChildResult runChild(const std::vector<std::string>& args, const std::string& fault,
                            std::chrono::microseconds killAfter = std::chrono::microseconds(-1)) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string_view(*e).rfind("VX_FILEIO_FAULT=", 0) != 0)
            env.emplace_back(*e);
    if (!fault.empty())
        env.push_back("VX_FILEIO_FAULT=" + fault);
    // A killed child's sanitizer report of leaks would be noise; it never gets that far anyway.
    env.emplace_back("ASAN_OPTIONS=detect_leaks=0");
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> argStore{childProgram().string()};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : argStore)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    int out[2];
    if (::pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = -1;
    const int rc = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ChildResult result;
    if (rc != 0) {
        ::close(out[0]);
        return result;
    }
    std::string text;
    char buf[256];
    bool readySeen = false;
    auto readyAt = std::chrono::steady_clock::now();
    for (;;) {
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append(buf, static_cast<std::size_t>(n));
        if (!readySeen && text.find("ready\n") != std::string::npos) {
            readySeen = true;
            readyAt = std::chrono::steady_clock::now();
            if (killAfter.count() >= 0) {
                std::this_thread::sleep_for(killAfter);
                ::kill(pid, SIGKILL);
            }
        }
    }
    ::close(out[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.afterReady =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - readyAt);
    result.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (const std::size_t at = text.find("ready\n"); at != std::string::npos)
        text.erase(at, 6);
    result.output = text;
    return result;
}

inline std::string fileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}
