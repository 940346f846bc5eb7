#pragma once

#include "register/app/BudgetReportWindow.h"

namespace ledger {

// "Income Statement": the codes split into income and expense rows.
class frmIncomeStatement : public BudgetReportWindow {
public:
    frmIncomeStatement(const Services& services, const ChequeBook& book, const CodeTable& table,
                       const QString& codeFileTitle, const DateRange& range, QWidget* parent = nullptr)
        : BudgetReportWindow(services, QStringLiteral("frmIncomeStatement"),
                             QStringLiteral("Income Statement"), BudgetReportKind::IncomeStatement, book,
                             table, codeFileTitle, range, parent) {}
};

} // namespace ledger
