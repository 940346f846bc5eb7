#include "calculator/app/LoanTabl.h"
#include "ui/QtText.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace abacon {

namespace {

using ui::qs;

} // namespace

LoanTabl::LoanTabl(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("LoanTabl"));
    setWindowTitle(QStringLiteral("Loan Table - Monthly Payments"));
    QAction* close = menuBar()->addAction(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("mnuClose"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    term_ = new QLabel(central);
    term_->setObjectName(QStringLiteral("lblTerm"));
    grid_ = new QTableWidget(5, 5, central);
    grid_->setObjectName(QStringLiteral("grdPayments"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(term_);
    layout->addWidget(grid_);
    setCentralWidget(central);
    resize(560, 240);
}

void LoanTabl::setTable(const LoanTable& table) {
    term_->setText(QStringLiteral("Term: %1 years").arg(table.years));
    for (int i = 0; i < 5; ++i) {
        const auto u = static_cast<std::size_t>(i);
        grid_->setHorizontalHeaderItem(i, new QTableWidgetItem(qs(principalHead(table.principals[u]))));
        grid_->setVerticalHeaderItem(i, new QTableWidgetItem(qs(rateHead(table.rates[u]))));
    }
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 5; ++col) {
            const double payment =
                table.payments[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            auto* item = new QTableWidgetItem(qs(paymentText(payment)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(row, col, item);
        }
    }
}

} // namespace abacon
