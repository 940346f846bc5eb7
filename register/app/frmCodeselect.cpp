#include "register/app/frmCodeselect.h"

#include "register/app/ReportPrinting.h"
#include "ui/Vx3dList.h"

#include <QLabel>

namespace ledger {

frmCodeselect::frmCodeselect(const Services& services, const ChequeBook& book, const CodeTable* table,
                             const QString& code, const DateRange& range, QWidget* parent)
    : ReportWindow(services, QStringLiteral("frmCodeselect"), QString(),
                   {QStringLiteral("Chq #"), QStringLiteral("Particulars"), QStringLiteral("Deposit"),
                    QStringLiteral("Withdraw")},
                   parent),
      book_(book), listing_(codeListing(book, table, code.toStdString(), range)) {
    setWindowTitle(qtext(listing_.caption));
    lblHeading->setText(qtext(book.title));
    lblCodeFile->hide();
    lblPeriod->setText(qtext(listing_.period));
    for (const std::string& row : listing_.rows)
        lstSelectedCode->AddItem(qtext(row));
    addTotal(QStringLiteral("lblSelectionTotal"), QStringLiteral("Selection Total"), listing_.totalText(),
             listing_.sum);
    addTotal(QStringLiteral("lblNumberSelected"), QStringLiteral("Number Selected"), listing_.countText(),
             runtime::Currency());
    addTotal(QStringLiteral("lblBudget"), QStringLiteral("Budget"), listing_.budgetText(), listing_.budget);
}

std::vector<PrintedPage> frmCodeselect::pages(const PageRange& range) const {
    return codeListingPrintout(book_, listing_, services_.today, range);
}

std::string frmCodeselect::clipboardText() const {
    return codeListingClipboard(listing_);
}

QString frmCodeselect::printTip() const {
    return QStringLiteral("Printing Code Selection - ") + qtext(book_.title);
}

} // namespace ledger
