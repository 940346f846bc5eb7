#pragma once

#include "calendar/core/IntlSettings.h"

namespace vxcal {

// The "intl" section of WIN.INI in the Windows directory, read afresh at every call so that a
// change of the regional settings takes effect at the next formatting or loading of texts.
class WinIniIntl final : public IntlSettings {
public:
    std::string read(std::string_view key, std::string_view def, std::size_t maxChars) const override;
};

} // namespace vxcal
