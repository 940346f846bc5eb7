#pragma once

#include "calculator/core/Message.h"

#include <optional>
#include <string>
#include <vector>

namespace abacon {

enum class Statistic { Sum, Average, StdDev, ReCalc };

struct StatisticResult {
    std::optional<double> value; // empty when a message stopped the function
    Messages messages;
};

// Works through the selected tape lines in tape order. Each line is "number op"; a number joins
// the total by the operator of the line before it. Sum, Average and StdDev take only "+" and "-"
// and skip the numbers after any other operator; ReCalc applies every arithmetic operator.
StatisticResult computeStatistic(Statistic kind, const std::vector<std::string>& selectedLines);

} // namespace abacon
