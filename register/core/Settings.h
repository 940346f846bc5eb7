#pragma once

#include "register/core/RecentFiles.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

inline constexpr std::string_view kSettingsFile = "ledgrn95.ini";
inline constexpr std::string_view kSettingsSection = "Ledgrn";
inline constexpr std::string_view kDefaultCodeFile = "lgncodes.csv";

// Access to section "Ledgrn" of the settings file. The program implements it over the profile
// string calls; keeping it abstract keeps the rules here free of them.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value of key, or defaultValue when absent; at most bufferSize - 1 characters.
    virtual std::string getString(std::string_view key, std::string_view defaultValue,
                                  int bufferSize) const = 0;
    // The integer value of key, or defaultValue when absent.
    virtual int getInt(std::string_view key, int defaultValue) const = 0;
    // False when the write fails.
    virtual bool writeString(std::string_view key, std::string_view value) = 0;
};

// Largest window or list size (twips, 8000 pixels) and list font size (points) read from the file;
// anything beyond is a damaged entry and the built-in value is kept.
inline constexpr int kMaxSizeTwips = 120000;
inline constexpr int kMaxFontSize = 200;

// The settings of the register. The defaults are the built-in values a missing file falls back to;
// the window may replace the sizes and colours with its own built-in ones before reading.
struct Settings {
    int formHeight = 6600; // twips
    int formWidth = 9660;
    int listHeight = 4200;
    int listWidth = 9360;
    std::string fontName = "Courier New";
    double fontSize = 9.75; // points; read and written as a whole number
    bool fontBold = true;   // stored 0 / -1
    bool fontItalic = false;
    bool messages = true;               // guidance messages shown
    std::uint32_t textColor = 0x000000; // platform RGB value (red in the low byte)
    std::uint32_t backColor = 0xFFFFFF;
    std::string codetypes = std::string(kDefaultCodeFile);
    RecentFiles recentFiles;
    // Earlier versions of a book kept on each save ("Backups", 0 = none); read only, never
    // written at exit, so the file keeps what the user put there.
    int backups = 5;
};

// The most earlier versions kept per book; a larger "Backups" value keeps this many.
inline constexpr int kMaxBackups = 99;

// Reads every key at start; each absent or unreadable key keeps its value from `defaults`.
Settings readSettings(const SettingsStore& store, const Settings& defaults = Settings());

// One write of the exit sequence.
struct SettingWrite {
    std::string key;
    std::string value;
    std::string failureMessage; // shown ("Ledgerine 95") when the write fails; empty: failure ignored
};
// The writes of the exit sequence in their order: Messages, FormHeight, FormWidth, ListHeight,
// ListWidth, TextColor, BackColor, FontName, FontSize, FontBold, FontItalic, " 0" .. " 3".
std::vector<SettingWrite> exitWrites(const Settings& settings);
// Performs exitWrites(settings) and returns the messages of the failed writes, in order; every
// key is attempted.
std::vector<std::string> writeSettingsAtExit(SettingsStore& store, const Settings& settings);

// "Hide &Messages" while messages are shown, "Show &Messages" otherwise.
std::string_view showMessagesCaption(bool messagesShown);

} // namespace ledger
