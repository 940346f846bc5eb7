#pragma once

#include "winapi/Module.h"

#include <cstdint>

// How a module carries its string table on Linux: it exports the data symbol
// vxModuleStringTable (kVxStringTableSymbol), a table of blocks of 16 strings laid out like the
// Windows string resources (block = id / 16 + 1, slot = id % 16). Plain C layout, so that a module
// written in C can carry one too.
extern "C" {
struct VxStringBlock {
    std::uint16_t block;     // id / 16 + 1
    std::uint16_t language;  // resource language, 1033 for every block of the suite
    const char* strings[16]; // single-byte (code page) texts; nullptr where the table has no string
};

struct VxStringTable {
    std::uint32_t magic; // kVxStringTableMagic
    std::uint32_t count;
    const VxStringBlock* blocks; // ascending by block
};
}

inline constexpr const char* kVxStringTableSymbol = "vxModuleStringTable";
inline constexpr std::uint32_t kVxStringTableMagic = 0x52545856; // "VXTR"

namespace winapi {

// Copies string `id` of the module's own table (the program itself for nullptr) into buffer, cut
// to size - 1 bytes, and returns the count copied; 0 (and an empty buffer) when the module has no
// table or the table has no such string.
int LoadStringA(HMODULE module, UINT id, char* buffer, int size);

// The string itself, or nullptr.
const char* findModuleString(HMODULE module, UINT id);

} // namespace winapi
