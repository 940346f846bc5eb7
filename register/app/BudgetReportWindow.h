#pragma once

#include "register/app/ReportWindow.h"

#ifndef Q_MOC_RUN
#include "register/core/BudgetReports.h"
#endif

namespace ui {
class BarChart;
struct BarChartData;
} // namespace ui

namespace ledger {

// The chart of a budget report as the bar chart draws it.
ui::BarChartData barChartData(const ReportChart& chart);

// The layout the budget summary and the income statement share: headings, one row per code,
// their totals, print and clipboard, and a bar chart of the rows (shown or hidden with mnuChart,
// printed on a page of its own when the user says so).
class BudgetReportWindow : public ReportWindow {
    Q_OBJECT
public:
    BudgetReportWindow(const Services& services, const QString& objectName, const QString& caption,
                       BudgetReportKind kind, const ChequeBook& book, const CodeTable& table,
                       const QString& codeFileTitle, const DateRange& range, QWidget* parent);

    const BudgetReport& report() const { return report_; }

    ui::BarChart* chtReport = nullptr;
    QAction* mnuChart = nullptr; // checked while the chart shows

protected:
    std::vector<PrintedPage> pages(const PageRange& range) const override;
    std::string clipboardText() const override;
    QString printTip() const override;
    std::optional<ReportPicture> printedPicture() override;

private:
    const ChequeBook& book_;
    std::string codeFileTitle_;
    DateRange range_;
    BudgetReport report_;
};

} // namespace ledger
