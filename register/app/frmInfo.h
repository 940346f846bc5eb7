#pragma once

#include <QDialog>

class QLabel;

namespace ui {
class SSCommand;
class SSPanel;
} // namespace ui

namespace ledger {

class frmChqList;

// "Ledgerine Information": the open cheque book, its balance and item count, the budget/code file
// in use and the budget period, as they stand when the window opens.
class frmInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmInfo(frmChqList& main, QWidget* parent = nullptr);

    QLabel* lblFileName = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblItems = nullptr;
    QLabel* lblBalance = nullptr;
    QLabel* lblCBfile = nullptr;
    QLabel* lblNoCBEntries = nullptr;
    ui::SSPanel* PanelStartBudget = nullptr;
    ui::SSPanel* PanelEndBudget = nullptr;
    ui::SSCommand* Command3D1 = nullptr;
};

} // namespace ledger
