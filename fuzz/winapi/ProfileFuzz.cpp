// Any bytes as a settings (INI) file: listing sections and keys, reading values as text and as a
// number must never crash or read outside a buffer, and a value written afterwards must read back
// exactly, whatever the file held before. Each read parses the whole file again, as the settings
// functions do, so only kReads key lists and values are read: all of a long file's would make each
// input quadratic and the run many times slower, for no code that the first ones do not reach.
#include "winapi/Profile.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using winapi::DWORD;

constexpr int kReads = 24;

std::vector<std::string> splitList(const char* list, DWORD size) {
    std::vector<std::string> names;
    for (DWORD at = 0; at < size && list[at] != '\0';) {
        names.emplace_back(list + at);
        at += static_cast<DWORD>(names.back().size()) + 1;
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // In memory where there is a memory file system: the write flushes the file to disk each time.
    static const std::string file = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    "/vx-profile-fuzz-" + std::to_string(::getpid()) + ".ini";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    static char list[4096];
    static char value[256];
    const DWORD sections = winapi::GetPrivateProfileStringA(nullptr, nullptr, "", list, sizeof list, file.c_str());
    int readsLeft = kReads;
    for (const std::string& section : splitList(list, sections)) {
        if (readsLeft-- <= 0)
            break;
        static char keys[4096];
        const DWORD count =
            winapi::GetPrivateProfileStringA(section.c_str(), nullptr, "", keys, sizeof keys, file.c_str());
        for (const std::string& key : splitList(keys, count)) {
            if (readsLeft-- <= 0)
                break;
            const DWORD got = winapi::GetPrivateProfileStringA(section.c_str(), key.c_str(), "dflt", value,
                                                               sizeof value, file.c_str());
            if (got >= sizeof value || std::strlen(value) != got)
                std::abort();
            static_cast<void>(winapi::GetPrivateProfileIntA(section.c_str(), key.c_str(), 7, file.c_str()));
        }
    }
    // A write into whatever was there must read back as written.
    if (winapi::WritePrivateProfileStringA("Ledgrn", "FuzzKey", "value 42", file.c_str()) != 0) {
        winapi::GetPrivateProfileStringA("Ledgrn", "FuzzKey", "", value, sizeof value, file.c_str());
        if (std::strcmp(value, "value 42") != 0)
            std::abort();
    }
    ::unlink(file.c_str());
    return 0;
}
