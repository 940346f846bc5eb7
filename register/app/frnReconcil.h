#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;

namespace runtime {
class Currency;
}
namespace ui {
class Prompter;
class SSCommand;
class SSPanel;
} // namespace ui

namespace ledger {

struct ChequeBook;

// One of the window's timers. Enabling a timer starts its interval afresh, as the classic timer
// control did.
class WindowTimer {
public:
    virtual ~WindowTimer() = default;
    virtual void setEnabled(bool on) = 0;
    virtual bool isEnabled() const = 0;
    virtual int interval() const = 0;
};

// Makes the window's timers: QTimer in the program; tests step theirs by hand.
class TimerSource {
public:
    virtual ~TimerSource() = default;
    // A disabled timer that calls `tick` every `intervalMs` while enabled.
    virtual std::unique_ptr<WindowTimer> create(int intervalMs, std::function<void()> tick) = 0;
};

class QtTimerSource : public TimerSource {
public:
    std::unique_ptr<WindowTimer> create(int intervalMs, std::function<void()> tick) override;
};

// Reconciliation of the open cheque book against a bank statement's final balance. Modeless:
// while it is open it follows the register, so clearing items on the main window moves the
// difference towards zero. The figures come from ledger::reconcile.
class frnReconcil : public QDialog {
    Q_OBJECT
public:
    using BookSource = std::function<const ChequeBook*()>;
    using GuidanceShown = std::function<bool()>;

    // `timers` defaults to Qt's; it must outlive the window.
    frnReconcil(ui::Prompter& prompter, BookSource book, GuidanceShown guidance, QWidget* parent = nullptr,
                TimerSource* timers = nullptr);
    ~frnReconcil() override;

    // Opening: the statement box back to "0.00", the current balance, then the window shown.
    void startReconciliation();
    // The recalculation with a statement balance; false when it is too large to reconcile.
    bool Recalculate(runtime::Currency statement);

    runtime::Currency netDifference() const;
    bool flashing() const { return flashing_; }
    // Whether the caption is in its highlighted phase.
    bool captionHighlighted() const { return captionHighlighted_; }

    // --- Controls ----------------------------------------------------------------------------------
    QMenuBar* menuBar = nullptr;
    QMenu* mnuRecHelp = nullptr;     // "&Help"
    QAction* rechelp = nullptr;      // "&Reconcile Help", F1, help context 217
    ui::SSPanel* Panel3D7 = nullptr; // "  Cheque Book Current Balance"
    QLabel* lblBalance = nullptr;
    ui::SSPanel* Panel3D2 = nullptr; // "Enter Final Balance as Shown on Bank Account Statement"
    ui::SSPanel* Panel3D3 = nullptr; // frame of the statement box
    QLineEdit* txtStatementBalance = nullptr;
    ui::SSPanel* Panel3D4 = nullptr; // frame of the results
    QLabel* Label1 = nullptr;        // "Deposits since statement"
    QLabel* lblDeposits = nullptr;
    QLabel* Label2 = nullptr; // "Withdrawn since statement"
    QLabel* lblCheques = nullptr;
    QLabel* Label3 = nullptr; // "Cheque Book Balance       (calculated)"
    QLabel* lblChkBookBalance = nullptr;
    ui::SSPanel* Panel3D6 = nullptr; // "Net"
    QLabel* Label4 = nullptr;        // "Difference (if any) between Calculated and Current Balance"
    QLabel* lblNet = nullptr;
    ui::SSPanel* Panel3D5 = nullptr;     // frame of the buttons
    ui::SSCommand* pctTab = nullptr;     // "&Calculate"
    ui::SSCommand* Command3D1 = nullptr; // "&Hints", shown once a difference was found
    ui::SSCommand* cmdExit = nullptr;    // "&Exit"
    std::unique_ptr<WindowTimer> Timer1; // caption highlighted
    std::unique_ptr<WindowTimer> Timer2; // caption restored
    std::unique_ptr<WindowTimer> Timer3; // the first delay after a difference was found

public slots:
    void pctTab_Click();
    void Command3D1_Click();
    void cmdExit_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    // The register changed: recalculates with the statement balance already entered.
    void followRegister();
    // Another cheque book was opened or the book was closed: its figures go with it.
    void forgetBook();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    bool recalculate(runtime::Currency statement, bool byCalculate);
    void FlashWindow(bool invert);
    void stopFlashing();
    void Form_Activate();
    void txtStatementBalance_GotFocus();
    bool keyAllowed(const QKeyEvent& key) const;
    void showAmount(QLabel* label, runtime::Currency value, std::string_view pattern, unsigned colour);

    ui::Prompter& prompter_;
    BookSource book_;
    GuidanceShown guidance_;
    std::unique_ptr<TimerSource> ownTimers_;
    // Kept in ticks: the money type stays out of this header, which the meta-object compiler reads.
    std::int64_t netTicks_ = 0;
    // The statement of the last recalculation since opening; the register is followed with it.
    std::optional<std::int64_t> statementTicks_;
    bool flashing_ = false;
    bool captionHighlighted_ = false;
    bool backFromModal_ = false;
};

} // namespace ledger
