// export-text and export-csv: the register's two export files.
#include "register/cli/ReportArgs.h"

namespace ledger {

namespace {

enum class ExportKind { Text, Comma };

int runExport(ExportKind kind, const std::vector<std::string>& args, const ReportEnv& env) {
    const std::optional<cli::ReportArgs> parsed = cli::parseReportArgs(
        kind == ExportKind::Text ? "export-text" : "export-csv", "FILE.lgn", 1, args, env.err);
    if (!parsed)
        return 2;
    const std::optional<ChequeBook> book = cli::openBook(parsed->operands[0], *parsed, env);
    if (!book)
        return 1;
    ReportRequest request;
    request.range = parsed->range();
    request.dateSelected = parsed->dateSelected();
    request.today = cli::todayOf(env);
    const RegisterReport report =
        kind == ExportKind::Text ? textExport(*book, request) : commaExport(*book, request.range);
    return cli::writeReport(report.bytes, *parsed, env);
}

} // namespace

int runExportTextCommand(const std::vector<std::string>& args, const ReportEnv& env) {
    return runExport(ExportKind::Text, args, env);
}

int runExportCsvCommand(const std::vector<std::string>& args, const ReportEnv& env) {
    return runExport(ExportKind::Comma, args, env);
}

} // namespace ledger
