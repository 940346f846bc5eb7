#include "calendar/core/LanguageTexts.h"

#include "calendar/core/CalendarStrings.h"
#include "runtime/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace vxcal {

namespace {

// Block base by language number 0..17; number 0 (and any unmatched control-panel code) is English.
constexpr std::array<int, 18> kBlockBase{0,  336, 192, 0,   0,   576, 576, 480, 48,
                                         48, 624, 96,  240, 384, 144, 288, 528, 432};

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) {
                   return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

template <std::size_t N> void fillSlot(char (&slot)[N], int id) {
    // Stored as UTF-8, shown in the single-byte code page; a longer name is cut to the slot.
    const std::string bytes = runtime::utf8ToCp1252(calendarString(id));
    const std::size_t n = std::min(bytes.size(), N - 1);
    std::memcpy(slot, bytes.data(), n);
    std::memset(slot + n, 0, N - n);
}

template <std::size_t N> std::string slotText(const char (&slot)[N]) {
    return std::string(slot, ::strnlen(slot, N));
}

} // namespace

int languageBlockBase(int languageNumber) {
    if (languageNumber < 0 || languageNumber > kMaxLanguageNumber)
        return 0;
    return kBlockBase[static_cast<std::size_t>(languageNumber)];
}

LanguageTexts::LanguageTexts(const IntlSettings& intl) : intl_(intl) {
    setLanguageNumber(0);
}

void LanguageTexts::loadLanguageTexts() {
    int n = languageNumber_;
    if (n == 0) {
        const std::string panel = intl_.read("sLanguage", "ENU", 10);
        for (int i = 1; i <= kMaxLanguageNumber; ++i) {
            if (equalsNoCase(panel, kLanguageCodes[static_cast<std::size_t>(i)])) {
                n = i;
                break;
            }
        }
    }
    const int base = languageBlockBase(n);
    loadedBase_ = base;
    for (int i = 0; i < 7; ++i) {
        fillSlot(slots_.weekdays[i], base + i);
        fillSlot(slots_.weekdays3[i], base + 7 + i);
        fillSlot(slots_.weekdays2[i], base + 14 + i);
    }
    for (int i = 0; i < 12; ++i) {
        fillSlot(slots_.months[i], base + 21 + i);
        fillSlot(slots_.months3[i], base + 33 + i);
    }
}

void LanguageTexts::setLanguageCode(std::optional<std::string_view> text) {
    if (!text) {
        languageNumber_ = 0;
    } else {
        for (std::size_t i = 0; i < kLanguageCodes.size(); ++i) {
            if (equalsNoCase(*text, kLanguageCodes[i])) {
                languageNumber_ = static_cast<short>(i);
                break;
            }
        }
    }
    loadLanguageTexts();
    language_ = text ? std::string(*text) : std::string();
}

int LanguageTexts::setLanguageNumber(int value) {
    if (value < 0 || value > kMaxLanguageNumber)
        return 380;
    languageNumber_ = static_cast<short>(value);
    setLanguageCode(kLanguageCodes[static_cast<std::size_t>(value)]);
    return 0;
}

std::string LanguageTexts::monthName(int month) const {
    return month >= 1 && month <= 12 ? slotText(slots_.months[month - 1]) : std::string();
}

std::string LanguageTexts::shortMonthName(int month) const {
    return month >= 1 && month <= 12 ? slotText(slots_.months3[month - 1]) : std::string();
}

std::string LanguageTexts::weekdayName(int weekday) const {
    return weekday >= 0 && weekday <= 6 ? slotText(slots_.weekdays[weekday]) : std::string();
}

std::string LanguageTexts::threeLetterWeekdayName(int weekday) const {
    return weekday >= 0 && weekday <= 6 ? slotText(slots_.weekdays3[weekday]) : std::string();
}

std::string LanguageTexts::twoLetterWeekdayName(int weekday) const {
    return weekday >= 0 && weekday <= 6 ? slotText(slots_.weekdays2[weekday]) : std::string();
}

} // namespace vxcal
