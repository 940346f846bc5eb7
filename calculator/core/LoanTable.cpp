#include "calculator/core/LoanTable.h"

#include "calculator/core/NumberText.h"

#include "runtime/Format.h"

#include <cmath>
#include <limits>

namespace abacon {

namespace {

// Heading and rate column, then the five money columns.
constexpr std::size_t kFirstColumn = 10;
constexpr std::size_t kColumn = 13;

std::string without(std::string_view text, std::string_view drop) {
    std::string s;
    for (char c : text) {
        if (drop.find(c) == std::string_view::npos) {
            s += c;
        }
    }
    return s;
}

std::optional<double> positiveNumber(const std::string& text) {
    if (!isNumberText(text)) {
        return std::nullopt;
    }
    const double v = numberValue(text);
    if (!(v > 0.0) || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::string padRight(std::string s, std::size_t width) {
    if (s.size() < width) {
        s.append(width - s.size(), ' ');
    }
    return s;
}

} // namespace

std::optional<LoanInput> parseLoanInput(std::string_view principal, std::string_view ratePercent,
                                        std::string_view term) {
    // "(5,000)" reads as a negative amount and is refused like "-5000".
    const auto p = positiveNumber(without(principal, " $,"));
    const auto r = positiveNumber(without(ratePercent, " %"));
    int years = 0;
    const std::string t = trim(term);
    for (std::size_t i = 0; i < t.size() && t[i] >= '0' && t[i] <= '9' && years < 1000; ++i) {
        years = years * 10 + (t[i] - '0');
    }
    if (!p || !r || years <= 0 || years >= 1000) {
        return std::nullopt;
    }
    return LoanInput{*p, *r / 100.0, years};
}

double monthlyPayment(double principal, double annualRate, int years) {
    const double monthlyRate = annualRate / 12.0;
    const double months = years * 12.0;
    if (monthlyRate == 0.0) {
        return principal / months; // the annuity formula divides by zero here
    }
    return principal * monthlyRate / (1.0 - std::pow(1.0 + monthlyRate, -months));
}

LoanTable computeLoanTable(const LoanInput& input, double principalIncrement, double rateIncrement) {
    LoanTable table;
    table.years = input.years;
    for (int i = 0; i < 5; ++i) {
        table.principals[static_cast<std::size_t>(i)] = input.principal + (i - 2) * principalIncrement;
        const double rate = input.annualRate + (i - 2) * rateIncrement;
        // 0.25 % less two steps of 0.125 % is a rate of zero, not a rounding error below it.
        table.rates[static_cast<std::size_t>(i)] = std::abs(rate) < 1e-12 ? 0.0 : rate;
    }
    for (std::size_t row = 0; row < 5; ++row) {
        for (std::size_t col = 0; col < 5; ++col) {
            const double principal = table.principals[col];
            const double rate = table.rates[row];
            const double payment = monthlyPayment(principal, rate, input.years);
            // A small loan or a low rate minus two steps leaves no loan to pay: the cell stays empty
            // rather than showing a negative payment.
            table.payments[row][col] = principal > 0.0 && rate >= 0.0 && std::isfinite(payment)
                                           ? payment
                                           : std::numeric_limits<double>::quiet_NaN();
        }
    }
    return table;
}

std::string principalHead(double principal) {
    return principal > 0.0 ? runtime::formatNumber(principal, "$#,######") : std::string();
}
std::string rateHead(double rate) {
    return rate >= 0.0 ? runtime::formatNumber(rate, "0.00%") : std::string();
}
std::string paymentText(double payment) {
    return runtime::formatNumber(payment, "$#,####.00");
}

std::vector<std::string> loanTableLines(const LoanTable& table) {
    std::vector<std::string> lines;
    std::string heading = padRight(std::to_string(table.years) + " years", kFirstColumn);
    for (double p : table.principals) {
        heading += padLeft(principalHead(p), kColumn);
    }
    lines.push_back(heading);
    for (std::size_t row = 0; row < 5; ++row) {
        std::string line = padRight(rateHead(table.rates[row]), kFirstColumn);
        for (double payment : table.payments[row]) {
            line += padLeft(paymentText(payment), kColumn);
        }
        lines.push_back(line);
    }
    return lines;
}

std::string loanTableFileText(const LoanTable& table) {
    std::string text;
    for (const std::string& line : loanTableLines(table)) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string loanSavedMessage() {
    return std::string("Loan table saved as ") + kLoanFileName + " in Abacon folder!";
}

} // namespace abacon
