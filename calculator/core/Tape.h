#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace abacon {

// The paper tape: its lines and which of them the user has selected.
class Tape {
public:
    const std::vector<std::string>& lines() const { return lines_; }
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    // Goes up at every clear, so a view knows to rebuild rather than append.
    unsigned generation() const { return generation_; }

    void add(std::string line);
    void clear();

    bool isSelected(std::size_t index) const;
    void setSelected(std::size_t index, bool selected);
    void selectAll();
    void clearSelection();
    bool hasSelection() const;
    // The selected lines in tape order.
    std::vector<std::string> selectedLines() const;

private:
    std::vector<std::string> lines_;
    std::vector<bool> selected_;
    unsigned generation_ = 0;
};

// "number op  ": the number right-aligned in 18 characters, a space, the operator and two spaces.
std::string operandLine(std::string_view number, char op);
// The dash line, the result and a line of four spaces that close a calculation.
std::vector<std::string> resultLines(std::string_view result, bool percent);
// A label indented by four spaces.
std::string labelLine(std::string_view label);

} // namespace abacon
