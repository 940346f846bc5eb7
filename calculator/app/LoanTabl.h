#pragma once

#include "calculator/core/LoanTable.h"

#include <QMainWindow>

class QLabel;
class QTableWidget;

namespace abacon {

// "Loan Table - Monthly Payments": five principals across, five rates down.
class LoanTabl : public QMainWindow {
    Q_OBJECT
public:
    explicit LoanTabl(QWidget* parent = nullptr);
    void setTable(const LoanTable& table);

private:
    QLabel* term_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

} // namespace abacon
