#include "register/core/Options.h"

namespace ledger {

ListFont defaultListFont() {
    return ListFont{std::string(kDefaultFontName), kDefaultFontSize, kDefaultFontBold, kDefaultFontItalic};
}

ListFont listFontOf(const Settings& settings) {
    return ListFont{settings.fontName, settings.fontSize, settings.fontBold, settings.fontItalic};
}

FontDecision fontDecision(const ListFont& current, const ListFont& chosen) {
    if (current.name == kDefaultFontName && chosen.name == kDefaultFontName)
        return FontDecision::NoChangeNeeded;
    if (chosen.size > kLargestAlignedFontSize)
        return FontDecision::AskCaution;
    return FontDecision::Apply;
}

void storeListFont(Settings& settings, const ListFont& chosen) {
    // Cut at a character boundary: the name is UTF-8 here and one character may take several bytes.
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < chosen.name.size() && characters < kMaxFontNameLength) {
        ++end;
        while (end < chosen.name.size() && (static_cast<unsigned char>(chosen.name[end]) & 0xC0) == 0x80)
            ++end;
        ++characters;
    }
    settings.fontName = chosen.name.substr(0, end);
    settings.fontSize = chosen.size;
    settings.fontBold = chosen.bold;
    settings.fontItalic = chosen.italic;
}

bool restoreDefaults(Settings& settings, const Settings& startUp) {
    settings.formHeight = startUp.formHeight;
    settings.formWidth = startUp.formWidth;
    settings.listHeight = startUp.listHeight;
    settings.listWidth = startUp.listWidth;
    settings.messages = true;
    settings.textColor = kDefaultTextColor;
    settings.backColor = kDefaultBackColor;
    const ListFont standard = defaultListFont();
    if (listFontOf(settings) == standard)
        return false;
    storeListFont(settings, standard);
    return true;
}

std::string calendarUnavailableText(std::string_view classId, std::string_view reason) {
    return "The calendar is not available.\rIts control " + std::string(classId) + " could not be created" +
           (reason.empty() ? std::string() : " (" + std::string(reason) + ")") +
           ".\rInstall the calendar control again, then retry.";
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::string();
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

} // namespace ledger
