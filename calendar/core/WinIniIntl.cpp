#include "calendar/core/WinIniIntl.h"

#include "winapi/Profile.h"

#include <vector>

namespace vxcal {

std::string WinIniIntl::read(std::string_view key, std::string_view def, std::size_t maxChars) const {
    const std::string k(key);
    const std::string d(def);
    std::vector<char> buffer(maxChars + 1, '\0');
    const auto n = winapi::GetPrivateProfileStringA("intl", k.c_str(), d.c_str(), buffer.data(),
                                                    static_cast<winapi::DWORD>(buffer.size()), "WIN.INI");
    return std::string(buffer.data(), n);
}

} // namespace vxcal
