#include "register/core/Settings.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <optional>

namespace ledger {

namespace {

// Buffer sizes the settings have always been read with.
constexpr int kFontNameBuffer = 127;
constexpr int kColorBuffer = 17;
constexpr int kCodetypesBuffer = 126;
constexpr int kRecentBuffer = 255;

std::optional<std::uint32_t> parseColor(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(first);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || value < INT32_MIN || value > UINT32_MAX ||
        std::string_view(end, text.data() + text.size()).find_first_not_of(' ') != std::string_view::npos) {
        return std::nullopt;
    }
    // System colours were written as negative 32-bit numbers.
    return static_cast<std::uint32_t>(value);
}

std::optional<int> parseBackups(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, last - first + 1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range && !text.empty() && text.front() != '-')
        return kMaxBackups;
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value > kMaxBackups ? kMaxBackups : value;
}

std::string colorText(std::uint32_t color) {
    return std::to_string(color);
}

std::string flagText(bool value) {
    return value ? "-1" : "0";
}

std::string trimTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

} // namespace

Settings readSettings(const SettingsStore& store, const Settings& defaults) {
    Settings s = defaults;
    // A size that is not a positive number (a damaged entry reads as 0) would shrink the window
    // to nothing, and an absurd one would ask for a window no screen holds; the built-in size
    // stands in for either.
    const auto size = [&store](std::string_view key, int builtIn) {
        const int value = store.getInt(key, builtIn);
        return value > 0 && value <= kMaxSizeTwips ? value : builtIn;
    };
    s.formHeight = size("FormHeight", defaults.formHeight);
    s.formWidth = size("FormWidth", defaults.formWidth);
    s.listHeight = size("ListHeight", defaults.listHeight);
    s.listWidth = size("ListWidth", defaults.listWidth);

    const std::string fontName = store.getString("FontName", defaults.fontName, kFontNameBuffer);
    if (!fontName.empty()) {
        s.fontName = fontName;
    }
    // Absent, the list keeps its built-in size, which is not a whole number of points.
    const int fontSize = store.getInt("FontSize", INT_MIN);
    if (fontSize > 0 && fontSize <= kMaxFontSize) {
        s.fontSize = fontSize;
    }
    s.fontBold = store.getInt("FontBold", defaults.fontBold ? -1 : 0) != 0;
    s.fontItalic = store.getInt("FontItalic", defaults.fontItalic ? -1 : 0) != 0;
    s.messages = store.getInt("Messages", 1) != 0;

    s.textColor = parseColor(store.getString("TextColor", colorText(defaults.textColor), kColorBuffer))
                      .value_or(defaults.textColor);
    s.backColor = parseColor(store.getString("BackColor", colorText(defaults.backColor), kColorBuffer))
                      .value_or(defaults.backColor);

    // An empty name is left for the budget/code file loading to report.
    s.codetypes = trimTrailingBlanks(store.getString("Codetypes", kDefaultCodeFile, kCodetypesBuffer));

    // Read as text: the profile call turns "abc" into 0, and a damaged entry must keep the
    // default rather than silently keep no backups.
    s.backups = parseBackups(store.getString("Backups", "", kColorBuffer)).value_or(defaults.backups);

    for (std::size_t n = 0; n < RecentFiles::kSize; ++n) {
        s.recentFiles.setEntry(n, store.getString(RecentFiles::key(n), RecentFiles::kNone, kRecentBuffer));
    }
    return s;
}

std::vector<SettingWrite> exitWrites(const Settings& s) {
    std::vector<SettingWrite> writes = {
        {"Messages", s.messages ? "1" : "0", "Unable to write messages profile string!"},
        {"FormHeight", std::to_string(s.formHeight), "Unable to write form height profile string!"},
        {"FormWidth", std::to_string(s.formWidth), "Unable to write form width profile string!"},
        {"ListHeight", std::to_string(s.listHeight), "Unable to write list box height profile string!"},
        {"ListWidth", std::to_string(s.listWidth), "Unable to write list box width profile string!"},
        {"TextColor", colorText(s.textColor), ""},
        {"BackColor", colorText(s.backColor), ""},
        {"FontName", s.fontName, ""},
        {"FontSize", std::to_string(std::lround(s.fontSize)), ""},
        {"FontBold", flagText(s.fontBold), ""},
        {"FontItalic", flagText(s.fontItalic), ""},
    };
    for (std::size_t n = 0; n < RecentFiles::kSize; ++n) {
        writes.push_back({RecentFiles::key(n), s.recentFiles.entry(n), ""});
    }
    return writes;
}

std::vector<std::string> writeSettingsAtExit(SettingsStore& store, const Settings& settings) {
    std::vector<std::string> failures;
    for (const SettingWrite& write : exitWrites(settings)) {
        if (!store.writeString(write.key, write.value) && !write.failureMessage.empty()) {
            failures.push_back(write.failureMessage);
        }
    }
    return failures;
}

std::string_view showMessagesCaption(bool messagesShown) {
    return messagesShown ? "Hide &Messages" : "Show &Messages";
}

} // namespace ledger
