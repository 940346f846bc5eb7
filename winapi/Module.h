#pragma once

#include <cstdint>

#include "winapi/Types.h"

#include <string>
#include <string_view>

namespace winapi {

using HMODULE = void*;
using FARPROC = void*;

// The Linux file name of a module: "VXLOCALE.DLL" and "VXLOCALE" give "libvxlocale.so",
// "vxcal32.ocx" gives "libvxcal32.so". A path with '/' and a Linux library name ("libm.so.6") are kept.
std::string moduleFileName(std::string_view name);

// Loads a module by name, from programDirectory() first, then the normal library path.
// Returns nullptr when it cannot be found or loaded.
HMODULE LoadLibraryA(const char* name);
// procName is an exported name, or an ordinal made with MAKEINTRESOURCEA (a value below 0x10000): a
// module offers ordinal N as the C symbol "VxOrdinal<N>" beside its name.
FARPROC GetProcAddress(HMODULE module, const char* procName);

inline const char* MAKEINTRESOURCEA(unsigned short ordinal) {
    return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(ordinal));
}
BOOL FreeLibrary(HMODULE module);

// The full path of a loaded module (the program itself for nullptr), cut to the buffer like the
// profile calls; returns the count copied.
DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size);

} // namespace winapi
