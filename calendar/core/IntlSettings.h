#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vxcal {

// The user's regional settings (the "intl" section of WIN.INI): passed in so that the date model
// and the language texts never reach for a global.
class IntlSettings {
public:
    virtual ~IntlSettings() = default;
    // The value of the key, or def when it is absent; at most maxChars bytes (Windows-1252).
    virtual std::string read(std::string_view key, std::string_view def, std::size_t maxChars) const = 0;
};

// Settings that always give the defaults: the regional settings of a machine nobody changed.
class DefaultIntlSettings final : public IntlSettings {
public:
    std::string read(std::string_view, std::string_view def, std::size_t maxChars) const override {
        return std::string(def.substr(0, maxChars));
    }
};

} // namespace vxcal
