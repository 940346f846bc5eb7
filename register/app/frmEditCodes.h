#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "register/core/CodeFile.h"
#endif

#include <QDialog>

#include <array>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QRadioButton;

namespace ui {
class Prompter;
class SSCommand;
class SSFrame;
} // namespace ui

namespace ledger {

class CodeFileSession;

// The maintenance window of the budget/code file. A button prepares an operation on the selected
// line (edit, add, delete, spacer), "&OK" applies it to the session's table, "&Cancel" abandons
// it, "E&Xit" offers to save the changes and closes the window.
class frmEditCodes : public QDialog {
    Q_OBJECT
public:
    enum class Operation { None = 0, Edit = 1, Add = 2, Delete = 3, Spacer = 4 };

    frmEditCodes(CodeFileSession& codes, ui::Prompter& prompter, QWidget* parent = nullptr);

    Operation operation() const { return operation_; }

    QMenuBar* menuBar = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuMaint = nullptr;
    QAction* mnuStructure = nullptr;
    ui::SSFrame* Frame1 = nullptr;
    std::array<QRadioButton*, 2> Option1{}; // "&Income", "Ex&pense"
    QLabel* Label1 = nullptr;               // "Description"
    QLabel* Label2 = nullptr;               // "Code"
    QLabel* Label3 = nullptr;               // "Budget $"
    QLineEdit* Text1 = nullptr;             // description
    QLineEdit* Text2 = nullptr;             // code
    QLineEdit* Text3 = nullptr;             // budget
    QListWidget* lstTransCodes = nullptr;
    ui::SSCommand* cmdAdd = nullptr;
    ui::SSCommand* cmdEdit = nullptr;
    ui::SSCommand* cmdDelete = nullptr;
    ui::SSCommand* cmdSpacer = nullptr;
    ui::SSCommand* cmdOK = nullptr;
    ui::SSCommand* cmdCancel = nullptr;
    ui::SSCommand* cmdExit = nullptr;

public slots:
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdSpacer_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdExit_Click();
    void Option1_Click(int index);
    // The field checks of leaving each box; false when the box refused its text (the old text is
    // back in it).
    bool Text1_LostFocus();
    bool Text2_LostFocus();
    bool Text3_LostFocus();
    // Closing the window is E&Xit, so changes are never left without the question.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList();
    void clearBoxes();
    void enableBoxes(bool on);
    void showRecord(const CodeRecord& record);
    void showBudgetColor();
    // The record the selected line stands for; nullopt (after "No Item Selected!") when none.
    std::optional<std::size_t> selectedRecord();
    bool leaveBox(QWidget* box);
    void tell(std::string_view text);
    void rememberBoxes();

    CodeFileSession& codes_;
    ui::Prompter& prompter_;
    Operation operation_ = Operation::None;
    std::size_t position_ = 0;
    bool typed_ = false; // the boxes changed since the operation was prepared
    bool checking_ = false;
    // A check refused the text on the way to a button; that click must not apply the operation.
    bool refused_ = false;
    // The text of each box as it was entered (or the operation prepared), put back by a refused
    // check.
    QString entered1_, entered2_, entered3_;
};

} // namespace ledger
