#include "calculator/core/LoanTable.h"

#include <gtest/gtest.h>

namespace {

using abacon::LoanInput;

TEST(LoanPayment, MatchesHandComputedAnnuities) {
    struct Case {
        double principal;
        double rate;
        int years;
        const char* payment;
    };
    // principal * i / (1 - (1 + i)^-n), worked out by hand for i = rate / 12, n = years * 12.
    const Case cases[] = {{10000, 0.06, 5, "$193.33"},  {100000, 0.075, 30, "$699.21"},
                          {1000, 0.12, 4, "$26.33"},    {250000, 0.0425, 15, "$1,880.70"},
                          {12000, 0.0, 1, "$1,000.00"}, {10, 0.01, 30, "$.03"}};
    for (const Case& c : cases) {
        EXPECT_EQ(abacon::paymentText(abacon::monthlyPayment(c.principal, c.rate, c.years)), c.payment)
            << c.principal << " at " << c.rate << " for " << c.years;
    }
}

TEST(LoanHeads, UseTheirPatterns) {
    EXPECT_EQ(abacon::principalHead(8000), "$8,000");
    EXPECT_EQ(abacon::principalHead(1250000), "$1,250,000");
    EXPECT_EQ(abacon::principalHead(-1000), "-$1,000");
    EXPECT_EQ(abacon::rateHead(0.055), "5.50%");
    EXPECT_EQ(abacon::rateHead(0.00125), "0.13%");
    EXPECT_EQ(abacon::paymentText(0.5), "$.50");
    EXPECT_EQ(abacon::paymentText(1234.567), "$1,234.57");
}

TEST(LoanInputs, RefuseZeroUnreadableAndNegativeValues) {
    struct Case {
        const char* principal;
        const char* rate;
        const char* term;
        bool valid;
    };
    const Case cases[] = {{"10000", "7.5", "30 years", true},
                          {"$10,000", "7.5%", "5 years", true},
                          {" 2500.50 ", "0.125", "4 years", true},
                          {"0", "7.5", "30 years", false},
                          {"10000", "0", "30 years", false},
                          {"abc", "7.5", "30 years", false},
                          {"12abc", "7", "4 years", false},
                          {"10000", "", "30 years", false},
                          {"-5000", "7.5", "30 years", false},
                          {"10000", "-1", "30 years", false},
                          {"10000", "7.5", "", false},
                          {"1e400", "7.5", "4 years", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(abacon::parseLoanInput(c.principal, c.rate, c.term).has_value(), c.valid)
            << c.principal << " / " << c.rate << " / " << c.term;
    }
    const auto in = abacon::parseLoanInput("$10,000", "7.5%", "15 years");
    ASSERT_TRUE(in);
    EXPECT_DOUBLE_EQ(in->principal, 10000.0);
    EXPECT_DOUBLE_EQ(in->annualRate, 0.075);
    EXPECT_EQ(in->years, 15);
}

TEST(LoanTableText, IsCentredOnTheLoanWithCrLfLines) {
    const abacon::LoanTable t = abacon::computeLoanTable(LoanInput{10000, 0.06, 5}, 1000, 0.005);
    const std::string expected =
        "5 years          $8,000       $9,000      $10,000      $11,000      $12,000\r\n"
        "5.00%           $150.97      $169.84      $188.71      $207.58      $226.45\r\n"
        "5.50%           $152.81      $171.91      $191.01      $210.11      $229.21\r\n"
        "6.00%           $154.66      $174.00      $193.33      $212.66      $231.99\r\n"
        "6.50%           $156.53      $176.10      $195.66      $215.23      $234.79\r\n"
        "7.00%           $158.41      $178.21      $198.01      $217.81      $237.61\r\n";
    EXPECT_EQ(abacon::loanTableFileText(t), expected);
    EXPECT_EQ(abacon::loanSavedMessage(), "Loan table saved as LoanTemp.Txt in Abacon folder!");
}

} // namespace
