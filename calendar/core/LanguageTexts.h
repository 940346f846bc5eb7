#pragma once

#include "calendar/core/IntlSettings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vxcal {

// Language codes indexed by LanguageNumber; "WWW" stands for the control-panel language.
inline constexpr std::array<std::string_view, 18> kLanguageCodes{"WWW", "DAN", "DEU", "ENG", "ENU", "ESN",
                                                                 "ESP", "FIN", "FRA", "FRC", "ISL", "ITA",
                                                                 "NLD", "NOR", "PTG", "SVE", "EPT", "SER"};
inline constexpr int kMaxLanguageNumber = 17;

// Base number of the block of names of a language number; English for any number without a block.
int languageBlockBase(int languageNumber);

// The month and weekday names of the control's current language, as the single-byte
// (Windows-1252) texts the control draws, and the Language / LanguageNumber pair that selects them.
class LanguageTexts {
public:
    static constexpr std::size_t kLongSlot = 51;
    static constexpr std::size_t kTwoLetterSlot = 3;
    static constexpr std::size_t kThreeLetterSlot = 4;
    static constexpr std::size_t kShortMonthSlot = 11;

    // Starts as after a reset: number 0, code "WWW", texts of the control-panel language.
    explicit LanguageTexts(const IntlSettings& intl);

    // Fills the slots from the string table for LanguageNumber (0: the control-panel language,
    // WIN.INI intl sLanguage).
    void loadLanguageTexts();
    // The Language setter: a code (any case) selects its number, an unknown text keeps the number,
    // no text (nullopt, a null string) selects 0. The texts are reloaded and the text is kept as given.
    void setLanguageCode(std::optional<std::string_view> text);
    // The LanguageNumber setter: 0 or 380 (outside 0..17, nothing changes).
    int setLanguageNumber(int value);

    short languageNumber() const { return languageNumber_; }
    const std::string& language() const { return language_; }
    // Base of the block the slots were last loaded from.
    int loadedBlockBase() const { return loadedBase_; }

    // Each gives "" for an argument outside its range (month 1..12, weekday 0..6, 0 = Sunday).
    std::string monthName(int month) const;
    std::string shortMonthName(int month) const;
    std::string weekdayName(int weekday) const;
    std::string threeLetterWeekdayName(int weekday) const;
    std::string twoLetterWeekdayName(int weekday) const;

    // The 1150 bytes of slots in their fixed layout.
    struct Slots {
        char weekdays[7][kLongSlot];
        char weekdays2[7][kTwoLetterSlot];
        char weekdays3[7][kThreeLetterSlot];
        char months[12][kLongSlot];
        char months3[12][kShortMonthSlot];
    };
    const Slots& textSlots() const { return slots_; }

private:
    const IntlSettings& intl_;
    short languageNumber_ = 0;
    std::string language_ = "WWW";
    int loadedBase_ = 0;
    Slots slots_{};
};

static_assert(sizeof(LanguageTexts::Slots) == 1150);

} // namespace vxcal
