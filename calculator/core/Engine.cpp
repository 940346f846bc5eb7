#include "calculator/core/Engine.h"

#include "calculator/core/NumberText.h"

#include <cmath>

namespace abacon {

namespace mb = runtime::mb;

namespace {

runtime::Message tooLarge() {
    return message(text::kTooLarge);
}
runtime::Message noResult() {
    return message(text::kNoResult, mb::vbExclamation, true);
}

} // namespace

std::string_view lastEntryName(LastEntry entry) {
    switch (entry) {
    case LastEntry::None:
        return "NONE";
    case LastEntry::Nums:
        return "NUMS";
    case LastEntry::Ops:
        return "OPS";
    case LastEntry::Eq:
        return "EQ";
    case LastEntry::CE:
        return "CE";
    }
    return "NONE";
}

bool Engine::typingNumber() const {
    // A recalled or pasted number in short form only looks like typed digits: "1E+20" with a 0
    // after it would be 1E+200, and without its last digit 1E+2.
    return last_ == LastEntry::Nums && !isShortForm(display_);
}

void Engine::digit(int d) {
    if (d < 0 || d > 9) {
        return;
    }
    if (!typingNumber()) {
        display_.clear();
        decimal_ = false;
    }
    if (display_.size() < kRegisterWidth) {
        display_ += static_cast<char>('0' + d);
    }
    last_ = LastEntry::Nums;
}

void Engine::decimalPoint() {
    if (!typingNumber()) {
        display_ = "0.";
    } else if (display_.find('.') == std::string::npos && display_.size() < kRegisterWidth) {
        display_ += '.';
    }
    decimal_ = true;
    last_ = LastEntry::Nums;
}

void Engine::backspace() {
    if (last_ != LastEntry::Nums || display_.empty()) {
        return;
    }
    if (isShortForm(display_)) {
        // Taken back as a whole, as it was entered.
        display_.clear();
        decimal_ = false;
        return;
    }
    display_.pop_back();
    decimal_ = display_.find('.') != std::string::npos;
}

Messages Engine::operatorKey(int index) {
    Messages out;
    if (index < 0 || index >= static_cast<int>(kOperatorSymbols.size())) {
        return out;
    }
    const char symbol = kOperatorSymbols[static_cast<std::size_t>(index)];
    if (last_ == LastEntry::Ops && count_ > 0) {
        out.push_back(message(text::kTwoOperators, mb::vbCritical, true));
        count_ = 1;
        return out;
    }
    // Only a typed number or a result is an operand; after "C&E" or at the start the operator
    // just takes effect on what the accumulator holds.
    if (last_ == LastEntry::Nums || last_ == LastEntry::Eq) {
        ++count_;
        std::string entry = trim(display_);
        // The limit is on what the user enters; a result the calculator showed is taken as it
        // stands, or a total of a trillion would come back as a hundred million.
        if (last_ == LastEntry::Nums && integerDigits(entry) > kMaxIntegerDigits) {
            out.push_back(tooLarge());
            entry.resize(static_cast<std::size_t>(kMaxIntegerDigits));
        }
        const double value = numberValue(entry);
        if (!std::isfinite(value)) {
            // Taken as the total it would make every later result infinite; refuse the key instead.
            --count_;
            out.push_back(noResult());
            return out;
        }
        tape_.add(operandLine(registerText(value), symbol));
        if (count_ == 1) {
            accumulator_ = value;
        } else {
            operand_ = value;
            double result = accumulator_;
            switch (pending_) {
            case '+':
                result = accumulator_ + operand_;
                break;
            case '-':
                result = accumulator_ - operand_;
                break;
            case 'X':
                result = accumulator_ * operand_;
                break;
            case '/':
            case '%':
                if (operand_ == 0.0) {
                    out.push_back(message(text::kDivideByZero, mb::vbExclamation, true));
                } else {
                    result = pending_ == '/' ? accumulator_ / operand_ : accumulator_ / operand_ * 100.0;
                }
                break;
            case '^':
                result = std::pow(accumulator_, operand_);
                break;
            default: // "=": the new number replaces the total
                result = operand_;
                break;
            }
            if (std::isfinite(result)) {
                accumulator_ = result;
            } else {
                out.push_back(noResult());
            }
        }
    }
    showNumber(accumulator_, out);
    if (symbol == '=') {
        for (std::string& line : resultLines(display_, pending_ == '%')) {
            tape_.add(std::move(line));
        }
        count_ = 0;
        last_ = LastEntry::Eq;
    } else {
        count_ = 1;
        last_ = LastEntry::Ops;
        pending_ = symbol;
    }
    return out;
}

bool Engine::handlesKey(char key) {
    return (key >= '0' && key <= '9') || std::string_view("+-Xx*/=%^.").find(key) != std::string_view::npos;
}

Messages Engine::typeKey(char key) {
    if (key >= '0' && key <= '9') {
        digit(key - '0');
        return {};
    }
    switch (key) {
    case '.':
        decimalPoint();
        return {};
    case '/':
        return operatorKey(0);
    case '+':
        return operatorKey(1);
    case 'X':
    case 'x':
    case '*':
        return operatorKey(2);
    case '-':
        return operatorKey(3);
    case '=':
        return operatorKey(4);
    case '%':
        return operatorKey(5);
    case '^': // X^Y has no access key of its own
        return operatorKey(6);
    default:
        return {};
    }
}

void Engine::cancelEntry() {
    display_.clear();
    decimal_ = false;
    last_ = LastEntry::CE;
    tape_.clearSelection();
}

void Engine::cancelAll() {
    display_.clear();
    tape_.clear();
    decimal_ = false;
    count_ = 0;
    last_ = LastEntry::None;
    pending_ = ' ';
    // A fresh start must not carry the old total into the next calculation.
    accumulator_ = 0.0;
    operand_ = 0.0;
}

void Engine::restoreMemory() {
    display_ = memory_;
    decimal_ = display_.find('.') != std::string::npos;
    last_ = LastEntry::Nums;
}

double Engine::registerValue() const {
    return numberValue(display_);
}

void Engine::showNumber(double value, Messages& out) {
    if (formatRegister(value).size() > kRegisterWidth) {
        out.push_back(tooLarge());
    }
    display_ = registerText(value);
    decimal_ = false;
}

Messages Engine::showResult(double value) {
    if (!std::isfinite(value)) {
        return {noResult()};
    }
    Messages out;
    showNumber(value, out);
    last_ = LastEntry::Eq;
    return out;
}

Messages Engine::showPlain(double value) {
    if (!std::isfinite(value)) {
        return {noResult()};
    }
    display_ = plainText(value);
    decimal_ = false;
    last_ = LastEntry::Eq;
    return {};
}

Messages Engine::square() {
    const double v = registerValue();
    return showResult(v * v);
}

Messages Engine::squareRoot() {
    const double v = registerValue();
    if (v < 0.0) {
        return {message(text::kNegativeRoot, 0, true)};
    }
    return showResult(std::sqrt(v));
}

Messages Engine::reciprocal() {
    const double v = registerValue();
    if (v == 0.0) {
        return {message(text::kZeroReciprocal, 0, true)};
    }
    return showResult(1.0 / v);
}

Messages Engine::reverseSign() {
    return showResult(-registerValue());
}

Messages Engine::sine() {
    return showPlain(std::sin(registerValue()));
}
Messages Engine::cosine() {
    return showPlain(std::cos(registerValue()));
}
Messages Engine::tangent() {
    return showPlain(std::tan(registerValue()));
}

void Engine::setRadians(bool radians) {
    if (radians == radians_) {
        return;
    }
    const double factor = 180.0 / kPi;
    const double v = registerValue();
    showPlain(radians ? v / factor : v * factor);
    radians_ = radians;
}

Messages Engine::statistic(Statistic kind) {
    StatisticResult result = computeStatistic(kind, tape_.selectedLines());
    if (!result.value) {
        return result.messages;
    }
    return showResult(*result.value);
}

void Engine::addLabel(std::string_view label) {
    tape_.add(labelLine(label));
}

Messages Engine::paste(std::string_view text) {
    std::string value = trim(text);
    if (!isNumberText(value)) {
        return {message(text::kPasteNotNumber, mb::vbExclamation, true)};
    }
    Messages out;
    if (value.size() > kRegisterWidth) {
        // Cut text would be a different number: the limit on entered numbers applies, and a
        // number within it goes in with fewer decimals.
        out.push_back(tooLarge());
        value = shortenedEntry(value);
    }
    display_ = value;
    decimal_ = display_.find('.') != std::string::npos;
    last_ = LastEntry::Nums;
    return out;
}

} // namespace abacon
