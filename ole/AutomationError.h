#pragma once

#include "ole/Types.h"

#include <QString>

#include <exception>
#include <string>

namespace ole {

// An automation exception: what a property or method raises and the dispatch boundary hands to the
// container as its exception information.
class AutomationError : public std::exception {
public:
    AutomationError(SCODE scode, QString description, int helpContext = -1);
    SCODE scode() const noexcept { return scode_; }
    const QString& description() const noexcept { return description_; }
    int helpContext() const noexcept { return helpContext_; }
    // The run-time error number for a 0x800A.... code, else 0.
    int number() const noexcept;
    const char* what() const noexcept override { return what_.c_str(); }

private:
    SCODE scode_;
    QString description_;
    int helpContext_;
    std::string what_;
};

// The exception information a container receives from a failed call.
struct ExcepInfo {
    SCODE scode = 0;
    QString description;
    QString source;
    int helpContext = 0;
};

// Raises an automation error with the standard text of its run-time error number.
[[noreturn]] void throwStandardError(SCODE scode);

} // namespace ole
