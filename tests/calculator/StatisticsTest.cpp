#include "calculator/core/Statistics.h"
#include "calculator/core/NumberText.h"

#include <gtest/gtest.h>

namespace {

using abacon::Statistic;
namespace text = abacon::text;

struct StatCase {
    const char* name;
    Statistic kind;
    std::vector<std::string> lines;
    std::string result;  // the register text, when the function gives a value
    std::string message; // otherwise the message
};

class TapeStatistic : public testing::TestWithParam<StatCase> {};

TEST_P(TapeStatistic, GivesRegisterTextOrMessage) {
    const StatCase& c = GetParam();
    const abacon::StatisticResult r = abacon::computeStatistic(c.kind, c.lines);
    if (c.message.empty()) {
        ASSERT_TRUE(r.value.has_value());
        EXPECT_EQ(abacon::formatRegister(*r.value), c.result);
        EXPECT_TRUE(r.messages.empty());
    } else {
        EXPECT_FALSE(r.value.has_value());
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].text, c.message);
    }
}

// Tape lines as the engine writes them.
const std::vector<std::string> kMixed{"              2.00 +  ", "              3.00 X  ",
                                      "              4.00 +  ", "              5.00 =  "};
const std::vector<std::string> kBlock{
    "              2.00 +  ", "              3.00 =  ", "              ----  ", "              5.00  "};

INSTANTIATE_TEST_SUITE_P(
    Lines, TapeStatistic,
    testing::Values(
        StatCase{"SumAddsAndSubtractsByPreviousOperator",
                 Statistic::Sum,
                 {"  10.00 +  ", "   4.00 -  ", "   1.50 =  "},
                 "12.50",
                 ""},
        StatCase{"SumSkipsNumberAfterMultiply", Statistic::Sum, kMixed, "10.00", ""},
        StatCase{"AverageCountsOnlyUsedLines", Statistic::Average, kMixed, "3.3333", ""},
        StatCase{"ReCalcAppliesEveryOperator", Statistic::ReCalc, kMixed, "25.00", ""},
        StatCase{"SumOfWholeCalculationSkipsDashAndResult", Statistic::Sum, kBlock, "5.00", ""},
        StatCase{"ReCalcOfWholeCalculation", Statistic::ReCalc, kBlock, "5.00", ""},
        StatCase{"ThousandsAndParenthesesRead", Statistic::Sum, {"1,234.50 +", "(234.50) ="}, "1,000.00", ""},
        StatCase{"ReCalcPercent", Statistic::ReCalc, {"50.00 %", "200.00 ="}, "25.00", ""},
        StatCase{"ReCalcPower", Statistic::ReCalc, {"2.00 ^", "10.00 ="}, "1,024.00", ""},
        StatCase{"ReCalcDivide", Statistic::ReCalc, {"7.00 /", "2.00 ="}, "3.50", ""},
        StatCase{"ReCalcDivideByZero", Statistic::ReCalc, {"5.00 /", "0.00 ="}, "", text::kDivideByZero},
        StatCase{"SingleLineSum", Statistic::Sum, {"  42.00 +  "}, "42.00", ""},
        StatCase{"StdDevSample",
                 Statistic::StdDev,
                 {"2 +", "4 +", "4 +", "4 +", "5 +", "5 +", "7 +", "9 ="},
                 "2.1381",
                 ""},
        StatCase{"StdDevSkipsAfterMultiply", Statistic::StdDev, {"2 X", "100 +", "4 ="}, "1.4142", ""},
        StatCase{"StdDevOfEqualNumbersIsZero", Statistic::StdDev, {"0.1 +", "0.1 +", "0.1 ="}, "0.00", ""},
        StatCase{"StdDevOfOneLine", Statistic::StdDev, {"5.00 +"}, "", text::kInsufficient},
        StatCase{"StdDevWithOneUsedLine", Statistic::StdDev, {"5.00 X", "6.00 ="}, "", text::kInsufficient},
        StatCase{"StdDevWithoutSelection", Statistic::StdDev, {}, "", text::kInsufficient},
        StatCase{"SumWithoutSelection", Statistic::Sum, {}, "", text::kNoneSelected},
        StatCase{"AverageWithoutSelection", Statistic::Average, {}, "", text::kNoneSelected},
        StatCase{"ReCalcWithoutSelection", Statistic::ReCalc, {}, "", text::kNoneSelected},
        StatCase{
            "BlankLineIsInvalid", Statistic::Sum, {"2.00 +", "    ", "3.00 ="}, "", text::kInvalidSelection},
        StatCase{"BlankLineIsInvalidForStdDev",
                 Statistic::StdDev,
                 {"2.00 +", "", "3.00 ="},
                 "",
                 text::kInvalidSelection}),
    [](const testing::TestParamInfo<StatCase>& row) { return std::string(row.param.name); });

} // namespace
