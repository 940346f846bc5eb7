#include "register/app/BudgetReportWindow.h"

#include "register/app/ReportPrinting.h"
#include "ui/Vx3dList.h"

#include <QLabel>

namespace ledger {

BudgetReportWindow::BudgetReportWindow(const Services& services, const QString& objectName,
                                       const QString& caption, BudgetReportKind kind, const ChequeBook& book,
                                       const CodeTable& table, const QString& codeFileTitle,
                                       const DateRange& range, QWidget* parent)
    : ReportWindow(services, objectName, caption,
                   {QStringLiteral("Code"), QStringLiteral("Particulars"), QStringLiteral("Income"),
                    QStringLiteral("Expense"), QStringLiteral("Budget")},
                   parent),
      book_(book), codeFileTitle_(codeFileTitle.toStdString()), range_(range),
      report_(kind == BudgetReportKind::Summary ? budgetSummary(book, table, range)
                                                : incomeStatement(book, table, range)) {
    lblHeading->setText(qtext(budgetReportHeading(book.title, codeFileTitle_)));
    lblCodeFile->setText(QStringLiteral("Code/Budget File Used  ") + codeFileTitle);
    lblPeriod->setText(qtext(periodText(range)));
    for (const SummaryRow& row : report_.rows)
        lstSelectedCode->AddItem(qtext(summaryListRow(row)));
    const auto add = [this](const char* name, const char* label, runtime::Currency amount) {
        addTotal(QString::fromLatin1(name), QString::fromLatin1(label), reportMoneyText(amount), amount);
    };
    if (kind == BudgetReportKind::Summary) {
        add("lblBudgetedNet", "Budgeted", report_.budgetedNet);
        add("lblNetBudget", "Budget", report_.netBudget);
        add("lblNotBudgeted", "Not Budgeted", report_.notBudgetedNet);
        add("lblTotal", "Total", report_.total);
    } else {
        add("lblIncome", "Income", report_.totalIncome);
        add("lblExpenses", "Expenses", report_.totalExpenses);
        add("lblNet", "Net", report_.net);
        add("lblNetBudget", "Net Budget", report_.netBudget);
    }
}

std::vector<PrintedPage> BudgetReportWindow::pages(const PageRange& range) const {
    return budgetReportPrintout(book_, codeFileTitle_, report_, range_, services_.today, range);
}

std::string BudgetReportWindow::clipboardText() const {
    return budgetReportClipboard(report_);
}

QString BudgetReportWindow::printTip() const {
    return report_.kind == BudgetReportKind::Summary ? QStringLiteral("Printing Budget Summary")
                                                     : QStringLiteral("Printing Income Statement");
}

} // namespace ledger
