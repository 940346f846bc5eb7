#include "register/app/BudgetReportWindow.h"

#include "register/app/ReportPrinting.h"
#include "ui/BarChart.h"
#include "ui/Prompter.h"
#include "ui/Vx3dList.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace ledger {

namespace {

QColor platformColor(unsigned rgb) { // 0x00BBGGRR
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

} // namespace

ui::BarChartData barChartData(const ReportChart& chart) {
    ui::BarChartData data;
    data.title = qtext(chart.title);
    for (const std::string& code : chart.codes)
        data.labels << qtext(code);
    for (const ChartSeries& series : chart.series) {
        ui::BarChartData::Series s{qtext(series.name), platformColor(series.color), {}};
        for (const runtime::Currency value : series.values)
            s.values << value.toDouble();
        data.series << s;
    }
    for (const runtime::Currency tick : chart.ticks()) {
        data.ticks << tick.toDouble();
        data.tickLabels << qtext(chartTickText(tick));
    }
    return data;
}

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

    chtReport = new ui::BarChart(QStringLiteral("chtReport"), this);
    chtReport->setData(barChartData(budgetReportChart(report_)));
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->indexOf(lstSelectedCode) + 1, chtReport, 1);
    mnuChart = menuBar->addAction(QStringLiteral("C&hart"));
    mnuChart->setObjectName(QStringLiteral("mnuChart"));
    mnuChart->setCheckable(true);
    mnuChart->setChecked(true);
    connect(mnuChart, &QAction::toggled, chtReport, &QWidget::setVisible);
    resize(720, 720);
}

std::vector<PrintedPage> BudgetReportWindow::pages(const PageRange& range) const {
    return budgetReportPrintout(book_, codeFileTitle_, report_, range_, services_.today, range);
}

std::string BudgetReportWindow::clipboardText() const {
    return budgetReportClipboard(report_);
}

std::optional<ReportPicture> BudgetReportWindow::printedPicture() {
    const int answer = services_.prompter.msgBox(QStringLiteral("Print the chart with the report?"),
                                                 ui::vbYesNo + ui::vbQuestion, windowTitle());
    if (answer != ui::vbYes)
        return std::nullopt;
    // Copies: a print preview paints the page again whenever its page setup changes.
    const ui::BarChartData data = chtReport->data();
    const QString family = services_.fontFamily;
    return ReportPicture{QStringLiteral("chart ") + data.title, [data, family](QPainter& painter, const QRectF& area) {
                             // Landscape-shaped on the page: the top half, as wide as the text.
                             ui::paintBarChart(painter, QRectF(area.topLeft(), QSizeF(area.width(), area.height() / 2)),
                                               data, QFont(family, 10));
                         }};
}

QString BudgetReportWindow::printTip() const {
    return report_.kind == BudgetReportKind::Summary ? QStringLiteral("Printing Budget Summary")
                                                     : QStringLiteral("Printing Income Statement");
}

} // namespace ledger
