#pragma once

#include "register/core/ChequeBook.h"
#include "runtime/FileIo.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

// Every record of a cheque-book file is this long.
inline constexpr std::size_t kRecordSize = 50;
// Period start, period end, link record and trailer follow the items.
inline constexpr std::size_t kSpecialRecords = 4;
// The link record of the current release starts with this number.
inline constexpr std::int16_t kLinkFormatNumber = 4;
// Larger files are refused rather than read: two million records.
inline constexpr std::uintmax_t kMaxBookFileSize = 2'000'000u * kRecordSize;

inline constexpr std::string_view kEmptyFileMessage = "Invalid File Contains no records!";
// Shown, and the record skipped, for each record with an unknown status letter.
inline constexpr std::string_view kInvalidRecordMessage = "Invalid record type.  Not Processed!";

// Why a file could not be read. Nothing is loaded in any of these cases.
enum class ReadError {
    None,
    Empty,     // length 0: kEmptyFileMessage, title "Open File"
    FileError, // the file could not be read: errorNumber is the run-time error for the disk-error routine
    TooShort,  // fewer than the four records every cheque book has
    BadLength, // length not a whole number of records
    TooLarge,  // beyond kMaxBookFileSize
    Damaged,   // most records carry unknown letters: not a cheque book
};

// What a whole, valid cheque-book file holds, before any question of the Open flow is asked.
struct BookFileContents {
    std::string title;      // trailer, trailing blanks removed
    std::string password;   // trailer, 4 characters
    char sortLetter = 'D';  // trailer as stored; anything but 'C' or 'D' means the sort type must be asked
    int lastAutoDupDay = 0; // trailer's cheque-number field

    // The link record does not start with format number 4: the file comes from an earlier
    // release and the caller asks earlierReleaseQuestion(). codeFileLink is then empty.
    bool earlierRelease = false;
    std::string codeFileLink; // 48-character name, trailing blanks removed; empty: no link

    std::vector<Item> items;        // " ", "c", "d" records in file order
    std::vector<Item> autoDupItems; // "A", "P" as stored, "T" read back as "A"
    BudgetPeriod period;            // from "S"/"E" records; unset bounds when missing

    // Messages to show while the records are read, in file order: one kInvalidRecordMessage per
    // record with an unknown letter, one skippedRecordMessage per record that cannot be read as
    // an item (an impossible date, deposit flag or amount). Text is never a reason to skip: control
    // characters are read as blanks, as typing turns them into blanks.
    std::vector<std::string> messages;

    bool sortTypeKnown() const { return sortLetter == 'C' || sortLetter == 'D'; }
    bool hasPassword() const { return password != kNoPassword; }
    bool passwordMatches(std::string_view entry) const;
};

struct ReadResult {
    ReadError error = ReadError::None;
    int errorNumber = 0;       // run-time error number for ReadError::FileError
    std::string errorMessage;  // the text to show for any error
    BookFileContents contents; // meaningful only without error

    bool ok() const { return error == ReadError::None; }
};

// With this many records of unknown letters, making up more than half of the records before the
// link record, a file is taken for something other than a cheque book.
inline constexpr std::size_t kForeignFileUnknownRecords = 2;

// The message for a record left out because it cannot be read as an item; its number counts
// from 1. Saving writes only what was loaded, so the message says the record will be lost.
std::string skippedRecordMessage(std::size_t recordNumber, std::string_view problem);

// Checks the file's structure (length, size) and every record first and only then decodes it; a
// file that fails a structural check yields an error and no records at all. Damage to single
// records is repaired (text) or skipped with a message (BookFileContents::messages).
ReadResult decodeChequeBook(std::string_view bytes);
// Reads and decodes the file at path (refusing oversized files before reading them).
ReadResult readChequeBookFile(const std::filesystem::path& path);

// What the link record names for a budget/code file: its full path when that fits the 48
// characters, else its path relative to the cheque book's folder, so that the book finds it
// again from any current directory; the bare file name only when neither fits.
std::string codeFileLinkName(const std::filesystem::path& codeFile, const std::filesystem::path& bookFile);
// The file a link names, seen from the book at `bookFile`: a relative name is looked for in the
// book's folder first; when it is not there the name is returned as stored.
std::string codeFileLinkPath(std::string_view link, const std::filesystem::path& bookFile);

// The question asked for a file of an earlier release ("Ledgerine 95" title, Yes/No).
std::string earlierReleaseQuestion(std::string_view fileName);

// The sort order chosen by the answer to the "Select File Sort Type" input box: "C" (any case,
// surrounding blanks ignored) selects code order, anything else date order.
SortOrder sortOrderFromAnswer(std::string_view answer);

// The cheque book made from the file's contents and the answers of the Open flow. The register
// is left in file order; sort it by book.sortOrder afterwards. `convert` is the Yes to the
// earlier-release question: it marks the book changed so the next Save writes the current form.
ChequeBook makeChequeBook(std::string path, BookFileContents contents, SortOrder sortOrder, bool convert);

// The file's bytes: register items (shown, then those outside the view), auto-duplicate items,
// period start, period end, link record naming `linkName` (48 blanks when empty), trailer.
std::string encodeChequeBook(const ChequeBook& book, std::string_view linkName);

// Writes encodeChequeBook(...) to `path` by atomic replacement: on failure the file that was there
// stays untouched and runtime::RuntimeError carries the number for the disk-error routine.
// `fault` lets tests make one step of the replacement fail.
void saveChequeBook(const std::filesystem::path& path, const ChequeBook& book, std::string_view linkName,
                    const runtime::FaultInjector& fault = {});

} // namespace ledger
