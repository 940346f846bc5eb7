#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace runtime {

inline constexpr std::uintmax_t kDefaultMaxFileSize = 256u * 1024u * 1024u;

// Reads a whole file as bytes. Throws RuntimeError with the mapped number (53 when absent, 76
// when its folder is absent, 70 when not readable, 75 for a folder, 7 "Out of memory" when
// larger than maxSize).
std::string readWholeFile(const std::filesystem::path& path, std::uintmax_t maxSize = kDefaultMaxFileSize);

// Steps of replaceFileAtomically, so tests can make one of them fail.
enum class ReplaceStep { CreateTemp, Write, Sync, Rename, SyncDirectory };

// Called before each step; returning a non-zero errno makes that step fail with it.
using FaultInjector = std::function<int(ReplaceStep)>;

// Writes bytes to a temporary file in the same folder, flushes it to disk, renames it over path
// and flushes the folder. On any failure the temporary file is removed, the old file is left as
// it was, and RuntimeError with the mapped number is thrown. Only a failure to flush the folder
// after the rename is reported with the new contents already in place. The new file keeps the
// old file's permission bits (0666 narrowed by the umask when there was none).
//
// The temporary file is hidden (".NAME.~PID-RANDOM.tmp"). One left behind by a process that died
// while saving (a crash, a power cut, a kill) is removed by the next save of the same file.
//
// For the crash and disk-error tests of whole programs, the environment variable VX_FILEIO_FAULT
// (read once; nothing is checked while it is unset) names a point to fail at: "ACTION:POINT[:N]",
// the N-th time the process reaches POINT. ACTION "kill" ends the process there with SIGKILL
// (default N 1); an errno name ("enospc", "eio", "eacces", "erofs", "edquot", "ebusy") makes that
// step fail with it (without N: every time, as a full disk does). POINT is a step (create, write, sync, rename, syncdir), or, for "kill" only, a
// point after one (created, written, synced, closed, renamed, done), or "any" for every point in
// turn. While the variable is set, bytes are written 512 at a time, each block a "write" point.
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           const FaultInjector& fault = {});

} // namespace runtime
