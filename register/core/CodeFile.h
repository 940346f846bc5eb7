#pragma once

// The budget/code file: its records, the table the register keeps of them, reading and writing
// the quoted comma-delimited file, and the texts the code lists show. Text is UTF-8 in memory and
// single-byte Windows-1252 on disk, one byte per character.

#include "runtime/Currency.h"
#include "runtime/FileIo.h"
#include "runtime/MessageBox.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

inline constexpr std::size_t kCodeDescriptionWidth = 25;
inline constexpr std::size_t kCodeCodeWidth = 4;
inline constexpr std::size_t kCodeBudgetWidth = 9;

// The budget text that marks a spacer, and what a bad budget is replaced with.
inline constexpr std::string_view kSpacerBudget = "*********";
inline constexpr std::string_view kZeroBudget = "     0.00";

// One transaction code: three fixed-width text fields kept exactly as stored (description and
// code left-aligned and blank padded, budget right-aligned). Use makeCodeRecord to fill them.
struct CodeRecord {
    std::string description = std::string(kCodeDescriptionWidth, ' ');
    std::string code = std::string(kCodeCodeWidth, ' ');
    std::string budget = std::string(kZeroBudget);

    bool isSpacer() const { return budget == kSpacerBudget; }
    // The budget as an amount, read the way the number reader of the register reads typed text;
    // zero for a spacer or a text that holds no number.
    runtime::Currency budgetAmount() const;
    // A negative budget (or a "-" in front of a zero one) marks an expense code; any other code
    // that is not a spacer is an income code.
    bool isExpense() const;
    bool isIncome() const { return !isSpacer() && !isExpense(); }

    friend bool operator==(const CodeRecord&, const CodeRecord&) = default;
};

// The fields brought to their widths: description cut or padded to 25, code to 4, budget
// right-aligned in 9 (a longer budget keeps its first nine characters).
CodeRecord makeCodeRecord(std::string_view description, std::string_view code, std::string_view budget);
// The divider line of the code lists: 19 asterisks, "****", "*********".
CodeRecord spacerRecord();

// The text right-aligned in a field of `width` characters (cut to its first `width` when longer).
std::string rightAlignText(std::string_view utf8, std::size_t width);

// A budget text as found in the file (UTF-8): 1 to 9 characters, either the spacer mark or only
// digits (the Windows-1252 classification: 0-9 and the superscripts one, two, three), blanks,
// "-", "." and "*".
bool isValidBudgetText(std::string_view utf8);

// The codes of the active file in file order. The count is a 16-bit number, so the table holds
// at most kMaxCodeRecords records.
class CodeTable {
public:
    static constexpr std::size_t kMaxCodeRecords = 32767;

    CodeTable() = default;
    // Throws std::length_error for more than kMaxCodeRecords records.
    explicit CodeTable(std::vector<CodeRecord> records);

    std::size_t count() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    bool full() const { return records_.size() >= kMaxCodeRecords; }
    const CodeRecord& at(std::size_t index) const { return records_.at(index); }
    const std::vector<CodeRecord>& records() const { return records_; }

    // Inserts before `position` (count() appends); later records move down by one. False, and
    // nothing changes, when the table is full or the position lies beyond the end.
    bool insert(std::size_t position, CodeRecord record);
    bool append(CodeRecord record) { return insert(count(), std::move(record)); }
    bool replace(std::size_t index, CodeRecord record);
    bool remove(std::size_t index);
    void clear() { records_.clear(); }

    // The first record whose code equals `code` as a 4-character field holds it; spacers are
    // never found.
    std::optional<std::size_t> find(std::string_view code) const;

    friend bool operator==(const CodeTable&, const CodeTable&) = default;

private:
    std::vector<CodeRecord> records_;
};

// --- The quoted comma-delimited form ------------------------------------------------------------

// The fields of one line (bytes as stored): quoted text is literal (a doubled quote stands for
// one quote; an unclosed quote runs to the line end; anything after the closing quote up to the
// comma is dropped), unquoted text ends at the next comma and loses its surrounding blanks.
std::vector<std::string> splitDelimitedLine(std::string_view line);
// The lines of a file: CR LF, LF and a lone CR all end a line, the final line needs no end, and
// a Ctrl+Z ends the file. Lines holding nothing but blanks and tabs are left out.
std::vector<std::string_view> splitTextLines(std::string_view bytes);

// --- Messages -----------------------------------------------------------------------------------

