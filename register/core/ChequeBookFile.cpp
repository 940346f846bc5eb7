#include "register/core/ChequeBookFile.h"

#include "register/core/LargeBlock.h"
#include "runtime/Cp1252.h"
#include "runtime/RuntimeError.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstring>
#include <limits>
#include <new>
#include <system_error>

namespace ledger {

namespace {

// Offsets of the item layout.
constexpr std::size_t kFlagAt = 0;
constexpr std::size_t kDateAt = 2;
constexpr std::size_t kChequeAt = 10;
constexpr std::size_t kParticularsAt = 12;
constexpr std::size_t kAmountAt = 37;
constexpr std::size_t kCodeAt = 45;
constexpr std::size_t kStatusAt = 49;
// Offsets of the link layout.
constexpr std::size_t kFormatAt = 0;
constexpr std::size_t kLinkNameAt = 2;

std::uint64_t readLittleEndian(const unsigned char* p, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | p[i];
    }
    return value;
}

void writeLittleEndian(char* p, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        p[i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

// A read-only view of one 50-byte record.
class RecordView {
public:
    explicit RecordView(const char* p) : p_(reinterpret_cast<const unsigned char*>(p)) {}
    std::int16_t int16At(std::size_t at) const {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(readLittleEndian(p_ + at, 2)));
    }
    double dateAt(std::size_t at) const { return std::bit_cast<double>(readLittleEndian(p_ + at, 8)); }
    std::int64_t int64At(std::size_t at) const {
        return static_cast<std::int64_t>(readLittleEndian(p_ + at, 8));
    }
    char charAt(std::size_t at) const { return static_cast<char>(p_[at]); }
    std::string_view bytesAt(std::size_t at, std::size_t size) const {
        return {reinterpret_cast<const char*>(p_) + at, size};
    }

private:
    const unsigned char* p_;
};

// Control characters are read as blanks, as typing turns them into blanks.
std::string decodeText(std::string_view field) {
    std::string bytes(field.size(), ' ');
    cp1252::repairInto(bytes.data(), bytes.size(), field);
    return cp1252::toUtf8(bytes);
}

void encodeText(char* out, std::string_view utf8, std::size_t width) {
    const bool ascii =
        std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::string converted = ascii ? std::string() : runtime::utf8ToCp1252(utf8);
    const std::string_view bytes = ascii ? utf8 : std::string_view(converted);
    for (std::size_t i = 0; i < width; ++i) {
        const char c = i < bytes.size() ? bytes[i] : ' ';
        out[i] = static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
}

void encodeItem(char* out, const Item& item) {
    writeLittleEndian(out + kFlagAt, static_cast<std::uint16_t>(item.depositFlag), 2);
    writeLittleEndian(out + kDateAt, std::bit_cast<std::uint64_t>(item.date), 8);
    writeLittleEndian(out + kChequeAt, static_cast<std::uint16_t>(item.chequeNumber), 2);
    std::memcpy(out + kParticularsAt, item.particulars.bytes().data(), kParticularsWidth);
    writeLittleEndian(out + kAmountAt, static_cast<std::uint64_t>(item.amount.ticks()), 8);
    std::memcpy(out + kCodeAt, item.code.bytes().data(), kCodeWidth);
    out[kStatusAt] = item.status;
}

Item specialRecord(runtime::OleDate date, char letter) {
    Item record;
    record.depositFlag = 0;
    record.date = date;
    record.status = letter;
    return record;
}

enum class Kind { Register, AutoDup, PeriodStart, PeriodEnd, Unknown };

Kind kindOf(char letter) {
    switch (letter) {
    case status::kNotCleared:
    case status::kClearedDeposit:
    case status::kClearedWithdrawal:
        return Kind::Register;
    case status::kAutoWaiting:
    case status::kAutoDue:
    case status::kAutoProcessed:
        return Kind::AutoDup;
    case status::kPeriodStart:
        return Kind::PeriodStart;
    case status::kPeriodEnd:
        return Kind::PeriodEnd;
    default:
        return Kind::Unknown;
    }
}

// Why an item-layout record cannot be read as an item, or nullptr when it can. Text is never a
// reason: it is repaired as it is read.
const char* itemProblem(const RecordView& r, Kind kind) {
    if (!runtime::isUsableDate(r.dateAt(kDateAt))) {
        return "holds an impossible date";
    }
    if (kind == Kind::PeriodStart || kind == Kind::PeriodEnd) {
        return nullptr;
    }
    const std::int16_t flag = r.int16At(kFlagAt);
    if (flag != kDeposit && flag != kWithdrawal) {
        return "holds an invalid deposit flag";
    }
    if (r.int64At(kAmountAt) < 0) {
        return "holds a negative amount";
    }
    return nullptr;
}

Item decodeItem(const RecordView& r) {
    Item item;
    item.depositFlag = r.int16At(kFlagAt);
    item.date = r.dateAt(kDateAt);
    item.chequeNumber = r.int16At(kChequeAt);
    item.particulars = FixedText<kParticularsWidth>::fromBytes(r.bytesAt(kParticularsAt, kParticularsWidth));
    item.amount = runtime::Currency::fromTicks(r.int64At(kAmountAt));
    item.code = FixedText<kCodeWidth>::fromBytes(r.bytesAt(kCodeAt, kCodeWidth));
    item.status = r.charAt(kStatusAt);
    return item;
}

ReadResult failure(ReadError error, std::string message, int number = 0) {
    ReadResult result;
    result.error = error;
    result.errorNumber = number;
    result.errorMessage = std::move(message);
    return result;
}

ReadResult damaged(std::string_view problem) {
    return failure(ReadError::Damaged, "Invalid File! " + std::string(problem) + ". Nothing was loaded.");
}

} // namespace

bool BookFileContents::passwordMatches(std::string_view entry) const {
    return ledger::passwordMatches(password, entry);
}

ReadResult decodeChequeBook(std::string_view bytes) {
    if (bytes.empty()) {
        return failure(ReadError::Empty, std::string(kEmptyFileMessage));
    }
    if (bytes.size() > kMaxBookFileSize) {
        return failure(ReadError::TooLarge, "Invalid File! Too large to be a Ledgerine cheque book.");
    }
    if (bytes.size() % kRecordSize != 0) {
        return failure(ReadError::BadLength, "Invalid File! Its length is not a whole number of "
                                             "50-byte Ledgerine records.");
    }
    const std::size_t count = bytes.size() / kRecordSize;
    if (count < kSpecialRecords) {
        return failure(ReadError::TooShort, "Invalid File! Too short to hold a Ledgerine cheque book.");
    }
    const auto record = [&](std::size_t index) {
        return RecordView(bytes.data() + index * kRecordSize);
    };

    ReadResult result;
    BookFileContents& book = result.contents;

    const RecordView trailer = record(count - 1);
    // A day the month cannot have counts as no check yet; the next check sets it.
    const std::int16_t day = trailer.int16At(kChequeAt);
    book.title = trimRight(decodeText(trailer.bytesAt(kParticularsAt, kTitleWidth)));
    book.password = decodeText(trailer.bytesAt(kCodeAt, kPasswordWidth));
    book.sortLetter = trailer.charAt(kStatusAt);
    book.lastAutoDupDay = day >= 0 && day <= 31 ? day : 0;

    const RecordView link = record(count - 2);
    std::size_t itemRecords = count - 2;
    if (link.int16At(kFormatAt) == kLinkFormatNumber) {
        book.codeFileLink = trimRight(decodeText(link.bytesAt(kLinkNameAt, kLinkNameWidth)));
    } else {
        book.earlierRelease = true;
        // Files of earlier releases may have no link record at all; a last record that reads as
        // an item dated within the register's range is kept rather than lost. (An old link record
        // of blanks behind the format number 1 would otherwise read as a deposit of billions dated
        // 1899.)
        const Kind kind = kindOf(link.charAt(kStatusAt));
        const double date = link.dateAt(kDateAt);
        const bool inRange = date >= runtime::kRegisterMinDate && date < runtime::kRegisterMaxDate + 1;
        if (kind != Kind::Unknown && itemProblem(link, kind) == nullptr && inRange) {
            itemRecords = count - 1;
        }
    }

    // Which records can be read, before any is kept. A file whose records mostly carry no letter
    // a cheque book uses is something else, and is refused whole. Both passes below work the
    // problems out in the same order, so they agree without a table of them.
    constexpr auto kMaxTotal = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const auto problemOf = [](const RecordView& r, Kind kind, std::uint64_t& total) -> const char* {
        if (const char* problem = itemProblem(r, kind)) {
            return problem;
        }
        if (kind == Kind::Register || kind == Kind::AutoDup) {
            // Balances and budget sums must stay within the currency range.
            const auto amount = static_cast<std::uint64_t>(r.int64At(kAmountAt));
            if (total + amount > kMaxTotal) {
                return "holds an amount too large to add to the others";
            }
            total += amount;
        }
        return nullptr;
    };
    std::uint64_t total = 0;
    std::size_t unknownLetters = 0;
    std::size_t registerCount = 0;
    std::size_t autoDupCount = 0;
    for (std::size_t i = 0; i < itemRecords; ++i) {
        const RecordView r = record(i);
        const Kind kind = kindOf(r.charAt(kStatusAt));
        if (kind == Kind::Unknown) {
            ++unknownLetters;
        } else if (!problemOf(r, kind, total)) {
            registerCount += kind == Kind::Register ? 1 : 0;
            autoDupCount += kind == Kind::AutoDup ? 1 : 0;
        }
    }
    if (unknownLetters >= kForeignFileUnknownRecords && unknownLetters * 2 > itemRecords) {
        return damaged("Most of its records are not Ledgerine records");
    }

    reserveLarge(book.items, registerCount);
    reserveLarge(book.autoDupItems, autoDupCount);
    total = 0;
    for (std::size_t i = 0; i < itemRecords; ++i) {
        const RecordView r = record(i);
        const Kind kind = kindOf(r.charAt(kStatusAt));
        if (kind == Kind::Unknown) {
            book.messages.emplace_back(kInvalidRecordMessage);
            continue;
        }
        if (const char* problem = problemOf(r, kind, total)) {
            book.messages.push_back(skippedRecordMessage(i + 1, problem));
            continue;
        }
        switch (kind) {
        case Kind::Register:
            book.items.push_back(decodeItem(r));
            break;
        case Kind::AutoDup:
            book.autoDupItems.push_back(decodeItem(r));
            // An item that was due when the book was saved waits again for its day.
            if (book.autoDupItems.back().status == status::kAutoDue) {
                book.autoDupItems.back().status = status::kAutoWaiting;
            }
            break;
        case Kind::PeriodStart:
            book.period.start = r.dateAt(kDateAt);
            break;
        case Kind::PeriodEnd:
            book.period.end = r.dateAt(kDateAt);
            break;
        case Kind::Unknown:
            break;
        }
    }
    return result;
}

std::string skippedRecordMessage(std::size_t recordNumber, std::string_view problem) {
    return "Record " + std::to_string(recordNumber) + " " + std::string(problem) +
           " and cannot be read as an item. It is left out, and will not be saved again.";
}

ReadResult readChequeBookFile(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxBookFileSize) {
        return failure(ReadError::TooLarge, "Invalid File! Too large to be a Ledgerine cheque book.");
    }
    std::string bytes;
    try {
        bytes = runtime::readWholeFile(path, kMaxBookFileSize);
    } catch (const runtime::RuntimeError& e) {
        return failure(ReadError::FileError, e.what(), e.number());
    } catch (const std::bad_alloc&) {
        return failure(ReadError::FileError, runtime::errorText(7), 7);
    }
    return decodeChequeBook(bytes);
}

std::string codeFileLinkName(const std::filesystem::path& codeFile, const std::filesystem::path& bookFile) {
    const std::string full = codeFile.string();
    if (textLength(full) <= kLinkNameWidth) {
        return full;
    }
    std::error_code ec; // no current directory: relative names stay as they are
    const std::filesystem::path bookFolder =
        std::filesystem::absolute(bookFile, ec).lexically_normal().parent_path();
    const std::string relative =
        std::filesystem::absolute(codeFile, ec).lexically_normal().lexically_relative(bookFolder).string();
    if (!relative.empty() && textLength(relative) <= kLinkNameWidth) {
        return relative;
    }
    return trimRight(fitText(codeFile.filename().string(), kLinkNameWidth));
}

std::string codeFileLinkPath(std::string_view link, const std::filesystem::path& bookFile) {
    const std::filesystem::path name{std::string(link)};
    if (name.empty() || name.is_absolute()) {
        return std::string(link);
    }
    std::error_code ec;
    const std::filesystem::path besideBook = std::filesystem::absolute(bookFile, ec).parent_path() / name;
    return std::filesystem::is_regular_file(besideBook, ec) ? besideBook.lexically_normal().string()
                                                            : std::string(link);
}

std::string earlierReleaseQuestion(std::string_view fileName) {
    return std::string(fileName) + " is a Ledgerine file from\nan earlier version of Ledgerine\n"
                                   "Do you want to update this file?";
}

SortOrder sortOrderFromAnswer(std::string_view answer) {
    const std::string trimmed = trimRight(answer);
    const auto first = trimmed.find_first_not_of(' ');
    const bool code = first != std::string::npos && trimmed.size() - first == 1 &&
                      std::toupper(static_cast<unsigned char>(trimmed[first])) == 'C';
    return code ? SortOrder::Code : SortOrder::Date;
}

ChequeBook makeChequeBook(std::string path, BookFileContents contents, SortOrder sortOrder, bool convert) {
    ChequeBook book;
    book.path = std::move(path);
    book.title = std::move(contents.title);
    book.password = std::move(contents.password);
    book.sortOrder = sortOrder;
    book.period = contents.period;
    book.codeFileLink = std::move(contents.codeFileLink);
    book.lastAutoDupDay = contents.lastAutoDupDay;
    book.items = std::move(contents.items);
    book.autoDupItems = std::move(contents.autoDupItems);
    book.changed = convert;
    return book;
}

std::string encodeChequeBook(const ChequeBook& book, std::string_view linkName) {
    const std::size_t count = book.registerSize() + book.autoDupItems.size() + kSpecialRecords;
    std::string bytes;
    bytes.reserve(count * kRecordSize);
    adviseLargeBlock(bytes.data(), count * kRecordSize);
    bytes.resize(count * kRecordSize, '\0');
    char* out = bytes.data();
    const auto put = [&](const Item& item) {
        encodeItem(out, item);
        out += kRecordSize;
    };
    for (const Item& item : book.items) {
        put(item);
    }
    for (const Item& item : book.itemsOutsideView) {
        put(item);
    }
    for (const Item& item : book.autoDupItems) {
        put(item);
    }
    put(specialRecord(book.period.start, status::kPeriodStart));
    put(specialRecord(book.period.end, status::kPeriodEnd));

    writeLittleEndian(out + kFormatAt, static_cast<std::uint16_t>(kLinkFormatNumber), 2);
    encodeText(out + kLinkNameAt, linkName, kLinkNameWidth);
    out += kRecordSize;

    Item trailer = specialRecord(0, static_cast<char>(book.sortOrder));
    trailer.chequeNumber = static_cast<std::int16_t>(book.lastAutoDupDay);
    trailer.particulars = book.title;
    trailer.code = book.password;
    put(trailer);
    return bytes;
}

void saveChequeBook(const std::filesystem::path& path, const ChequeBook& book, std::string_view linkName,
                    const runtime::FaultInjector& fault) {
    runtime::replaceFileAtomically(path, encodeChequeBook(book, linkName), fault);
}

} // namespace ledger
