#pragma once

#include "winapi/Types.h"

#include <string_view>

namespace winapi {

// The Windows language identifier of a POSIX locale name ("de_CH.UTF-8" gives 0x0807; "de"
// gives the primary sublanguage 0x0407); 0x0409 for "C", "POSIX", "" and anything unknown.
LCID lcidFromLocaleName(std::string_view name);

// The system language from LC_ALL, then LC_MESSAGES, then LANG (the first that is set and not empty).
LCID GetSystemDefaultLCID();
LCID GetUserDefaultLCID();

} // namespace winapi
