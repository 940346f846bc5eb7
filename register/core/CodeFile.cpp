#include "register/core/CodeFile.h"
#include "register/core/FileSearch.h"

#include "register/core/Item.h"
#include "runtime/Cp1252.h"
#include "runtime/Format.h"
#include "runtime/RuntimeError.h"
#include "runtime/Val.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ledger {

namespace mb = runtime::mb;

namespace {

constexpr char kCtrlZ = '\x1A';
constexpr std::size_t kSpacerAsterisks = 19;
constexpr std::size_t kPickerGap = 7;
constexpr std::size_t kBudgetGap = 2;
constexpr std::size_t kListBudgetWidth = 12;
constexpr std::string_view kListBudgetPattern = "#####,##0.00;(###,##0.00)";
// Description, gap and code of an empty record.
constexpr std::size_t kEmptyTableBlanks = 36;

bool isBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// Digits as the Windows-1252 character classification has them: alphanumeric but not
// alphabetic, which takes in the superscripts one, two and three.
bool isCp1252Digit(unsigned char c) {
    return (c >= '0' && c <= '9') || c == 0xB2 || c == 0xB3 || c == 0xB9;
}

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

runtime::Message box(std::string text, int style, std::string_view title = kCodeFileBoxTitle) {
    return runtime::Message{std::move(text), std::string(title), style, false};
}

runtime::Message errorBox(int number) {
    return box(runtime::errorText(number), mb::vbOKOnly);
}

std::string quotedField(std::string_view cp1252) {
    std::string out = "\"";
    for (char c : cp1252) {
        out += c;
        if (c == '"')
            out += '"';
    }
    out += '"';
    return out;
}

// Nothing loaded: the table stays empty and the title is cleared.
CodeFileLoad nothingLoaded(CodeFileLoad load) {
    load.table.clear();
    load.noCodeFile = true;
    load.fileTitle.clear();
    return load;
}

} // namespace

// --- Records ------------------------------------------------------------------------------------

runtime::Currency CodeRecord::budgetAmount() const {
    if (isSpacer())
        return {};
    const double value = runtime::val(budget);
    // Nine characters hold no more than nine digits; anything beyond is not a budget.
    if (!std::isfinite(value) || std::fabs(value) > 1e12)
        return {};
    return runtime::Currency::fromDouble(value);
}

bool CodeRecord::isExpense() const {
    if (isSpacer())
        return false;
    const runtime::Currency amount = budgetAmount();
    if (amount != runtime::Currency())
        return amount < runtime::Currency();
    const auto first = budget.find_first_not_of(' ');
    return first != std::string::npos && budget[first] == '-';
}

std::string rightAlignText(std::string_view utf8, std::size_t width) {
    std::string bytes = runtime::utf8ToCp1252(utf8);
    if (bytes.size() > width)
        bytes.resize(width);
    else
        bytes.insert(0, width - bytes.size(), ' ');
    return runtime::cp1252ToUtf8(bytes);
}

CodeRecord makeCodeRecord(std::string_view description, std::string_view code, std::string_view budget) {
    return CodeRecord{fitText(description, kCodeDescriptionWidth), fitText(code, kCodeCodeWidth),
                      rightAlignText(budget, kCodeBudgetWidth)};
}

CodeRecord spacerRecord() {
    return makeCodeRecord(std::string(kSpacerAsterisks, '*'), "****", kSpacerBudget);
}

bool isValidBudgetText(std::string_view utf8) {
    const std::string bytes = runtime::utf8ToCp1252(utf8);
    if (bytes.empty() || bytes.size() > kCodeBudgetWidth)
        return false;
    if (bytes == kSpacerBudget)
        return true;
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return isCp1252Digit(static_cast<unsigned char>(c)) || c == ' ' || c == '-' || c == '.' || c == '*';
    });
}

// --- Table --------------------------------------------------------------------------------------

CodeTable::CodeTable(std::vector<CodeRecord> records) : records_(std::move(records)) {
    if (records_.size() > kMaxCodeRecords)
        throw std::length_error("more codes than the record count holds");
}

bool CodeTable::insert(std::size_t position, CodeRecord record) {
    if (full() || position > records_.size())
        return false;
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(position), std::move(record));
    return true;
}

bool CodeTable::replace(std::size_t index, CodeRecord record) {
    if (index >= records_.size())
        return false;
    records_[index] = std::move(record);
    return true;
}

bool CodeTable::remove(std::size_t index) {
    if (index >= records_.size())
        return false;
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

std::optional<std::size_t> CodeTable::find(std::string_view code) const {
    const std::string wanted = fitText(code, kCodeCodeWidth);
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (!records_[i].isSpacer() && records_[i].code == wanted)
            return i;
    }
    return std::nullopt;
}

