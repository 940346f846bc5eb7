#include "winapi/Module.h"

#include "winapi/Paths.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <filesystem>
#include <system_error>

namespace winapi {

std::string moduleFileName(std::string_view name) {
    if (name.find('/') != std::string_view::npos || name.ends_with(".so") || name.find(".so.") != std::string_view::npos)
        return std::string(name);
    std::string base(name);
    if (const auto dot = base.rfind('.'); dot != std::string::npos && dot > 0)
        base.erase(dot);
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return "lib" + base + ".so";
}

HMODULE LoadLibraryA(const char* name) {
    if (name == nullptr || *name == '\0')
        return nullptr;
    const std::string file = moduleFileName(name);
    if (file.find('/') == std::string::npos) {
        const auto local = programDirectory() / file;
        std::error_code ec;
        if (std::filesystem::is_regular_file(local, ec))
            return dlopen(local.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
    if (module == nullptr || procName == nullptr)
        return nullptr;
    if (const auto ordinal = reinterpret_cast<std::uintptr_t>(procName); ordinal < 0x10000)
        return dlsym(module, ("VxOrdinal" + std::to_string(ordinal)).c_str());
    return dlsym(module, procName);
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr)
        return 0;
    return dlclose(module) == 0 ? 1 : 0;
}

DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) {
    if (buffer == nullptr || size == 0)
        return 0;
    std::string path;
    if (module == nullptr) {
        std::error_code ec;
        path = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    } else {
        link_map* map = nullptr;
        if (dlinfo(module, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr && map->l_name != nullptr)
            path = map->l_name;
    }
    const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
    if (n > 0)
        std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

} // namespace winapi
