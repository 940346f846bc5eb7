#pragma once

#include "runtime/MessageBox.h"

#include <optional>
#include <string_view>

namespace ledger {

inline constexpr std::string_view kDiskErrorTitle = "Disk Error";
// The run-time error "Path/File access error": a file that cannot be opened in the requested mode
// or with the requested access.
inline constexpr int kFileAccessError = 75;

// The box the disk-error routine shows for a run-time error number: its text and style (buttons +
// icon), titled "Disk Error", without a beep. std::nullopt: no box, the caller gives up and shows
// the standard text of the error.
std::optional<runtime::Message> diskErrorPrompt(int errorNumber);

// What the caller does next after the user's answer to the box.
enum class DiskErrorAction {
    Retry,  // run the failed statement again (OK, Retry)
    Skip,   // go on after it (Ignore)
    Cancel, // stop what was being done (Cancel, Abort)
    GiveUp, // stop and show the error's standard text (any other answer, or no box)
};
DiskErrorAction diskErrorResult(int answer);

// A box with only OK offers no way out: its OK retries. When the same error comes straight back
// after such a retry, the caller gives up instead of showing the box again, which would hold the
// user in an endless loop with unsaved changes in memory.
bool diskErrorRepeatsWithoutWayOut(int errorNumber, int previousErrorNumber);

} // namespace ledger
