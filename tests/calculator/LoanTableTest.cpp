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
    EXPECT_EQ(abacon::principalHead(0), "");
    EXPECT_EQ(abacon::principalHead(-1000), "");
    EXPECT_EQ(abacon::rateHead(0.0), "0.00%");
    EXPECT_EQ(abacon::rateHead(-0.005), "");
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
    const Case cases[] = {{"10000", "7.5", "30 years", true},      {"$10,000", "7.5%", "5 years", true},
                          {" 2500.50 ", "0.125", "4 years", true}, {"0", "7.5", "30 years", false},
                          {"10000", "0", "30 years", false},       {"abc", "7.5", "30 years", false},
                          {"12abc", "7", "4 years", false},        {"10000", "", "30 years", false},
                          {"-5000", "7.5", "30 years", false},     {"($5,000)", "7.5", "30 years", false},
                          {"5000", "(7.5)", "30 years", false},    {"5000", "7.5%%", "30 years", true},
                          {"10000", "-1", "30 years", false},      {"10000", "7.5", "", false},
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

TEST(LoanTableText, LeavesLoansBelowZeroEmpty) {
    // $1,500 at 0.50 % with the default steps reaches a principal of -$500 and a rate of -0.50 %;
    // the zero rate row is a plain division, 1,500 / 48 = 31.25.
    const auto in = abacon::parseLoanInput("1500", "0.5", "4 years");
    ASSERT_TRUE(in);
    const abacon::LoanTable t = abacon::computeLoanTable(*in, 1000, 0.005);
    const std::string expected =
        "4 years                         $500       $1,500       $2,500       $3,500\r\n"
        "                                                                           \r\n"
        "0.00%                         $10.42       $31.25       $52.08       $72.92\r\n"
        "0.50%                         $10.52       $31.57       $52.62       $73.66\r\n"
        "1.00%                         $10.63       $31.89       $53.15       $74.42\r\n"
        "1.50%                         $10.74       $32.22       $53.69       $75.17\r\n";
    EXPECT_EQ(abacon::loanTableFileText(t), expected);
    // Two steps of 0.125 % below 0.25 % is exactly the zero rate.
    const abacon::LoanTable small = abacon::computeLoanTable(abacon::LoanInput{1000, 0.0025, 4}, 10, 0.00125);
    EXPECT_EQ(abacon::rateHead(small.rates[0]), "0.00%");
    EXPECT_EQ(abacon::paymentText(small.payments[0][2]), "$20.83");
}

} // namespace
