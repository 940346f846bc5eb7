#include "register/core/DiskError.h"

namespace ledger {

std::optional<DiskErrorPrompt> diskErrorPrompt(int errorNumber) {
    constexpr int kAri = mb::kAbortRetryIgnore + mb::kExclamation;
    constexpr int kOk = mb::kOKOnly + mb::kExclamation;
    switch (errorNumber) {
    case 68:
        return DiskErrorPrompt{"That device appears unavailable.", kAri};
    case 71:
        return DiskErrorPrompt{"Insert a disk in the drive and close the door.", kOk};
    case 57:
        return DiskErrorPrompt{"Internal disk error.", kAri};
    case 61:
        return DiskErrorPrompt{"Disk is full. Continue?", mb::kYesNoCancel + mb::kQuestion};
    case 52:
    case 64:
        return DiskErrorPrompt{"That filename is illegal.", kAri};
    case 53:
        return DiskErrorPrompt{"That file cannot be found.", kAri};
    case 76:
        return DiskErrorPrompt{"That path doesn't exist.", kAri};
    case kFileAccessError:
        return DiskErrorPrompt{"Can't open your file for that type of access.", kAri};
    case 55:
        return DiskErrorPrompt{"This file is already open.", kOk};
    case 62:
        return DiskErrorPrompt{"This file has a nonstandard end of file marker, "
                               "or an attempt was made to read beyond "
                               "the end-of-file marker.",
                               kOk};
    default:
        return std::nullopt;
    }
}

bool diskErrorRepeatsWithoutWayOut(int errorNumber, int previousErrorNumber) {
    if (errorNumber != previousErrorNumber) {
        return false;
    }
    const std::optional<DiskErrorPrompt> prompt = diskErrorPrompt(errorNumber);
    return prompt && prompt->style % 16 == mb::kOKOnly;
}

int diskErrorResult(int answer) {
    switch (answer) {
    case mb::kOK:
    case mb::kRetry:
        return 0;
    case mb::kIgnore:
        return 1;
    case mb::kCancel:
    case mb::kAbort:
        return 2;
    default:
        return 3;
    }
}

} // namespace ledger
