#pragma once

#include "calculator/core/LoanTable.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QActionGroup;
class QComboBox;
class QLineEdit;

namespace ui {
class Printer;
class Prompter;
class SSCommand;
} // namespace ui

namespace abacon {

class LoanTabl;

// "Loan Calculator": principal, rate and term in; a table of monthly payments out.
class LoanInpt : public QMainWindow {
    Q_OBJECT
public:
    // The table is saved into saveFolder.
    LoanInpt(ui::Prompter& prompter, ui::Printer& printer, const QString& saveFolder,
             QWidget* parent = nullptr);

    const std::optional<LoanTable>& table() const { return table_; }
    LoanTabl* tableWindow() const { return loanTabl_; }

private:
    void calc();
    void recompute();
    void saveTable();
    void printTable();
    void closeAll();

    ui::Prompter& prompter_;
    ui::Printer& printer_;
    QString saveFolder_;
    std::optional<LoanInput> input_;
    std::optional<LoanTable> table_;

    QLineEdit* inPrinc = nullptr;
    QLineEdit* inRate = nullptr;
    QComboBox* inTerm = nullptr;
    ui::SSCommand* Calc = nullptr;
    ui::SSCommand* cmdExit = nullptr;
    QAction* printAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QActionGroup* principalIncr_ = nullptr;
    QActionGroup* rateIncr_ = nullptr;
    LoanTabl* loanTabl_ = nullptr;
};

} // namespace abacon
