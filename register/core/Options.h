#pragma once

#include "register/core/Settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ledger {

// --- List colours and font -------------------------------------------------------------------------

inline constexpr std::uint32_t kDefaultTextColor = 12582912; // dark blue
inline constexpr std::uint32_t kDefaultBackColor = 16777152; // pale cyan
inline constexpr std::string_view kDefaultFontName = "Courier New";
inline constexpr double kDefaultFontSize = 9.75;
inline constexpr bool kDefaultFontBold = true;
inline constexpr bool kDefaultFontItalic = false;
// The settings file holds the face name in a fixed field of this many characters.
inline constexpr std::size_t kMaxFontNameLength = 30;
// Larger fonts no longer line up in the list columns.
inline constexpr double kLargestAlignedFontSize = 12.0;

inline constexpr std::string_view kTextColorTitle = "Text Color";
inline constexpr std::string_view kBackColorTitle = "Back Color";
inline constexpr std::string_view kFontSelectionTitle = "Ledgerine Font Selection";
inline constexpr std::string_view kDefaultFontCurrent =
    "Default font 'Courier New' currently selected!\nNo changes are necessary.";
inline constexpr std::string_view kLargeFontCaution = "CAUTION\nYou have selected a font size which may cause\n"
                                                      "alignment problems in the list boxes!\n\nCONTINUE?";
inline constexpr std::string_view kChangingFontsTip = "Please wait - Changing fonts";
inline constexpr std::string_view kRestoringDefaultsTip = "Please wait - Restoring defaults";

struct ListFont {
    std::string name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const ListFont&, const ListFont&) = default;
};

ListFont defaultListFont();
ListFont listFontOf(const Settings& settings);

// What the font command does with the font chosen in the dialog.
enum class FontDecision {
    NoChangeNeeded, // the default font is current and was chosen again: say so and stop
    AskCaution,     // too large to line up: ask before applying
    Apply,
};
FontDecision fontDecision(const ListFont& current, const ListFont& chosen);

// Stores the chosen font in the settings (the face name cut to what the settings file holds).
void storeListFont(Settings& settings, const ListFont& chosen);

// "Restore Ledgerine's Defaults": the start-up window and list sizes, messages shown, the default
// colours, and the default font when another one is in use. Everything else is kept.
// Returns whether the font was changed (the lists must then be rebuilt).
bool restoreDefaults(Settings& settings, const Settings& startUp);

// --- Calendar window --------------------------------------------------------------------------------

// Who opened the calendar window, with the values the owner flag has always had.
enum class CalendarOwner : int { MainWindow = 0, EntryForm = -1, ProgramClosing = 2 };

inline constexpr std::string_view kCalendarCaption = "Click to select date";
inline constexpr std::string_view kCloseCalendarQuestion = "Close Calendar?";
inline constexpr std::string_view kCalendarAlreadyOpen = "Calendar already open!\rClose Calendar?";
inline constexpr std::string_view kCalendarDatePattern = "m/dd/yyyy";
// Said when the calendar control cannot be created (not installed or its module is missing).
std::string calendarUnavailableText(std::string_view classId, std::string_view reason);

// --- Calculator -------------------------------------------------------------------------------------

inline constexpr std::string_view kCalculatorCaption = "Abacon";
inline constexpr std::string_view kCalculatorRunning = "Abacon already running!\rClose Abacon?";
inline constexpr std::string_view kCalculatorCloseKeys = "%{F4}";
inline constexpr std::string_view kCalculatorNotAvailable = "Abacon not available";
inline constexpr std::string_view kRunCalculatorTitle = "Run Abacon";
inline constexpr std::string_view kPasteQuestion =
    "If copying an amount from Abacon select the amount field!\rIs a field selected?";
inline constexpr std::string_view kPasteNeedsField = "You must select a field before you can paste any data! Try Again!";

// --- Information window -----------------------------------------------------------------------------

inline constexpr std::string_view kNoBookOpen = "No Ledgerine file is open!";
inline constexpr std::string_view kNoTitle = "----------";
inline constexpr std::string_view kNoCodeFileAvailable = "No Budget/Code file is available!";

// Blanks (and tabs) cut from both ends, as the window shows paths and titles.
std::string trimmed(std::string_view text);

} // namespace ledger
