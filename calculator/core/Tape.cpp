#include "calculator/core/Tape.h"

#include "calculator/core/NumberText.h"

#include <algorithm>

namespace abacon {

void Tape::add(std::string line) {
    lines_.push_back(std::move(line));
    selected_.push_back(false);
}

void Tape::clear() {
    lines_.clear();
    selected_.clear();
    ++generation_;
}

bool Tape::isSelected(std::size_t index) const {
    return index < selected_.size() && selected_[index];
}

void Tape::setSelected(std::size_t index, bool selected) {
    if (index < selected_.size()) {
        selected_[index] = selected;
    }
}

void Tape::selectAll() {
    std::fill(selected_.begin(), selected_.end(), true);
}

void Tape::clearSelection() {
    std::fill(selected_.begin(), selected_.end(), false);
}

bool Tape::hasSelection() const {
    return std::find(selected_.begin(), selected_.end(), true) != selected_.end();
}

std::vector<std::string> Tape::selectedLines() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (selected_[i]) {
            out.push_back(lines_[i]);
        }
    }
    return out;
}

std::string operandLine(std::string_view number, char op) {
    return padLeft(number, kRegisterWidth) + ' ' + op + "  ";
}

std::vector<std::string> resultLines(std::string_view result, bool percent) {
    std::string total = padLeft(result, kRegisterWidth) + "  ";
    if (percent) {
        total += " %";
    }
    return {padLeft(std::string(result.size(), '-'), kRegisterWidth) + "  ", total, "    "};
}

std::string labelLine(std::string_view label) {
    return "    " + std::string(label);
}

} // namespace abacon
