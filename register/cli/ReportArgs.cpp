#include "register/cli/ReportArgs.h"

#include "register/core/BudgetReports.h"
#include "register/core/ChequeBookFile.h"
#include "register/core/DiskError.h"
#include "register/core/RegisterList.h"
#include "runtime/FileIo.h"
#include "runtime/RuntimeError.h"

#include <cerrno>

namespace ledger::cli {

namespace {

// A run-time error in the words the register's windows use for it.
std::string errorWords(int number) {
    if (const std::optional<runtime::Message> disk = diskErrorPrompt(number))
        return disk->text;
    return runtime::errorText(number);
}

void fail(std::FILE* err, std::string_view subject, std::string_view message) {
    std::fprintf(err, "%s: %.*s: %.*s\n", kProgram.data(), static_cast<int>(subject.size()), subject.data(),
                 static_cast<int>(message.size()), message.data());
}

// A date of the register: as typed in the date-range window, within the register's bounds.
std::optional<runtime::OleDate> registerDate(std::string_view text) {
    const std::optional<runtime::OleDate> date = runtime::parseTypedDate(text);
    if (!date || *date < runtime::kRegisterMinDate || *date > runtime::kRegisterMaxDate)
        return std::nullopt;
    return date;
}

} // namespace

DateRange ReportArgs::range(const DateRange& fallback) const {
    DateRange range = fallback;
    if (from)
        range.start = *from;
    if (to)
        range.end = *to;
    return range;
}

std::optional<ReportArgs> parseReportArgs(std::string_view command, std::string_view operandsUsage,
                                          std::size_t operandCount, const std::vector<std::string>& args,
                                          std::FILE* err) {
    const auto usage = [&]() -> std::optional<ReportArgs> {
        std::fprintf(err,
                     "usage: %s %.*s %.*s [--from mm/dd/yy] [--to mm/dd/yy] [--password PASSWORD]"
                     " [--codes FILE.csv] [-o OUTPUT]\n",
                     kProgram.data(), static_cast<int>(command.size()), command.data(),
                     static_cast<int>(operandsUsage.size()), operandsUsage.data());
        return std::nullopt;
    };
    ReportArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if ((arg == "--from" || arg == "--to") && hasValue) {
            const std::string& text = args[++i];
            const std::optional<runtime::OleDate> date = registerDate(text);
            if (!date) {
                fail(err, kIncorrectDate, text);
                return std::nullopt;
            }
            (arg == "--from" ? parsed.from : parsed.to) = date;
        } else if (arg == "--password" && hasValue) {
            parsed.password = args[++i];
        } else if (arg == "--codes" && hasValue) {
            parsed.codes = args[++i];
        } else if (arg == "-o" && hasValue) {
            parsed.output = args[++i];
        } else if (!arg.empty() && arg[0] != '-' && parsed.operands.size() < operandCount) {
            parsed.operands.push_back(arg);
        } else {
            return usage();
        }
    }
    if (parsed.operands.size() != operandCount)
        return usage();
    return parsed;
}

std::optional<ChequeBook> openBook(const std::string& path, const ReportArgs& args, const ReportEnv& env) {
    ReadResult read = readChequeBookFile(path);
    if (!read.ok()) {
        fail(env.err, path,
             read.error == ReadError::FileError ? errorWords(read.errorNumber) : read.errorMessage);
        return std::nullopt;
    }
    for (const std::string& warning : read.contents.messages)
        fail(env.err, path, warning);
    if (read.contents.hasPassword()) {
        std::optional<std::string> answer = args.password;
        if (!answer && env.askPassword)
            answer = env.askPassword();
        if (!answer || !read.contents.passwordMatches(*answer)) {
            fail(env.err, path, kPasswordInvalidMessage);
            return std::nullopt;
        }
    }
    const SortOrder order = read.contents.sortLetter == 'C' ? SortOrder::Code : SortOrder::Date;
    ChequeBook book = makeChequeBook(path, std::move(read.contents), order, false);
    shellSort(book.items, order);
    return book;
}

CodesResult loadCodes(const ChequeBook& book, const ReportArgs& args, CodesNeeded needed,
                      const ReportEnv& env) {
    // A link names its file relative to the book's folder, as the window reads it.
    const std::string path = args.codes                  ? *args.codes
                             : book.codeFileLink.empty() ? std::string()
                                                         : codeFileLinkPath(book.codeFileLink, book.path);
    if (path.empty()) {
        if (needed == CodesNeeded::Optional)
            return {};
        fail(env.err, book.path, kNoCodeFileMessage);
        return {false, std::nullopt};
    }
    std::string bytes;
    try {
        bytes = runtime::readWholeFile(path, kMaxCodeFileSize);
    } catch (const runtime::RuntimeError& error) {
        fail(env.err, path, errorWords(error.number()));
        return {false, std::nullopt};
    }
    CodeFileLoad load = decodeCodeFile(bytes, path);
    for (std::size_t i = 0; i < load.messages.size(); ++i) {
        const bool question = load.askedToContinue && i + 1 == load.messages.size();
        if (!question)
            fail(env.err, path, load.messages[i].text);
    }
    if (!load.loaded()) {
        fail(env.err, path, kNoCodeFileMessage);
        return {false, std::nullopt};
    }
    return {true, LoadedCodes{std::move(load.table), codeFileTitle(path)}};
}

int writeReport(std::string_view bytes, const ReportArgs& args, const ReportEnv& env) {
    if (args.output) {
        try {
            runtime::replaceFileAtomically(*args.output, bytes);
        } catch (const runtime::RuntimeError& error) {
            fail(env.err, *args.output, errorWords(error.number()));
            return 1;
        }
        return 0;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), env.out) != bytes.size() || std::fflush(env.out) != 0) {
        fail(env.err, "standard output", runtime::errorText(runtime::errorNumberFromErrno(errno)));
        return 1;
    }
    return 0;
}

runtime::OleDate todayOf(const ReportEnv& env) {
    const runtime::SystemClock system;
    return runtime::today(env.clock ? *env.clock : system);
}

} // namespace ledger::cli
