#pragma once

#include "calendar/core/IntlSettings.h"

#include <map>
#include <string>

// Regional settings held in memory; keys absent from the map give the default.
class MapIntl final : public vxcal::IntlSettings {
public:
    std::map<std::string, std::string> values;
    std::string read(std::string_view key, std::string_view def, std::size_t maxChars) const override {
        const auto it = values.find(std::string(key));
        const std::string v = it == values.end() ? std::string(def) : it->second;
        return v.substr(0, maxChars);
    }
};
