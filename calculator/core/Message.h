#pragma once

#include "runtime/MessageBox.h"

#include <string>
#include <utility>
#include <vector>

namespace abacon {

// Message boxes are the window's business; the engine only says what to show.
using Messages = std::vector<runtime::Message>;

// Every message box of the calculator carries this title.
inline constexpr const char* kTitle = "Abacon";

// A box of the calculator: OK only, with `icon` (runtime::mb::vbCritical ...; 0 for none).
inline runtime::Message message(std::string text, int icon = 0, bool beep = false) {
    return runtime::Message{std::move(text), kTitle, runtime::mb::vbOKOnly + icon, beep};
}

// The texts of the calculator's messages ("\r" is the line break of the message box).
namespace text {
inline constexpr const char* kTwoOperators =
    "Can't have two operators in succession!\rLast operator will be cancelled!";
inline constexpr const char* kTooLarge = "Number entered is too large!\rIt will be Truncated!";
inline constexpr const char* kDivideByZero = "Can't divide by zero";
inline constexpr const char* kNegativeRoot = "Can't take square root of a negative value!";
inline constexpr const char* kZeroReciprocal = "Can't take reciprocal of a zero value!";
inline constexpr const char* kNoneSelected = "No items selected";
inline constexpr const char* kInsufficient = "Insufficient items selected";
inline constexpr const char* kInvalidSelection = "Invalid selection";
inline constexpr const char* kInvalidLoanInput = "Input values are not valid.";
inline constexpr const char* kLoanTitle = "Loan Parameters";
inline constexpr const char* kLabelPrompt = "Enter Label For Tape";
// Overflow or an undefined power would otherwise put "inf" or "nan" into the register.
inline constexpr const char* kNoResult = "Result can't be calculated!";
inline constexpr const char* kPasteNotNumber = "Clipboard does not hold a number!";
inline constexpr const char* kPrinterError = "Printer error";
} // namespace text

} // namespace abacon
