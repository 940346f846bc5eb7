// A program carrying a version record (German, code page 1252) that asks the locale module for
// its language, as a control's host program would.
#include "winapi/Module.h"
#include "winapi/VersionRecord.h"

#include <cstdio>

VX_VERSION_RECORD(hostVersionRecord,
                  VX_VERSION_ENTRY("FileVersion", "1.2.3.4") VX_VERSION_ENTRY("Translation", "040704E4")
                      VX_VERSION_ENTRY("ProductName", "Host"));

int main() {
    winapi::HMODULE module = winapi::LoadLibraryA("VXLOCALE");
    if (module == nullptr)
        return 2;
    auto getLanguage = reinterpret_cast<int (*)()>(winapi::GetProcAddress(module, "GetLanguage"));
    if (getLanguage == nullptr)
        return 3;
    std::printf("%d\n", getLanguage());
    winapi::FreeLibrary(module);
    return 0;
}
