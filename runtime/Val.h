#pragma once

#include <string_view>

namespace runtime {

// The value of the number a text starts with, as the classic Val reads it: blanks, tabs and
// line feeds are skipped anywhere, then an optional sign, digits with one ".", an optional
// exponent (E or D). "&H"/"&O" read hexadecimal/octal integers. A comma or any other character
// ends the number; a text without a number gives 0.
double val(std::string_view text);

} // namespace runtime
