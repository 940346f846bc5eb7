#pragma once

#include "winapi/Types.h"

#include <filesystem>
#include <string_view>

namespace winapi {

// Profile (INI) strings. All strings are Windows-1252 bytes, exactly as they stand in the file.
// A file name without '/' lives in windowsDirectory(); anything else is used as given.
// Sections and keys match case-insensitively; the first matching section and key win.

// Copies the value of section/key into buffer (at most size - 1 bytes and a NUL) and returns the
// number of bytes copied without the NUL: size - 1 when the value had to be cut. An absent file,
// section or key gives def (NULL counts as "") with its trailing blanks removed. A NULL key lists
// the section's keys, a NULL section lists the sections, each name followed by a NUL and the list
// by one more NUL; a list that does not fit is cut and size - 2 is returned. Values lose their
// surrounding blanks and one pair of matching surrounding quotes.
DWORD GetPrivateProfileStringA(const char* section, const char* key, const char* def, char* buffer, DWORD size,
                               const char* file);

// The leading integer of section/key ("-12abc" gives -12 as an unsigned wrap, as on Windows;
// "abc" gives 0); def when the key is absent.
UINT GetPrivateProfileIntA(const char* section, const char* key, int def, const char* file);

// Writes key=value into section, creating the file (and the Windows directory) and the section as
// needed; a NULL value deletes the key, a NULL key deletes the whole section. The file is replaced
// atomically. Returns 0 when the file cannot be written or an argument would corrupt it (a NULL
// section, or a line break in a section, key or value; '=' in a key; ']' in a section).
BOOL WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* file);

// Where a profile file name is looked for.
std::filesystem::path profilePath(std::string_view file);

} // namespace winapi
