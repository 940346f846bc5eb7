#pragma once

#include "register/app/ReportWindow.h"

#ifndef Q_MOC_RUN
#include "register/core/BudgetReports.h"
#endif

namespace ledger {

// "Cheque Book - Listing of Transaction Code ...": the items of one code (or "ALL ") in a range,
// their total, count and the code's budget.
class frmCodeselect : public ReportWindow {
    Q_OBJECT
public:
    // `table` may be null when no budget/code file is in use.
    frmCodeselect(const Services& services, const ChequeBook& book, const CodeTable* table,
                  const QString& code, const DateRange& range, QWidget* parent = nullptr);

    const CodeListing& listing() const { return listing_; }

protected:
    std::vector<PrintedPage> pages(const PageRange& range) const override;
    std::string clipboardText() const override;
    QString printTip() const override;

private:
    const ChequeBook& book_;
    CodeListing listing_;
};

} // namespace ledger
