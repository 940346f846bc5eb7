#pragma once

#include <QString>

#include <exception>
#include <string>
#include <string_view>

namespace ui {
class Prompter;
}

namespace ledger {

// The files the start-up sequence looks for along the program folder and the PATH.
struct LocatedFiles {
    QString helpFile;   // empty: help is unavailable
    QString calculator; // empty: the calculator cannot be started
};

// Searches the help file and the calculator; each one missing is reported once with the
// "not found in your path" box.
LocatedFiles locateStartupFiles(ui::Prompter& prompter, const std::string& programDir, std::string_view pathEnv);

// The box for an unexpected error during start-up.
void reportStartupError(ui::Prompter& prompter, const std::exception& error);

} // namespace ledger
