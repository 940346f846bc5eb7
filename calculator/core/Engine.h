#pragma once

#include "calculator/core/Message.h"
#include "calculator/core/Statistics.h"
#include "calculator/core/Tape.h"

#include <array>
#include <string>
#include <string_view>

namespace abacon {

enum class LastEntry { None, Nums, Ops, Eq, CE };

// "NONE", "NUMS", "OPS", "EQ", "CE".
std::string_view lastEntryName(LastEntry entry);

// The adding machine: the register, the pending calculation, the memory and the tape. Every key
// returns the messages the window has to show, in order.
class Engine {
public:
    // Operator(0) .. Operator(6): "/", "+", "X", "-", "=", "%", "X^Y".
    static constexpr std::array<char, 7> kOperatorSymbols{'/', '+', 'X', '-', '=', '%', '^'};
    // The unit conversion uses this value on purpose, not a more precise pi.
    static constexpr double kPi = 3.14159;

    const std::string& display() const { return display_; }
    LastEntry lastEntry() const { return last_; }
    int operatorCount() const { return count_; }
    bool decimalFlag() const { return decimal_; }
    double accumulator() const { return accumulator_; }
    double operand() const { return operand_; }
    char pendingOperator() const { return pending_; }
    const std::string& memory() const { return memory_; }
    bool radians() const { return radians_; }
    const Tape& tape() const { return tape_; }
    Tape& tape() { return tape_; }

    void digit(int d);
    void decimalPoint();
    // Takes back the last typed character of a number being entered; a number in short form is
    // taken back whole.
    void backspace();
    Messages operatorKey(int index);
    // A key typed into the register ("^" is X^Y); false from handlesKey means the key is ignored.
    static bool handlesKey(char key);
    Messages typeKey(char key);

    void cancelEntry();
    void cancelAll();
    void storeMemory() { memory_ = display_; }
    void restoreMemory();
    void clearMemory() { memory_.clear(); }

    Messages square();
    Messages squareRoot();
    Messages reciprocal();
    Messages reverseSign();
    Messages sine();
    Messages cosine();
    Messages tangent();
    // Converts the register between degrees and radians when the unit changes.
    void setRadians(bool radians);

    Messages statistic(Statistic kind);
    void addLabel(std::string_view label);
    Messages paste(std::string_view text);

private:
    // True while the register holds a number being typed that digits may extend.
    bool typingNumber() const;
    double registerValue() const;
    // Shows a value in the register, too long a formatted text in its short plain form.
    void showNumber(double value, Messages& out);
    // Puts a result into the register as the next operand.
    Messages showResult(double value);
    Messages showPlain(double value);

    std::string display_;
    LastEntry last_ = LastEntry::None;
    int count_ = 0;
    bool decimal_ = false;
    double accumulator_ = 0.0;
    double operand_ = 0.0;
    char pending_ = ' ';
    std::string memory_;
    bool radians_ = false;
    Tape tape_;
};

} // namespace abacon
