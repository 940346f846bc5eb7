#pragma once

#include "runtime/Currency.h"
#include "runtime/OleDate.h"

#include <string>
#include <string_view>

namespace runtime {

// Display patterns in the classic Format style.
//
// Numbers: sections "positive;negative;zero". Digit places "0" (always shown) and "#" (shown
// only when significant), "," in the integer part turns on thousands grouping, "." separates the
// decimals, "%" scales by 100, text in double quotes or after "\" and every other character is
// copied as it stands ("$", "(", ")", blanks). Values are rounded half away from zero to the
// decimals shown; "#" decimals after "0" decimals are optional ("0.00##" shows 2 to 4). All
// integer digits are shown, however few places the pattern has ("##" of 2026 is "2026").
// Choices where the classic behaviour is easy to get wrong:
//   - a one-section pattern (or an empty second section) shows a negative value with a leading
//     "-" before its literals ("$#,##0.00" of -5 is "-$5.00");
//   - a second section shows the magnitude without a minus sign;
//   - a value that rounds to zero uses the zero section when there is one, else the positive
//     section, so a tiny negative amount never shows as "-0.00" or "(0.00)";
//   - "#" places print no digit for a zero: "###" of 0 is "", "$#,####.00" of 0.5 is "$.50",
//     while "##0" of 0 is "0"; a "." in the pattern is always printed;
//   - an empty pattern gives the plain number ("12.5"); NaN and infinities give "".
std::string formatNumber(double value, std::string_view pattern);
// Same patterns, computed exactly on the ten-thousandths (no floating point anywhere).
std::string formatCurrency(Currency value, std::string_view pattern);

// Dates: "mm/dd/yy", "mm/dd/yyyy", "m/dd/yyyy", "h:mm AMPM " and any mix of the tokens
// d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn (minutes) s ss AMPM AM/PM am/pm (English names);
// "m"/"mm" after an hour means minutes; with AMPM the hour runs 12, 1 .. 11. Other characters
// are copied. An unusable date (NaN, outside years 100..9999) gives "".
std::string formatDate(OleDate date, std::string_view pattern);

} // namespace runtime
