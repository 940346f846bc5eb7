#include "register/app/StartupChecks.h"

#include "register/app/QtText.h"
#include "register/core/FileSearch.h"
#include "runtime/RuntimeError.h"
#include "ui/Prompter.h"

namespace ledger {

namespace {

QString locate(ui::Prompter& prompter, std::string_view file, std::string_view shownName,
               const std::string& programDir, std::string_view pathEnv) {
    if (const auto found = findInPath(file, programDir, pathEnv))
        return qs(*found);
    prompter.beep();
    prompter.msgBox(boxText(notFoundInPathText(shownName)), ui::vbOKOnly + ui::vbExclamation,
                    qs(kFileSearchBoxTitle));
    return QString();
}

} // namespace

LocatedFiles locateStartupFiles(ui::Prompter& prompter, const std::string& programDir, std::string_view pathEnv) {
    LocatedFiles located;
    located.helpFile = locate(prompter, kHelpFileName, kHelpFileName, programDir, pathEnv);
    // The calculator keeps the name its users know in the message.
    located.calculator = locate(prompter, kCalculatorProgram, kCalculatorName, programDir, pathEnv);
    return located;
}

void reportStartupError(ui::Prompter& prompter, const std::exception& error) {
    const auto* runtimeError = dynamic_cast<const runtime::RuntimeError*>(&error);
    // Anything else the start-up meets is reported as the run-time system's internal error.
    const long number = runtimeError ? runtimeError->number() : 51;
    prompter.msgBox(boxText(runTimeErrorText(number, "Ledgrn32", error.what())), ui::vbOKOnly + ui::vbCritical,
                    qs(kRunTimeErrorTitle));
}

} // namespace ledger
