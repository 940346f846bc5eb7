#include "register/app/AppSettings.h"

#include "runtime/Cp1252.h"
#include "winapi/Profile.h"

#include <vector>

namespace ledger {

namespace {
const std::string kSection(kSettingsSection);
} // namespace

ProfileSettingsStore::ProfileSettingsStore(std::string fileName) : fileName_(std::move(fileName)) {}

std::string ProfileSettingsStore::getString(std::string_view key, std::string_view defaultValue,
                                            int bufferSize) const {
    const std::string k(key);
    const std::string def = runtime::utf8ToCp1252(defaultValue);
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize > 0 ? bufferSize : 1), '\0');
    const auto copied = winapi::GetPrivateProfileStringA(kSection.c_str(), k.c_str(), def.c_str(), buffer.data(),
                                                         static_cast<winapi::DWORD>(buffer.size()), fileName_.c_str());
    return runtime::cp1252ToUtf8(std::string_view(buffer.data(), copied));
}

int ProfileSettingsStore::getInt(std::string_view key, int defaultValue) const {
    const std::string k(key);
    return static_cast<int>(winapi::GetPrivateProfileIntA(kSection.c_str(), k.c_str(), defaultValue, fileName_.c_str()));
}

bool ProfileSettingsStore::writeString(std::string_view key, std::string_view value) {
    const std::string k(key);
    const std::string v = runtime::utf8ToCp1252(value);
    return winapi::WritePrivateProfileStringA(kSection.c_str(), k.c_str(), v.c_str(), fileName_.c_str()) != 0;
}

QColor colorFromRgbNumber(std::uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
                  static_cast<int>((rgb >> 16) & 0xFFu));
}

std::uint32_t rgbNumberFromColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) | (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

} // namespace ledger
