#pragma once

// Rules and texts of the budget/code commands, the maintenance window and the code picker, kept
// here so the windows only show results.

#include <optional>
#include <string>
#include <string_view>

namespace ledger {

// --- Menu commands of the main window -----------------------------------------------------------

inline constexpr std::string_view kNoCodeFileInUse = "No Budget/Code file in use!";
inline constexpr std::string_view kNoCodeFileAvailable = "No Budget/Code File available!";
inline constexpr std::string_view kDefaultCodeFileWriteFailed =
    "Unable to write Budget/Code file name to INI file!";

inline constexpr std::string_view kCodeFileFilter = "Budget/Code Files (*.csv)|*.csv|All Files (*.*)|*.*";
inline constexpr std::string_view kCodeFileExtension = "csv";
inline constexpr std::string_view kOpenCodeFileTitle = "Open Budget/Code File";
inline constexpr std::string_view kNewCodeFileTitle = "New Budget/Code File";
inline constexpr std::string_view kSaveCodeFileAsTitle = "Budget/Code File - Save As";

// "Save current Budget/Code file " + path.
std::string saveCodeFileQuestion(std::string_view path);
// path + " will be saved as the default" + CR + "Budget/Code File".
std::string makeDefaultCodeFileQuestion(std::string_view path);

// --- Maintenance window -------------------------------------------------------------------------

inline constexpr std::string_view kNoItemSelected = "No Item Selected!";
inline constexpr std::string_view kSelectInsertionPoint =
    "Please select an Item to act as insertion point of NEW Item!";
inline constexpr std::string_view kDescriptionTooLongReenter =
    "A Check Code description of longer than 25 characters was encountered.\rPlease reenter";
inline constexpr std::string_view kCodeTooLongReenter =
    "Check code type of longer than four characters\rPlease reenter!";
inline constexpr std::string_view kBudgetTooLargeReenter =
    "Budget amount exceeds the allowable maximum of $999,999.99\rPlease reenter!";
// For a budget within the limit whose text is longer than the record's field ("-100000.00").
inline constexpr std::string_view kBudgetTooLongReenter =
    "A budget amount may hold at most 9 characters, sign and decimals included.\rPlease reenter!";

// Budget colours of the text box and the information window (platform RGB values).
inline constexpr unsigned kExpenseColor = 255;    // red
inline constexpr unsigned kIncomeColor = 8388608; // navy

// "Edit Budget/Code File <" + title + ">".
std::string editCodesCaption(std::string_view fileTitle);
// "Changes made to the Budget/Code file " + trimmed title + CR + "Save Changes?".
std::string saveCodeChangesQuestion(std::string_view fileTitle);

// The description box: more than 25 characters is refused.
bool descriptionEntryTooLong(std::string_view utf8);
// The code box as stored: trimmed and padded to 4; nullopt when longer than 4 characters.
std::optional<std::string> codeEntry(std::string_view utf8);
// The budget box: refused when the amount lies beyond 999,999.99 either way, or when its text
// would not fit the 9 characters of the record (a sign in front of six whole digits), since the
// record would then keep a cut, different amount.
bool budgetEntryTooLarge(std::string_view text);
// Why the budget box refuses its text: kBudgetTooLargeReenter for an amount beyond the limit,
// kBudgetTooLongReenter for one within it that does not fit the 9 characters; empty when taken.
std::string_view budgetEntryProblem(std::string_view text);
// Keys the budget box takes: digits, ".", "-" and the editing keys (backspace).
bool budgetKeyAllowed(char key);
// A budget text with a minus sign in front or a negative amount.
bool budgetNegative(std::string_view text);
// The budget text after a click on "Ex&pense": "-" in front of the trimmed text unless the amount
// is already negative.
std::string expenseBudgetText(std::string_view text);
// Red for a negative budget, navy otherwise.
unsigned budgetColor(std::string_view text);

// --- Code picker and "Select and List by Code" --------------------------------------------------

// "Select Code <" + title + ">".
std::string selectCodeCaption(std::string_view fileTitle);

inline constexpr std::string_view kUnlistedCodeTitle = "Select Code";
inline constexpr std::string_view kUnlistedCodeDefault = "****";
inline constexpr std::string_view kUnlistedCodePrompt =
    "Enter Unlisted Transaction Code\n\r(4 characters maximum)\n\rEnter ALL for entire Ledgerine File";

enum class UnlistedCodeAnswer {
    AskAgain, // longer than 4 characters
    Cancel,   // empty or "****"
    All,      // "ALL": every item
    Code,     // list the items of this code
};
UnlistedCodeAnswer classifyUnlistedCode(std::string_view answer);

} // namespace ledger
