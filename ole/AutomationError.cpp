#include "ole/AutomationError.h"

#include "runtime/RuntimeError.h"

namespace ole {

AutomationError::AutomationError(SCODE scode, QString description, int helpContext)
    : scode_(scode), description_(std::move(description)), helpContext_(helpContext),
      what_(QStringLiteral("0x%1 %2")
                .arg(static_cast<std::uint32_t>(scode), 8, 16, QLatin1Char('0'))
                .arg(description_)
                .toStdString()) {}

int AutomationError::number() const noexcept {
    const auto u = static_cast<std::uint32_t>(scode_);
    return (u & 0xFFFF0000u) == 0x800A0000u ? static_cast<int>(u & 0xFFFFu) : 0;
}

void throwStandardError(SCODE scode) {
    const auto u = static_cast<std::uint32_t>(scode);
    const int number = (u & 0xFFFF0000u) == 0x800A0000u ? static_cast<int>(u & 0xFFFFu) : 0;
    throw AutomationError(scode, QString::fromStdString(runtime::errorText(number)));
}

} // namespace ole
