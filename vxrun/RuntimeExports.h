#pragma once

#include "vxrun/core/DateNormalizer.h"

// What libvxrun32.so offers by name to any module that loads it (winapi::LoadLibraryA("VXRUN32")
// and GetProcAddress): plain C symbols, so that a caller depends on no C++ name mangling.
extern "C" {

// The date normaliser (ordinal 16 of the classic runtime), vxrun::normalizeCalendarTime under the
// same name: carries a day or month outside its range into the neighbouring months and years,
// rewrites day, month and year and fills weekday (0 = Sunday) and day of year; -1 and the record
// untouched when the date leaves the years 0..9999, 0 otherwise.
__attribute__((visibility("default"))) int normalizeCalendarTime(vxrun::CalendarTime* time);

} // extern "C"

namespace vxrun {

inline constexpr const char* kNormalizeCalendarTimeExport = "normalizeCalendarTime";
using NormalizeCalendarTimeProc = int (*)(CalendarTime*);

} // namespace vxrun
