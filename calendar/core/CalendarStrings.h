#pragma once

#include <string_view>

namespace vxcal {

// The control's own string table of month and weekday names: fourteen blocks of 48 numbers, block
// base = 48 x block index. Within a block: +0..6 full weekday names (Sunday first), +7..13 the
// three-letter names, +14..20 the two-letter names, +21..32 full month names, +33..44 short month
// names; +45..47 are unused. Texts are UTF-8; an unused or unknown number gives an empty view.
inline constexpr int kStringsPerBlock = 48;
inline constexpr int kLanguageBlocks = 14;

std::string_view calendarString(int id);

} // namespace vxcal
