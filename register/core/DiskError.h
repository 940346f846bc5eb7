#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ledger {

// Message-box styles and answers with their classic numbers (the same values the prompt layer uses).
namespace mb {
inline constexpr int kOKOnly = 0;
inline constexpr int kAbortRetryIgnore = 2;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;

inline constexpr int kOK = 1;
inline constexpr int kCancel = 2;
inline constexpr int kAbort = 3;
inline constexpr int kRetry = 4;
inline constexpr int kIgnore = 5;
} // namespace mb

inline constexpr std::string_view kDiskErrorTitle = "Disk Error";
// The run-time error "Path/File access error": a file that cannot be opened in the requested mode
// or with the requested access.
inline constexpr int kFileAccessError = 75;

// What the disk-error routine shows for a run-time error number: message and style (buttons +
// icon) of a box titled "Disk Error". std::nullopt: no box, the caller gives up (result 3) and
// shows the standard text of the error.
struct DiskErrorPrompt {
    std::string message;
    int style = 0;
};
std::optional<DiskErrorPrompt> diskErrorPrompt(int errorNumber);

// What the caller does next after the user's answer: 0 retry the failed statement (OK, Retry),
// 1 skip it (Ignore), 2 cancel (Cancel, Abort), 3 give up and show the error's standard text.
int diskErrorResult(int answer);

// A box with only OK offers no way out: its OK retries. When the same error comes straight back
// after such a retry, the caller gives up (result 3) instead of showing the box again, which
// would hold the user in an endless loop with unsaved changes in memory.
bool diskErrorRepeatsWithoutWayOut(int errorNumber, int previousErrorNumber);

} // namespace ledger
