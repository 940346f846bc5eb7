#include "calculator/core/Hints.h"

#include <array>
#include <utility>

namespace abacon {

int windowHeightTwips(bool helpShown, bool panelShown) {
    // The hint line lies below the panel strip, so help needs the tallest window either way.
    if (helpShown) {
        return kHeightHelp;
    }
    return panelShown ? kHeightPanels : kHeightPlain;
}

std::string_view hintFor(std::string_view controlName) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 30> kHints{{
        {"Decimal", "Enter a decimal point."},
        {"Operator(0)", "Division operator."},
        {"Operator(1)", "Addition operator."},
        {"Operator(2)", "Multiplication operator."},
        {"Operator(3)", "Subtraction operator."},
        {"Operator(4)", "Enter an arithmetic operator."},
        {"Operator(5)", "Result returned as a percentage!"},
        {"Operator(6)", "Result returned as X to the Y power!"},
        {"CancelEntry", "Clear current Register contents"},
        {"Cancel", "Clear Register and Tape"},
        {"Memory", "Save Register to Memory"},
        {"RestoreMem", "Restore memory to the Register"},
        {"ClearMem", "Clear Memory"},
        {"SquareReg", "Squares Contents of the Register"},
        {"SqRoot", "Takes Square Root of the Register"},
        {"Command4", "Takes Reciprocal value of the Register"},
        {"ReverseSign", "Reverses sign of register contents"},
        {"Readout", "Register readout window"},
        {"Command1", "Clear the tape listbox"},
        {"Command2", "Enter Label for Tape"},
        {"Command3", "Prints selected Tape contents"},
        {"SSCommand3", "Selects all items of tape for printing."},
        {"List1", "Use Mouse and Shift or Ctrl key to Select items"},
        {"SSCommand1", "Sums selected tape items. Result to register."},
        {"SSCommand2", "Average of selected tape items. Result to Register."},
        {"SSCommand4", "Std deviation of selected items. Result to Register"},
        {"SSCommand5", "Selected items recalculated. Result to Register"},
        {"SSCommand6", "Converts register to Sine (radians assumed)."},
        {"SSCommand7", "Converts register to Cosine (radians assumed)."},
        {"SSCommand8", "Converts register to Tangent (radians assumed)."},
    }};
    if (controlName.starts_with("Number(")) {
        return "Appends a new number to the register.";
    }
    if (controlName.starts_with("SSOption1(")) {
        return "Converts degrees to radians or radians to degrees.";
    }
    if (controlName == "Calculator") {
        return "Proceed with next numeric entry!";
    }
    for (const auto& [name, hint] : kHints) {
        if (name == controlName) {
            return hint;
        }
    }
    return {};
}

} // namespace abacon