// The boxes of the code file are runtime::Message records; "\r" breaks a line of their text.

inline constexpr std::string_view kCodeFileBoxTitle = "Ledgerine 95";
inline constexpr std::string_view kCodeFileErrorTitle = "Ledgerine Error";
inline constexpr std::string_view kFileSearchTitle = "Ledgerine 95 File Search";
inline constexpr std::string_view kDefaultCodeFileName = "lgncodes.csv";
inline constexpr std::string_view kUnreadableCodetypes = "Unable to read Code types file name!";
inline constexpr std::string_view kInvalidBudgetMessage =
    "Invalid Budget data encountered, amount of zero assumed";
// A load shows that box for the first few bad budgets and then one for all the others.
inline constexpr int kBudgetBoxesShown = 5;
std::string moreInvalidBudgetsMessage(int records);

// The "not found in your path" box of the file search, for any file name.
runtime::Message notFoundInPathMessage(std::string_view name);

// --- Loading ------------------------------------------------------------------------------------

// Larger files are refused ("Out of memory") before being read: far more than 32767 records.
inline constexpr std::uintmax_t kMaxCodeFileSize = 4u * 1024u * 1024u;

// Searches the program directory, then each folder of PATH; the full path when found.
using FileInPathSearch = std::function<std::optional<std::string>(std::string_view name)>;

struct CodeFileSource {
    std::string activePath;       // the file to load; empty: the one named by the settings
    std::string codetypesSetting; // "Codetypes" as read, trailing blanks removed; empty: unreadable
    FileInPathSearch findFileInPath;
    std::uintmax_t maxFileSize = kMaxCodeFileSize;
};

struct CodeFileLoad {
    CodeTable table;         // empty unless the whole file loaded
    bool noCodeFile = false; // nothing loaded
    std::string path;        // the active path afterwards (the full path found for the default)
    std::string fileTitle;   // the name after the last "/"; empty when nothing loaded
    // Boxes to show, in order. When askedToContinue is true the last one is the Yes/No question
    // whether to go on without codes; the table stays empty whatever the answer.
    std::vector<runtime::Message> messages;
    bool askedToContinue = false;

    bool loaded() const { return !noCodeFile; }
};

// The records of a file's bytes: bad budgets are repaired with a warning each, a description or
// code that is too long aborts the whole load (no record is kept). `path` names the file in the
// messages.
CodeFileLoad decodeCodeFile(std::string_view bytes, std::string_view path);
// Chooses the file (the settings value when no path is active; the default name is searched
// along the path), reads it whole and decodes it.
CodeFileLoad loadCodeFile(const CodeFileSource& source);

// The part of a path after its last "/".
std::string codeFileTitle(std::string_view path);

// The settings file ("Codetypes") and the cheque book's link record hold a budget/code file's
// path as Windows-1252 text. A path with a character outside it would come back as "?" and name
// nothing, so such a path is refused with unstorablePathMessage before it is used.
bool isStorablePath(std::string_view utf8Path);
std::string unstorablePathMessage(std::string_view utf8Path);

// --- Saving -------------------------------------------------------------------------------------

// The file's bytes: per record "description","code","budget" at their full widths and CR LF.
// A double quote inside a field is written doubled so that the file reads back as it was.
std::string encodeCodeFile(const CodeTable& table);

struct CodeFileSave {
    bool ok = true;
    int errorNumber = 0;
    std::optional<runtime::Message> message; // the box for a failure
};

// Replaces the file at `path` atomically with encodeCodeFile(table): on failure the old file is
// left as it was. `fault` lets tests make one step of the replacement fail.
CodeFileSave saveCodeFile(std::string_view path, const CodeTable& table,
                          const runtime::FaultInjector& fault = {});
// "Error writing transaction codes file " + CR + path.
std::string codeFileWriteError(std::string_view path);

// --- Lines of the code lists --------------------------------------------------------------------

// Picker line: description, 7 blanks, code.
std::string pickerLine(const CodeRecord& record);
// Maintenance line: description, 7 blanks, code, 2 blanks, the budget right-aligned in 12 as
// "#####,##0.00;(###,##0.00)" (asterisks for a spacer).
std::string maintenanceLine(const CodeRecord& record);
// Every maintenance line; an empty table gives its single placeholder line.
std::vector<std::string> maintenanceLines(const CodeTable& table);

// The picker's result when no code was chosen from the list.
inline constexpr int kNoCodeChosen = 999;

} // namespace ledger
