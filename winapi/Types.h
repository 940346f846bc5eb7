#pragma once

#include <cstdint>

namespace winapi {

// The Windows integer types under their usual names, so calls keep their familiar shapes.
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;
using LCID = std::uint32_t;

} // namespace winapi