// --- Delimited text -----------------------------------------------------------------------------

std::vector<std::string> splitDelimitedLine(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    const std::size_t n = line.size();
    for (;;) {
        while (pos < n && line[pos] == ' ')
            ++pos;
        std::string field;
        if (pos < n && line[pos] == '"') {
            ++pos;
            while (pos < n) {
                if (line[pos] == '"') {
                    if (pos + 1 < n && line[pos + 1] == '"') {
                        field += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                field += line[pos++];
            }
            const auto comma = line.find(',', pos);
            pos = comma == std::string_view::npos ? n : comma;
        } else {
            const auto comma = line.find(',', pos);
            const std::size_t end = comma == std::string_view::npos ? n : comma;
            field = trimBlanks(line.substr(pos, end - pos));
            pos = end;
        }
        fields.push_back(std::move(field));
        if (pos >= n)
            break;
        ++pos; // the comma; a comma at the line end leaves one more, empty, field
    }
    return fields;
}

std::vector<std::string_view> splitTextLines(std::string_view bytes) {
    if (const auto eof = bytes.find(kCtrlZ); eof != std::string_view::npos)
        bytes = bytes.substr(0, eof);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
        const std::string_view line = bytes.substr(start, stop - start);
        if (!std::all_of(line.begin(), line.end(), isBlankOrTab))
            lines.push_back(line);
        start = stop;
        if (start < bytes.size() && bytes[start] == '\r')
            ++start;
        if (start < bytes.size() && bytes[start] == '\n' && (start == stop || bytes[start - 1] == '\r'))
            ++start;
    }
    return lines;
}

// --- Messages -----------------------------------------------------------------------------------

runtime::Message notFoundInPathMessage(std::string_view name) {
    const std::string n(name);
    runtime::Message message = box(notFoundInPathText(n), mb::vbOKOnly + mb::vbExclamation, kFileSearchTitle);
    message.beep = true;
    return message;
}

std::string codeFileWriteError(std::string_view path) {
    return "Error writing transaction codes file \r" + std::string(path);
}

// --- Loading ------------------------------------------------------------------------------------

std::string codeFileTitle(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool isStorablePath(std::string_view utf8Path) {
    return runtime::cp1252ToUtf8(runtime::utf8ToCp1252(utf8Path)) == utf8Path;
}

std::string unstorablePathMessage(std::string_view utf8Path) {
    return std::string(utf8Path) +
           "\rholds characters that Ledgerine cannot store in its files.\rPlease choose a name without them.";
}

CodeFileLoad decodeCodeFile(std::string_view bytes, std::string_view path) {
    CodeFileLoad load;
    load.path = std::string(path);
    load.fileTitle = codeFileTitle(path);
    const std::string aborted = "\rLoading of " + load.path + " aborted!";

    std::vector<CodeRecord> records;
    int badBudgets = 0;
    for (const std::string_view line : splitTextLines(bytes)) {
        // One record more would overflow the 16-bit record count.
        if (records.size() >= CodeTable::kMaxCodeRecords) {
            load.messages.push_back(errorBox(6));
            return nothingLoaded(std::move(load));
        }
        std::vector<std::string> fields = splitDelimitedLine(line);
        // A short line leaves the missing fields empty; fields past the third are not part of
        // a code record.
        fields.resize(3);
        const std::string& description = fields[0];
        const std::string& code = fields[1];
        std::string budget = runtime::cp1252ToUtf8(fields[2]);

        if (description.size() > kCodeDescriptionWidth) {
            load.messages.push_back(
                box("A Check Code description of longer than 25 characters was encountered." + aborted,
                    mb::vbOKOnly + mb::vbCritical));
            return nothingLoaded(std::move(load));
        }
        if (code.size() > kCodeCodeWidth) {
            load.messages.push_back(
                box("Invalid or missing Check Code Type encountered.\rLonger than 4 characters." + aborted,
                    mb::vbOKOnly + mb::vbCritical));
            return nothingLoaded(std::move(load));
        }
        if (!isValidBudgetText(budget)) {
            // A box for each of the first few; a file that is not a code file at all would
            // otherwise ask for OK once for every line it has.
            if (++badBudgets <= kBudgetBoxesShown)
                load.messages.push_back(box(std::string(kInvalidBudgetMessage), mb::vbOKOnly + mb::vbCritical));
            budget = std::string(kZeroBudget);
        }
        records.push_back(
            makeCodeRecord(runtime::cp1252ToUtf8(description), runtime::cp1252ToUtf8(code), budget));
    }
    if (badBudgets > kBudgetBoxesShown)
        load.messages.push_back(box(moreInvalidBudgetsMessage(badBudgets - kBudgetBoxesShown),
                                    mb::vbOKOnly + mb::vbCritical));
    load.table = CodeTable(std::move(records));
    return load;
}

std::string moreInvalidBudgetsMessage(int records) {
    return "Invalid Budget data encountered in " + std::to_string(records) +
           (records == 1 ? " more record" : " more records") + ", amount of zero assumed";
}

CodeFileLoad loadCodeFile(const CodeFileSource& source) {
    CodeFileLoad load;
    std::string path = source.activePath;
    if (path.empty()) {
        path = source.codetypesSetting;
        if (path.empty()) {
            load.messages.push_back(box(std::string(kUnreadableCodetypes), mb::vbOKOnly + mb::vbExclamation));
            path = std::string(kDefaultCodeFileName);
        }
    }
    if (path == kDefaultCodeFileName) {
        std::optional<std::string> found;
        if (source.findFileInPath)
            found = source.findFileInPath(path);
        if (!found) {
            load.messages.push_back(notFoundInPathMessage(path));
            load.path = path;
            return nothingLoaded(std::move(load));
        }
        path = *found;
    }
    load.path = path;

    std::string bytes;
    try {
        bytes = runtime::readWholeFile(path, source.maxFileSize);
    } catch (const runtime::RuntimeError& error) {
        if (error.number() == 53 || error.number() == 76) {
            runtime::Message question = box("Transaction Codes File " + path + " Not Found! Continue?",
                                            mb::vbYesNo + mb::vbExclamation, kCodeFileErrorTitle);
            question.beep = true;
            load.messages.push_back(std::move(question));
            load.askedToContinue = true;
        } else {
            load.messages.push_back(errorBox(error.number()));
        }
        return nothingLoaded(std::move(load));
    }

    CodeFileLoad decoded = decodeCodeFile(bytes, path);
    load.messages.insert(load.messages.end(), std::make_move_iterator(decoded.messages.begin()),
                         std::make_move_iterator(decoded.messages.end()));
    decoded.messages = std::move(load.messages);
    return decoded;
}

// --- Saving -------------------------------------------------------------------------------------

std::string encodeCodeFile(const CodeTable& table) {
    std::string bytes;
    bytes.reserve(table.count() * 48);
    for (const CodeRecord& r : table.records()) {
        bytes += quotedField(runtime::utf8ToCp1252(fitText(r.description, kCodeDescriptionWidth)));
        bytes += ',';
        bytes += quotedField(runtime::utf8ToCp1252(fitText(r.code, kCodeCodeWidth)));
        bytes += ',';
        bytes += quotedField(runtime::utf8ToCp1252(rightAlignText(r.budget, kCodeBudgetWidth)));
        bytes += "\r\n";
    }
    return bytes;
}

CodeFileSave saveCodeFile(std::string_view path, const CodeTable& table,
                          const runtime::FaultInjector& fault) {
    CodeFileSave save;
    try {
        runtime::replaceFileAtomically(std::string(path), encodeCodeFile(table), fault);
    } catch (const runtime::RuntimeError& error) {
        save.ok = false;
        save.errorNumber = error.number();
        switch (error.number()) {
        case 55:
        case 57:
        case 61:
        case 75:
            save.message = box(codeFileWriteError(path), mb::vbOKOnly + mb::vbCritical);
            break;
        default:
            save.message = errorBox(error.number());
            break;
        }
    }
    return save;
}

// --- List lines ---------------------------------------------------------------------------------

std::string pickerLine(const CodeRecord& record) {
    return fitText(record.description, kCodeDescriptionWidth) + std::string(kPickerGap, ' ') +
           fitText(record.code, kCodeCodeWidth);
}

std::string maintenanceLine(const CodeRecord& record) {
    std::string budget = record.isSpacer()
                             ? std::string(kSpacerBudget)
                             : runtime::formatCurrency(record.budgetAmount(), kListBudgetPattern);
    // Right-aligned; a wider amount stays whole rather than showing a wrong number.
    if (budget.size() < kListBudgetWidth)
        budget.insert(0, kListBudgetWidth - budget.size(), ' ');
    return pickerLine(record) + std::string(kBudgetGap, ' ') + budget;
}

std::vector<std::string> maintenanceLines(const CodeTable& table) {
    if (table.empty())
        return {std::string(kEmptyTableBlanks, ' ') + "0.00"};
    std::vector<std::string> lines;
    lines.reserve(table.count());
    for (const CodeRecord& r : table.records())
        lines.push_back(maintenanceLine(r));
    return lines;
}

} // namespace ledger
