#pragma once

#include <cstddef>
#include <vector>

namespace ledger {

// Asks the system to back a large block that is about to be filled with huge pages. Filling the
// tables of a register of a million items otherwise spends as much time taking page faults as it
// does decoding; a small block is left alone. Nothing changes where the system has no such advice.
void adviseLargeBlock(const void* data, std::size_t bytes);

// Reserves room for `count` elements of an empty vector and advises it before it is filled.
template <class T> void reserveLarge(std::vector<T>& table, std::size_t count) {
    table.reserve(count);
    adviseLargeBlock(table.data(), count * sizeof(T));
}

} // namespace ledger
