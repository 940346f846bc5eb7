#pragma once

#include "register/core/Settings.h"

#include <QColor>

#include <cstdint>
#include <string>

namespace ledger {

// Section "Ledgrn" of the settings file, read and written through the profile-string calls.
// A bare file name lives in the Windows directory, as the profile calls place it.
class ProfileSettingsStore : public SettingsStore {
public:
    explicit ProfileSettingsStore(std::string fileName = std::string(kSettingsFile));

    std::string getString(std::string_view key, std::string_view defaultValue, int bufferSize) const override;
    int getInt(std::string_view key, int defaultValue) const override;
    bool writeString(std::string_view key, std::string_view value) override;

    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};

// Window sizes are kept in twips, as the settings file has always held them.
inline constexpr int kTwipsPerPixel = 15;
inline int pixelsFromTwips(int twips) { return twips / kTwipsPerPixel; }
inline int twipsFromPixels(int pixels) { return pixels * kTwipsPerPixel; }

// Colours are stored as the platform's RGB number: red in the low byte, blue in the third.
QColor colorFromRgbNumber(std::uint32_t rgb);
std::uint32_t rgbNumberFromColor(const QColor& color);

} // namespace ledger
