#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace ui {

// The cores speak UTF-8, the windows QString; these are the one crossing between them.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string utf8(const QString& text) {
    return text.toStdString();
}
// A core's message text as a message box shows it: its line breaks (CR, as the stored texts have
// them) become new lines.
inline QString boxText(std::string_view text) {
    QString shown = qs(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace ui
