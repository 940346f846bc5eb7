#pragma once

#include "runtime/Cp1252.h"

#include <QString>

#include <string>

namespace vxcal {

// The control keeps its texts as the Windows-1252 bytes that are stored and handed to callers; it
// shows and takes them as QString.
inline QString fromBytes(const std::string& bytes) {
    return QString::fromStdString(runtime::cp1252ToUtf8(bytes));
}
inline std::string toBytes(const QString& text) {
    return runtime::utf8ToCp1252(text.toStdString());
}

} // namespace vxcal
