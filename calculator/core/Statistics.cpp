#include "calculator/core/Statistics.h"

#include "calculator/core/NumberText.h"

#include <cmath>

namespace abacon {

namespace mb = runtime::mb;

namespace {

struct TapeEntry {
    double value = 0.0;
    std::string op;
};

TapeEntry parseLine(const std::string& trimmed) {
    const auto space = trimmed.find(' ');
    TapeEntry entry;
    entry.value = numberValue(trimmed.substr(0, space));
    if (space != std::string::npos) {
        entry.op = trim(trimmed.substr(space + 1));
    }
    return entry;
}

StatisticResult stop(const char* text, int icon, bool beep = false) {
    return {std::nullopt, {message(text, icon, beep)}};
}

} // namespace

StatisticResult computeStatistic(Statistic kind, const std::vector<std::string>& selectedLines) {
    if (selectedLines.empty()) {
        return stop(kind == Statistic::StdDev ? text::kInsufficient : text::kNoneSelected, 0);
    }
    double total = 0.0;
    double sumOfSquares = 0.0;
    int count = 0;
    std::string previousOp;
    for (const std::string& line : selectedLines) {
        const std::string trimmed = trim(line);
        if (trimmed.empty()) {
            return stop(text::kInvalidSelection, mb::vbCritical);
        }
        const TapeEntry entry = parseLine(trimmed);
        const double v = entry.value;
        bool used = false;
        if (count == 0) {
            total = v;
            used = true;
        } else if (previousOp == "+") {
            total += v;
            used = true;
        } else if (previousOp == "-") {
            total -= v;
            used = true;
        } else if (kind == Statistic::ReCalc) {
            used = true;
            if (previousOp == "X") {
                total *= v;
            } else if (previousOp == "/" || previousOp == "%") {
                if (v == 0.0) {
                    return stop(text::kDivideByZero, mb::vbExclamation, true);
                }
                total = previousOp == "/" ? total / v : total / v * 100.0;
            } else if (previousOp == "^") {
                total = std::pow(total, v);
            } else {
                used = false; // "=", a result or a label line: nothing to apply
            }
        }
        if (used) {
            ++count;
            sumOfSquares += v * v;
        }
        previousOp = entry.op;
    }

    double result = total;
    switch (kind) {
    case Statistic::Sum:
    case Statistic::ReCalc:
        break;
    case Statistic::Average:
        result = total / count;
        break;
    case Statistic::StdDev: {
        if (count < 2) {
            return stop(text::kInsufficient, 0);
        }
        const double n = count;
        const double variance = (sumOfSquares - total * total / n) / (n - 1.0);
        result = variance < 0.0 ? 0.0 : std::sqrt(variance);
        break;
    }
    }
    if (!std::isfinite(result)) {
        return stop(text::kNoResult, mb::vbExclamation, true);
    }
    return {result, {}};
}

} // namespace abacon
