// Writes the bundled sample cheque book: make-sample <path>/sample.lgn
#include "register/core/ChequeBookFile.h"
#include "register/core/RegisterList.h"

#include <cstdio>
#include <exception>

namespace {

using runtime::Currency;

struct Row {
    int month, day;
    int cheque;
    const char* particulars;
    const char* amount; // negative: a withdrawal
    const char* code;
    char status;
};

// August to November 2026 of one household's chequing account.
constexpr Row kRegister[] = {
    {8, 1, 0, "Opening Balance", "2350.00", "OPEN", 'd'},
    {8, 1, 101, "Maple Court Rentals", "-1450.00", "RENT", 'c'},
    {8, 3, 0, "Payroll - Brightwater Ltd", "3120.45", "SAL", 'd'},
    {8, 5, 102, "Lakeside Hydro", "-96.37", "UTIL", 'c'},
    {8, 7, 0, "ATM Withdrawal", "-100.00", "CASH", 'c'},
    {8, 9, 103, "Greenleaf Grocers", "-142.18", "GROC", 'c'},
    {8, 14, 104, "Northline Mobile", "-65.54", "PHON", 'c'},
    {8, 17, 0, "Payroll - Brightwater Ltd", "3120.45", "SAL", 'd'},
    {8, 21, 105, "Harbour Gas #212", "-58.90", "AUTO", 'c'},
    {8, 28, 106, "Keystone Insurance", "-132.75", "INS", 'c'},
    {9, 1, 107, "Maple Court Rentals", "-1450.00", "RENT", 'c'},
    {9, 3, 0, "Payroll - Brightwater Ltd", "3120.45", "SAL", 'd'},
    {9, 4, 108, "Lakeside Hydro", "-88.12", "UTIL", 'c'},
    {9, 10, 0, "ATM Withdrawal", "-60.00", "CASH", 'c'},
    {9, 12, 109, "Corner Market Grocery", "-118.63", "GROC", 'c'},
    {9, 14, 110, "Northline Mobile", "-65.54", "PHON", 'c'},
    {9, 17, 0, "Payroll - Brightwater Ltd", "3120.45", "SAL", 'd'},
    {9, 20, 111, "Dr. Patel Dental Clinic", "-240.00", "MED", 'c'},
    {9, 26, 112, "Riverside Cinema", "-38.50", "ENT", 'c'},
    {9, 28, 113, "Keystone Insurance", "-132.75", "INS", 'c'},
    {9, 30, 0, "Interest", "2.14", "INT", 'd'},
    {10, 1, 114, "Maple Court Rentals", "-1450.00", "RENT", 'c'},
    {10, 3, 0, "Payroll - Brightwater Ltd", "3120.45", "SAL", 'd'},
    {10, 6, 115, "Lakeside Hydro", "-91.40", "UTIL", 'c'},
    {10, 10, 116, "Greenleaf Thanksgiving", "-186.20", "GROC", 'c'},
    {10, 14, 117, "Northline Mobile", "-65.54", "PHON", 'c'},
    {10, 17, 0, "Payroll - Brightwater Ltd", "3120.45", "SAL", 'd'},
    {10, 19, 0, "ATM Withdrawal", "-200.00", "CASH", 'c'},
    {10, 22, 118, "Caf\xC3\xA9 Mocha Bistro", "-47.85", "DINE", 'c'},
    {10, 24, 119, "Maple Lane Clothing", "-89.99", "CLTH", 'c'},
    {10, 28, 120, "Keystone Insurance", "-132.75", "INS", 'c'},
    {10, 31, 0, "Interest", "2.31", "INT", 'd'},
    {11, 1, 121, "Maple Court Rentals", "-1450.00", "RENT", 'c'},
    {11, 3, 0, "Payroll - Brightwater Ltd", "3120.45", "SAL", 'd'},
    {11, 5, 122, "Lakeside Hydro", "-104.66", "UTIL", ' '},
    {11, 8, 0, "Transfer to Savings", "-500.00", "SAV", 'c'},
    {11, 12, 123, "Greenleaf Grocers", "-151.07", "GROC", ' '},
    {11, 14, 124, "Northline Mobile", "-65.54", "PHON", ' '},
    {11, 17, 0, "Payroll - Brightwater Ltd", "3120.45", "SAL", ' '},
    {11, 22, 125, "Parkway Auto Parts", "-74.35", "AUTO", ' '},
    {11, 27, 126, "Gift for Mom", "-60.00", "GIFT", ' '},
    {11, 28, 127, "Keystone Insurance", "-132.75", "INS", ' '},
    {11, 28, 0, "ATM Withdrawal", "-80.00", "CASH", ' '},
};

// Standing transactions; their date is the day of the month.
constexpr Row kAutoDup[] = {
    {0, 1, 0, "Maple Court Rentals", "-1450.00", "RENT", 'P'},
    {0, 3, 0, "Payroll - Brightwater Ltd", "3120.45", "SAL", 'P'},
    {0, 14, 0, "Northline Mobile", "-65.54", "PHON", 'P'},
    {0, 28, 0, "Keystone Insurance", "-132.75", "INS", 'P'},
    {0, 30, 0, "Transfer to Savings", "-500.00", "SAV", 'A'},
};

ledger::Item itemOf(const Row& row, runtime::OleDate date) {
    return ledger::makeItem(date, static_cast<std::int16_t>(row.cheque), row.particulars,
                            *Currency::parse(row.amount), row.code, row.status);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample <file.lgn>\n");
        return 2;
    }
    ledger::ChequeBook book;
    book.title = "Family Chequing Account";
    book.sortOrder = ledger::SortOrder::Date;
    book.period = {runtime::oleFromCivil(2026, 1, 1), runtime::oleFromCivil(2026, 12, 31)};
    book.lastAutoDupDay = 28;
    for (const Row& row : kRegister) {
        book.items.push_back(itemOf(row, runtime::oleFromCivil(2026, row.month, row.day)));
    }
    for (const Row& row : kAutoDup) {
        book.autoDupItems.push_back(itemOf(row, row.day));
    }
    ledger::shellSort(book.items, book.sortOrder);
    try {
        ledger::saveChequeBook(argv[1], book, "lgncodes.csv");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
