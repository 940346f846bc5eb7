#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace winapi {

// Starts a program with its arguments and does not wait for it; the new process inherits the
// environment. Returns its process id, or -1 when it could not be started.
int startProcess(const std::filesystem::path& program, const std::vector<std::string>& args = {});

// Waits at most `limit` for a process this program started to end and collects it. Returns its
// exit code (128 + the signal when a signal ended it), or nullopt while it still runs.
std::optional<int> waitForProcess(int pid, std::chrono::milliseconds limit);

} // namespace winapi
