#include "winapi/ModuleStrings.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>

namespace winapi {

namespace {

const VxStringTable* tableOf(HMODULE module) {
    void* symbol = nullptr;
    if (module == nullptr) {
        if (void* self = dlopen(nullptr, RTLD_LAZY)) {
            symbol = dlsym(self, kVxStringTableSymbol);
            dlclose(self);
        }
    } else {
        symbol = GetProcAddress(module, kVxStringTableSymbol);
    }
    const auto* table = static_cast<const VxStringTable*>(symbol);
    if (table == nullptr || table->magic != kVxStringTableMagic || table->blocks == nullptr)
        return nullptr;
    return table;
}

} // namespace

const char* findModuleString(HMODULE module, UINT id) {
    const VxStringTable* table = tableOf(module);
    if (table == nullptr || id > 0xFFFF)
        return nullptr;
    const auto block = static_cast<std::uint16_t>(id / 16 + 1);
    const VxStringBlock* end = table->blocks + table->count;
    const VxStringBlock* it = std::lower_bound(
        table->blocks, end, block, [](const VxStringBlock& b, std::uint16_t v) { return b.block < v; });
    if (it == end || it->block != block)
        return nullptr;
    return it->strings[id % 16];
}

int LoadStringA(HMODULE module, UINT id, char* buffer, int size) {
    if (buffer == nullptr || size <= 0)
        return 0;
    buffer[0] = '\0';
    const char* text = findModuleString(module, id);
    if (text == nullptr)
        return 0;
    const std::size_t n = std::min(std::strlen(text), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

} // namespace winapi
