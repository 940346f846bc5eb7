#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace abacon {

// How the register and the tape show numbers: two to four decimals, thousands separators,
// negative values in parentheses.
inline constexpr std::string_view kNumberFormat = "###,###,##0.00##;(###,###,##0.00##)";
// The register holds at most this many characters, and a typed integer part at most 12 digits.
inline constexpr std::size_t kRegisterWidth = 18;
inline constexpr int kMaxIntegerDigits = 12;

std::string formatRegister(double value);
// The register text of a value: formatRegister when that fits in the register, otherwise the
// plain text, which keeps the magnitude where cutting the formatted text would change it
// ("123,456,789,012,345.00" cut to 18 reads as a tenth of the value).
std::string registerText(double value);

// The plain text of a double (up to 15 significant digits, "1E-05" style exponents, fewer digits
// when needed to fit the register), as the trigonometry keys show their results.
std::string plainText(double value);

// The value of a register or tape text: blanks and thousands separators are ignored, a number in
// parentheses is negative, the number ends at the first character that cannot continue it, and a
// text without a number is 0.
double numberValue(std::string_view text);

// True when the whole text (blanks around it allowed) is one finite number in a form numberValue
// reads.
bool isNumberText(std::string_view text);

// Digits before the decimal point (or the exponent).
int integerDigits(std::string_view text);

// True for a number in short form ("1E+20", "1.5E-07"): its digits do not stand in the places they
// show, so a digit typed onto it or taken from it would change its size, not its last place.
bool isShortForm(std::string_view text);

// The register text of a pasted number too long for the register. A number with more than 12 digits
// before the point goes through the limit every entered number goes through (its first 12
// characters, blanks, separators and leading zeros dropped first); any other keeps its value with
// fewer decimals.
std::string shortenedEntry(std::string_view text);

std::string trim(std::string_view text);
std::string padLeft(std::string_view text, std::size_t width);

} // namespace abacon
