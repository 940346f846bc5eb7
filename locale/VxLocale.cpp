#include "locale/VxLocale.h"

#include "winapi/Locale.h"
#include "winapi/Module.h"
#include "winapi/VersionInfo.h"
#include "winapi/VersionRecord.h"

#include <cstdint>
#include <cstring>
#include <vector>

VX_VERSION_RECORD(vxlocaleVersionRecord,
                  VX_VERSION_ENTRY("FileVersion", "5.01.00.00")
                      VX_VERSION_ENTRY("ProductVersion", "5.01.00.00")
                          VX_VERSION_ENTRY("Translation", "040904E4")
                              VX_VERSION_ENTRY("Comments", "Localization DLL")
                                  VX_VERSION_ENTRY("FileDescription", "Tessary 5.0 - Localization DLL")
                                      VX_VERSION_ENTRY("InternalName", "VXLOCALE")
                                          VX_VERSION_ENTRY("OriginalFilename", "VXLOCALE.DLL")
                                              VX_VERSION_ENTRY("ProductName", "Tessary 5.01"));

extern "C" int VxGetLocale(void) {
    switch (winapi::GetSystemDefaultLCID() & 0x3FF) {
    case 0x07:
        return 20000;
    case 0x0C:
        return 15000;
    case 0x10:
        return 25000;
    case 0x11:
        return 30000;
    default:
        return 10000;
    }
}

extern "C" int GetLanguage(void) {
    char path[261] = {};
    if (winapi::GetModuleFileNameA(nullptr, path, 260) == 0)
        return 0;
    winapi::DWORD handle = 0;
    const winapi::DWORD size = winapi::GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return 0;
    std::vector<char> info(size);
    void* value = nullptr;
    winapi::UINT length = 0;
    if (!winapi::GetFileVersionInfoA(path, handle, size, info.data()) ||
        !winapi::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 2)
        return 0;
    std::uint16_t language = 0;
    std::memcpy(&language, value, sizeof language);
    return language;
}
