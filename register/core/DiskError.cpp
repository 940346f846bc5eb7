#include "register/core/DiskError.h"

#include <string>
#include <utility>

namespace ledger {

namespace mb = runtime::mb;

namespace {

runtime::Message diskBox(std::string text, int style) {
    return runtime::Message{std::move(text), std::string(kDiskErrorTitle), style, false};
}

} // namespace

std::optional<runtime::Message> diskErrorPrompt(int errorNumber) {
    constexpr int kAri = mb::vbAbortRetryIgnore + mb::vbExclamation;
    constexpr int kOk = mb::vbOKOnly + mb::vbExclamation;
    switch (errorNumber) {
    case 68:
        return diskBox("That device appears unavailable.", kAri);
    case 71:
        return diskBox("Insert a disk in the drive and close the door.", kOk);
    case 57:
        return diskBox("Internal disk error.", kAri);
    case 61:
        return diskBox("Disk is full. Continue?", mb::vbYesNoCancel + mb::vbQuestion);
    case 52:
    case 64:
        return diskBox("That filename is illegal.", kAri);
    case 53:
        return diskBox("That file cannot be found.", kAri);
    case 76:
        return diskBox("That path doesn't exist.", kAri);
    case kFileAccessError:
        return diskBox("Can't open your file for that type of access.", kAri);
    case 55:
        return diskBox("This file is already open.", kOk);
    case 62:
        return diskBox("This file has a nonstandard end of file marker, "
                       "or an attempt was made to read beyond "
                       "the end-of-file marker.",
                       kOk);
    default:
        return std::nullopt;
    }
}

bool diskErrorRepeatsWithoutWayOut(int errorNumber, int previousErrorNumber) {
    if (errorNumber != previousErrorNumber) {
        return false;
    }
    const std::optional<runtime::Message> prompt = diskErrorPrompt(errorNumber);
    return prompt && (prompt->style & mb::kButtonsMask) == mb::vbOKOnly;
}

DiskErrorAction diskErrorResult(int answer) {
    switch (answer) {
    case mb::vbOK:
    case mb::vbRetry:
        return DiskErrorAction::Retry;
    case mb::vbIgnore:
        return DiskErrorAction::Skip;
    case mb::vbCancel:
    case mb::vbAbort:
        return DiskErrorAction::Cancel;
    default:
        return DiskErrorAction::GiveUp;
    }
}

} // namespace ledger
