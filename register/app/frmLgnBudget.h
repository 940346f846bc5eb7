#pragma once

#include "register/app/BudgetReportWindow.h"

namespace ledger {

// "Ledgerine - Budget Summary": per code the net of its items against its budget.
// No Q_OBJECT: it adds nothing to the meta-object of BudgetReportWindow.
class frmLgnBudget : public BudgetReportWindow {
public:
    frmLgnBudget(const Services& services, const ChequeBook& book, const CodeTable& table,
                 const QString& codeFileTitle, const DateRange& range, QWidget* parent = nullptr)
        : BudgetReportWindow(services, QStringLiteral("frmLgnBudget"),
                             QStringLiteral("Ledgerine - Budget Summary"), BudgetReportKind::Summary, book,
                             table, codeFileTitle, range, parent) {}
};

} // namespace ledger
