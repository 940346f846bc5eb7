#include "register/core/CodeEdit.h"

#include "register/core/CodeFile.h"
#include "register/core/Item.h"
#include "runtime/Val.h"

#include <cmath>

namespace ledger {

namespace {

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The budget limit in cents; comparing cents keeps 999,999.99 itself inside.
constexpr double kMaxBudgetCents = 99'999'999;

double budgetCents(std::string_view text) {
    return std::round(runtime::val(text) * 10000.0) / 100.0;
}

} // namespace

std::string saveCodeFileQuestion(std::string_view path) {
    return "Save current Budget/Code file " + std::string(path);
}

std::string makeDefaultCodeFileQuestion(std::string_view path) {
    return std::string(path) + " will be saved as the default\rBudget/Code File";
}

std::string editCodesCaption(std::string_view fileTitle) {
    return "Edit Budget/Code File <" + std::string(fileTitle) + ">";
}

std::string saveCodeChangesQuestion(std::string_view fileTitle) {
    return "Changes made to the Budget/Code file " + trimBlanks(fileTitle) + "\rSave Changes?";
}

bool descriptionEntryTooLong(std::string_view utf8) {
    return textLength(utf8) > kCodeDescriptionWidth;
}

std::optional<std::string> codeEntry(std::string_view utf8) {
    const std::string code = trimBlanks(utf8);
    if (textLength(code) > kCodeCodeWidth)
        return std::nullopt;
    return fitText(code, kCodeCodeWidth);
}

bool budgetEntryTooLarge(std::string_view text) { return !budgetEntryProblem(text).empty(); }

std::string_view budgetEntryProblem(std::string_view text) {
    const double cents = budgetCents(text);
    if (!std::isfinite(cents) || std::fabs(cents) > kMaxBudgetCents)
        return kBudgetTooLargeReenter;
    if (textLength(trimBlanks(text)) > kCodeBudgetWidth)
        return kBudgetTooLongReenter;
    return {};
}

bool budgetKeyAllowed(char key) {
    return (key >= '0' && key <= '9') || key == '.' || key == '-' || key == '\b';
}

bool budgetNegative(std::string_view text) {
    // "-0.00" is an expense that has no amount yet.
    const std::string trimmed = trimBlanks(text);
    return runtime::val(text) < 0 || (!trimmed.empty() && trimmed.front() == '-');
}

std::string expenseBudgetText(std::string_view text) {
    if (budgetNegative(text))
        return std::string(text);
    return "-" + trimBlanks(text);
}

unsigned budgetColor(std::string_view text) {
    return budgetNegative(text) ? kExpenseColor : kIncomeColor;
}

std::string selectCodeCaption(std::string_view fileTitle) {
    return "Select Code <" + std::string(fileTitle) + ">";
}

UnlistedCodeAnswer classifyUnlistedCode(std::string_view answer) {
    if (textLength(answer) > kCodeCodeWidth)
        return UnlistedCodeAnswer::AskAgain;
    if (answer.empty() || answer == kUnlistedCodeDefault)
        return UnlistedCodeAnswer::Cancel;
    if (answer == "ALL")
        return UnlistedCodeAnswer::All;
    return UnlistedCodeAnswer::Code;
}

} // namespace ledger
