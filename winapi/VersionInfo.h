#pragma once

#include "winapi/Types.h"

#include <cstdint>

namespace winapi {

// The fixed part of a version record ("\\"): versions as two 32-bit halves, 5.01.00.00 is
// 0x00050001 / 0x00000000.
struct VS_FIXEDFILEINFO {
    DWORD dwSignature; // 0xFEEF04BD
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
};

// Size of the buffer the version record of an executable or module file needs, or 0 when the
// file cannot be read, is no ELF file or carries no record (winapi/VersionRecord.h). handle is
// set to 0 as on Windows and may be nullptr.
DWORD GetFileVersionInfoSizeA(const char* file, DWORD* handle);
// Reads the record into data (len bytes, from GetFileVersionInfoSizeA); 0 on failure.
BOOL GetFileVersionInfoA(const char* file, DWORD handle, DWORD len, void* data);
// Points *buffer into data: "\\" gives the VS_FIXEDFILEINFO, "\\VarFileInfo\\Translation" the
// language and code page as two 16-bit words, "\\StringFileInfo\\040904E4\\Comments" (the block
// named by the translation, any case) a NUL-terminated value whose length counts the NUL.
// 0 when the value is absent.
BOOL VerQueryValueA(const void* data, const char* subBlock, void** buffer, UINT* len);

} // namespace winapi
