#pragma once

// The message-box vocabulary shared by every layer: the cores say which box to show with these
// numbers and records, the windows show it through the prompt layer. The numbers are the classic
// ones, so a style is one button set + one icon + one default button, added together.

#include <string>

namespace runtime {

namespace mb {

// Button sets.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;

// Icons.
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;

// Default button.
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;

// The parts of a style.
inline constexpr int kButtonsMask = 0x0F;
inline constexpr int kIconMask = 0x70;
inline constexpr int kDefaultButtonMask = 0x300;

// Answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

} // namespace mb

// One box a core wants shown: UTF-8 text and title, the style, and whether a beep comes first.
struct Message {
    std::string text;
    std::string title;
    int style = mb::vbOKOnly;
    bool beep = false;

    friend bool operator==(const Message&, const Message&) = default;
};

} // namespace runtime
