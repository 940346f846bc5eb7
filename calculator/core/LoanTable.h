#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abacon {

struct LoanInput {
    double principal = 0.0;
    double annualRate = 0.0; // a fraction: 7.5 % is 0.075
    int years = 0;
};

inline constexpr std::array<const char*, 6> kLoanTerms{"4 years",  "5 years",  "10 years",
                                                       "15 years", "20 years", "30 years"};

struct Increment {
    const char* caption;
    double value; // dollars, or a fraction of one for rates
};
inline constexpr std::array<Increment, 5> kPrincipalIncrements{
    {{"$10", 10.0}, {"$100", 100.0}, {"$1,000", 1000.0}, {"$10,000", 10000.0}, {"$100,000", 100000.0}}};
inline constexpr std::array<Increment, 5> kRateIncrements{
    {{"0.125%", 0.00125}, {"0.25%", 0.0025}, {"0.50%", 0.005}, {"1.0%", 0.01}, {"2.0%", 0.02}}};
inline constexpr int kDefaultPrincipalIncrement = 2; // $1,000
inline constexpr int kDefaultRateIncrement = 2;      // 0.50%

inline constexpr const char* kLoanFileName = "LoanTemp.Txt";

// Reads the three entries of the loan window; nullopt when any is missing, unreadable, zero or
// negative. The principal may carry "$" and thousands separators, the rate a "%".
std::optional<LoanInput> parseLoanInput(std::string_view principal, std::string_view ratePercent,
                                        std::string_view term);

// The level monthly payment that repays the principal in years * 12 months at annualRate / 12.
double monthlyPayment(double principal, double annualRate, int years);

// Five principals across and five rates down, centred on the entered loan.
struct LoanTable {
    int years = 0;
    std::array<double, 5> principals{};
    std::array<double, 5> rates{};
    // [rate row][principal column]; NaN where the principal is not above zero or the rate is
    // below zero, which happens when the steps reach past a small loan or a low rate.
    std::array<std::array<double, 5>, 5> payments{};
};

LoanTable computeLoanTable(const LoanInput& input, double principalIncrement, double rateIncrement);

// Empty for a principal not above zero, a rate below zero or a payment that is NaN.
std::string principalHead(double principal); // "$#,######"
std::string rateHead(double rate);           // "0.00%"
std::string paymentText(double payment);     // "$#,####.00"

// The heading line and the five rate lines, as saved and printed.
std::vector<std::string> loanTableLines(const LoanTable& table);
// The lines with CR LF after each.
std::string loanTableFileText(const LoanTable& table);
// "Loan table saved as LoanTemp.Txt in Abacon folder!"
std::string loanSavedMessage();

} // namespace abacon
