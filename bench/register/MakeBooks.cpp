// ledger_make_books COUNT OUT: writes OUT.lgn and OUT.journal holding the same random transactions, so the
// register's listing can be timed side by side with the plain-text accounting tools:
//   ledgrn list OUT.lgn                       ledger -f OUT.journal register Assets:Cheque
//                                             hledger -f OUT.journal register Assets:Cheque
// Items are in random date order (the worst case for the register's sort) and reproducible (fixed seed).
#include "register/core/ChequeBookFile.h"
#include "runtime/Format.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace {

struct Payee {
    const char* name;
    const char* code;
    bool deposit;
};

constexpr Payee kPayees[] = {
    {"Maple Court Rentals", "RENT", false}, {"Greenleaf Grocers", "GROC", false},
    {"Payroll Brightwater Ltd", "SAL", true}, {"Lakeside Hydro", "UTIL", false},
    {"Northline Mobile", "PHON", false},     {"Harbour Motors", "AUTO", false},
    {"Cedar Insurance", "INS", false},       {"ATM withdrawal", "CASH", false},
    {"Mocha Bistro", "DINE", false},         {"Interest", "INT", true},
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: ledger_make_books COUNT OUT (writes OUT.lgn and OUT.journal)\n", stderr);
        return 2;
    }
    const long count = std::strtol(argv[1], nullptr, 10);
    if (count < 1 || count > 5'000'000) {
        std::fputs("ledger_make_books: COUNT must be 1 to 5000000\n", stderr);
        return 2;
    }
    const std::string out = argv[2];
    std::mt19937 random(1995);
    ledger::ChequeBook book;
    book.title = "Benchmark";
    book.items.reserve(static_cast<std::size_t>(count));
    std::ofstream journal(out + ".journal", std::ios::binary);
    const double first = runtime::oleFromCivil(2000, 1, 1);
    for (long i = 0; i < count; ++i) {
        const Payee& payee = kPayees[random() % std::size(kPayees)];
        const double date = first + static_cast<double>(random() % 9000);
        const auto cents = static_cast<std::int64_t>(1 + random() % 250'000);
        const bool cleared = random() % 3 != 0;
        const runtime::Currency amount = runtime::Currency::fromTicks(cents * 100);
        book.items.push_back(ledger::makeItem(date, static_cast<std::int16_t>(i % 30000), payee.name,
                                              payee.deposit ? amount : -amount, payee.code,
                                              cleared ? (payee.deposit ? 'd' : 'c') : ' '));
        const runtime::CivilDate d = runtime::civilFromOle(date);
        const std::string money = runtime::formatCurrency(amount, "0.00");
        char head[64];
        std::snprintf(head, sizeof head, "%04d/%02d/%02d %s", d.year, d.month, d.day, cleared ? "* " : "");
        journal << head << payee.name << "\n    " << (payee.deposit ? "Income:" : "Expenses:") << payee.code
                << "    $" << (payee.deposit ? "-" : "") << money << "\n    Assets:Cheque\n\n";
    }
    ledger::saveChequeBook(out + ".lgn", book, "");
    return journal.good() ? 0 : 1;
}
