#pragma once

#include "register/app/ReportWindow.h"

#ifndef Q_MOC_RUN
#include "register/core/BudgetReports.h"
#endif

namespace ledger {

// The layout the budget summary and the income statement share: headings, one row per code,
// their totals, print and clipboard.
class BudgetReportWindow : public ReportWindow {
    Q_OBJECT
public:
    BudgetReportWindow(const Services& services, const QString& objectName, const QString& caption,
                       BudgetReportKind kind, const ChequeBook& book, const CodeTable& table,
                       const QString& codeFileTitle, const DateRange& range, QWidget* parent);

    const BudgetReport& report() const { return report_; }

protected:
    std::vector<PrintedPage> pages(const PageRange& range) const override;
    std::string clipboardText() const override;
    QString printTip() const override;

private:
    const ChequeBook& book_;
    std::string codeFileTitle_;
    DateRange range_;
    BudgetReport report_;
};

} // namespace ledger
