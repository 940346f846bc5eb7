// Registry files from anywhere: reading must never crash or loop, and whatever it keeps must be
// written back in a form that reads as the same registry.
#include "ole/Registry.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // In memory where there is a memory file system: each save flushes the file to disk.
    static const std::string folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = folder + "/vxregfuzzXXXXXX";
    char* name = pattern.data();
    const int fd = ::mkstemp(name);
    if (fd < 0)
        return 0;
    ::close(fd);
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    ole::Registry reg{std::filesystem::path(name)};
    if (reg.load()) {
        const QString text = reg.text();
        if (reg.save()) {
            ole::Registry again{std::filesystem::path(name)};
            if (!again.load() || again.text() != text)
                std::abort();
        }
    }
    std::filesystem::remove(name);
    return 0;
}
