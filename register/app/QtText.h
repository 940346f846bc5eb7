#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace ledger {

// The core speaks UTF-8, the windows QString; these are the one crossing between them.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace ledger
