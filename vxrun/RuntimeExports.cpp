#include "vxrun/RuntimeExports.h"

// The calendar links the static normaliser; other modules find this one by name.
extern "C" int normalizeCalendarTime(vxrun::CalendarTime* time) {
    return vxrun::normalizeCalendarTime(time);
}

// The classic runtime's callers reach the normaliser by its ordinal (GetProcAddress(module, MAKEINTRESOURCEA(16))).
extern "C" __attribute__((visibility("default"), alias("normalizeCalendarTime"))) int
VxOrdinal16(vxrun::CalendarTime* time);
