#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "register/core/BudgetStatus.h"
#include "register/core/ItemEntry.h"
#endif

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QRadioButton;

namespace ui {
class Clipboard;
class Prompter;
class SSCommand;
class SSFrame;
class SSPanel;
} // namespace ui

namespace ledger {

// The item entry window in its five modes. It checks the fields and hands each finished item to
// `store`; the register itself is the caller's.
class frmChqUP : public QDialog {
    Q_OBJECT
public:
    frmChqUP(EntryMode mode, ui::Prompter& prompter, ui::Clipboard& clipboard, QWidget* parent = nullptr);
    ~frmChqUP() override;

    EntryMode mode() const { return mode_; }
    // The item the fields start with (change, duplicate and the auto-duplicate modes).
    void setItem(const Item& item);
    void setGuidanceShown(bool on) { guidance_ = on; }
    void setCodeFileLoaded(bool loaded) { codeFileLoaded_ = loaded; }
    void showBalance(runtime::Currency balance);
    // Items stored since the window opened (new entry keeps storing until Exit).
    int storedCount() const { return stored_; }

    // Receives each item Save accepts; false when the register refused it (the receiver has
    // told the user why), which keeps the entry in the fields.
    std::function<bool(const Item&)> store;
    // The register's running balance after a store.
    std::function<runtime::Currency()> balance;
    // The code selection of the budget/code file; nullopt when the user picks nothing.
    std::function<std::optional<QString>()> selectCode;
    // The budget status of a code in the open book and the loaded code table.
    std::function<BudgetStatus(const QString& code)> budgetStatus;

    // A day chosen on the calendar: the date box takes the date, or in the standing-item modes
    // the day of the month, and gets the focus to be checked on leaving.
    void putChosenDate(const QString& date, int day);
    // The Options menu's calendar item offers to close a calendar this window opened.
    void showCalendarOpen(bool open);

signals:
    // The calendar button or the Options menu's calendar item.
    void calendarRequested();
    // The calculator button.
    void calculatorRequested();

public slots:
    // Field checks as leaving each box runs them; false when the box refused its text.
    bool txtDate_LostFocus();
    void txtChqNo_LostFocus();
    void txtAmount_LostFocus();
    void fieldGotFocus(QWidget* field);
    void txtTransCode_Escape();
    void cmdZeroChqno_Click();
    void cmdUpdateSave_Click();
    void cmdUpdateCancel_Click();
    void cmdExit_Click();
    void mnuBudgetStatus_Click();
    void mnuUndo_Click();
    void mnuCopy_Click();
    void mnuCut_Click();
    void mnuPaste_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape is the Cancel button's key, so new entry still asks before the window goes.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Keys and focus of the boxes, the options and the buttons, one area each.
    bool isOption(const QObject* o) const;
    bool focusEntersOptions(QObject* watched, Qt::FocusReason reason);
    void fieldLostFocus(QObject* watched, Qt::FocusReason reason);
    void checkDateOnceFocusSettles();
    bool codeBoxKey(QObject* watched, int key);
    bool optionsKey(QObject* watched, int key);
    bool chequeNumberKey(QObject* watched, int key);
    bool buttonKey(QObject* watched, int key);
    bool boxEnterKey(QObject* watched, int key);

    void createControls();
    void createMenus();
    void clearFields();
    void showGuidance(std::string_view text);
    void refreshBudgetStatus();
    QLineEdit* focusedField() const;
    std::optional<Item> collectItem();
    int askZeroAmount();

    EntryMode mode_;
    ui::Prompter& prompter_;
    ui::Clipboard& clipboard_;
    bool guidance_ = true;
    bool codeFileLoaded_ = false;
    bool checking_ = false;
    int stored_ = 0;
    std::optional<Item> original_;
    // The date the box holds once checked: a shown "12/31/99" typed as 2099 stays 2099.
    std::optional<runtime::OleDate> checkedDate_;
    QString checkedDateText_;

    // The controls; tests and other windows reach them by their object names.
    QMenuBar* menuBar = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuPaste = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuBudgetStatus = nullptr;
    QAction* nmuCalendar = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuChqHelp = nullptr;

    QLineEdit* txtDate = nullptr;
    QLineEdit* txtChqNo = nullptr;
    ui::SSCommand* cmdZeroChqno = nullptr;
    QLineEdit* txtParticulars = nullptr;
    QLineEdit* txtTransCode = nullptr;
    ui::SSCommand* cmdSeleCodes = nullptr;
    ui::SSFrame* Frame1 = nullptr;
    std::array<QRadioButton*, 2> Option1{}; // "&Deposit", "&Withdraw"
    QLineEdit* txtAmount = nullptr;
    QLabel* lblBalance = nullptr;
    ui::SSPanel* lblCodeMsg = nullptr;
    ui::SSPanel* Panel3D2 = nullptr; // budget status
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* lblStatusCode = nullptr;
    ui::SSPanel* Panel3D3 = nullptr; // budgeted
    ui::SSPanel* Panel3D4 = nullptr; // period to date
    ui::SSCommand* cmdUpdateSave = nullptr;
    ui::SSCommand* cmdUpdateCancel = nullptr;
    ui::SSCommand* cmdExit = nullptr;
    ui::SSCommand* cmdBudget = nullptr;
    ui::SSCommand* cmdCalendar = nullptr;
    ui::SSCommand* cmdAbacon = nullptr;
};

// The zero-amount question of a new item: done(1) back to the amount, done(2) store the zero
// item and close, done(3) close without it.
class frmZeroAmt : public QDialog {
    Q_OBJECT
public:
    enum Choice { ReturnToAmount = 1, CreateZeroItem = 2, SaveAllExceptZero = 3 };
    explicit frmZeroAmt(QWidget* parent = nullptr);

private:
    QLabel* Label1 = nullptr;
    ui::SSCommand* SSCommand1 = nullptr;
    ui::SSCommand* SSCommand2 = nullptr;
    ui::SSCommand* SSCommand3 = nullptr;
};

} // namespace ledger
