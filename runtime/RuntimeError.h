#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// A run-time error as the classic runtime raised it: a number and its standard text.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string& text);
    int number() const noexcept { return number_; }

private:
    int number_;
};

// The standard text of a run-time error number; "Application-defined or object-defined error"
// for a number without one.
std::string errorText(int number);

// Maps an errno value to the run-time error the classic file statements raised for it.
int errorNumberFromErrno(int err);

// Throws RuntimeError(errorNumberFromErrno(err)).
[[noreturn]] void throwErrno(int err);

} // namespace runtime
