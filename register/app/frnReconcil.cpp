#include "register/app/frnReconcil.h"
#include "register/app/RegisterHelp.h"
#include "register/app/QtText.h"

#include "register/app/AppSettings.h"
#include "register/core/Reconcile.h"
#include "runtime/Format.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace ledger {

namespace {

constexpr int kFlashInterval = 2000;
constexpr int kReconcileHelpContext = 217;

class QtWindowTimer : public WindowTimer {
public:
    QtWindowTimer(int intervalMs, std::function<void()> tick) {
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
    }
    void setEnabled(bool on) override {
        if (on)
            timer_.start(); // (re)starts the interval
        else
            timer_.stop();
    }
    bool isEnabled() const override { return timer_.isActive(); }
    int interval() const override { return timer_.interval(); }

private:
    QTimer timer_;
};

void setTextColour(QWidget* widget, unsigned rgb) {
    QPalette p = widget->palette();
    const QColor colour = colorFromRgbNumber(rgb);
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

QLabel* captionLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* figureLabel(QWidget* parent, const char* name) {
    QLabel* l = captionLabel(parent, name, QString());
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(130);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

ui::SSPanel* framePanel(QWidget* parent, const char* name) {
    auto* p = new ui::SSPanel(QString::fromLatin1(name), QString(), parent);
    p->setBevelOuter(ui::SSPanel::Bevel::Raised);
    p->setBevelInner(ui::SSPanel::Bevel::Inset);
    p->setBevelWidth(2);
    return p;
}

} // namespace

std::unique_ptr<WindowTimer> QtTimerSource::create(int intervalMs, std::function<void()> tick) {
    return std::make_unique<QtWindowTimer>(intervalMs, std::move(tick));
}

frnReconcil::frnReconcil(ui::Prompter& prompter, BookSource book, GuidanceShown guidance, QWidget* parent,
                         TimerSource* timers)
    : QDialog(parent), prompter_(prompter), book_(std::move(book)), guidance_(std::move(guidance)) {
    setObjectName(QStringLiteral("frnReconcil"));
    setWindowTitle(qs(kReconcileTitle));
    if (!timers) {
        ownTimers_ = std::make_unique<QtTimerSource>();
        timers = ownTimers_.get();
    }
    Timer1 = timers->create(kFlashInterval, [this] { Timer1_Timer(); });
    Timer2 = timers->create(kFlashInterval, [this] { Timer2_Timer(); });
    Timer3 = timers->create(kFlashInterval, [this] { Timer3_Timer(); });
    createControls();

    // Load: the statement box in blue, no flashing.
    setTextColour(txtStatementBalance, kReconcileBlue);
    flashing_ = false;
}

frnReconcil::~frnReconcil() = default;

void frnReconcil::createControls() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    mnuRecHelp = new QMenu(QStringLiteral("&Help"), this);
    mnuRecHelp->setObjectName(QStringLiteral("mnuRecHelp"));
    mnuRecHelp->menuAction()->setObjectName(QStringLiteral("mnuRecHelp"));
    menuBar->addMenu(mnuRecHelp);
    rechelp = new QAction(QStringLiteral("&Reconcile Help"), mnuRecHelp);
    rechelp->setObjectName(QStringLiteral("rechelp"));
    rechelp->setShortcut(QKeySequence(Qt::Key_F1));
    rechelp->setShortcutContext(Qt::WindowShortcut);
    rechelp->setProperty("helpContext", kReconcileHelpContext);
    mnuRecHelp->addAction(rechelp);
    connect(rechelp, &QAction::triggered, this, [this] { showHelpContext(this, kReconcileHelpContext); });

    Panel3D7 =
        new ui::SSPanel(QStringLiteral("Panel3D7"), QStringLiteral("  Cheque Book Current Balance"), this);
    Panel3D7->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel3D7->setFixedHeight(34);
    lblBalance = figureLabel(Panel3D7, "lblBalance");
    auto* balanceRow = new QHBoxLayout(Panel3D7);
    balanceRow->setContentsMargins(6, 3, 6, 3);
    balanceRow->addStretch(1);
    balanceRow->addWidget(lblBalance);

    Panel3D2 =
        new ui::SSPanel(QStringLiteral("Panel3D2"),
                        QStringLiteral("Enter Final Balance as Shown on Bank Account Statement"), this);
    Panel3D2->setFixedHeight(26);
    Panel3D3 = framePanel(this, "Panel3D3");
    txtStatementBalance = new QLineEdit(Panel3D3);
    txtStatementBalance->setObjectName(QStringLiteral("txtStatementBalance"));
    txtStatementBalance->setAlignment(Qt::AlignRight);
    txtStatementBalance->setFixedWidth(190);
    QFont entry = txtStatementBalance->font();
    entry.setBold(true);
    txtStatementBalance->setFont(entry);
    txtStatementBalance->installEventFilter(this);
    auto* entryRow = new QHBoxLayout(Panel3D3);
    entryRow->setContentsMargins(8, 6, 8, 6);
    entryRow->addStretch(1);
    entryRow->addWidget(txtStatementBalance);
    entryRow->addStretch(1);

    Panel3D4 = framePanel(this, "Panel3D4");
    Label1 = captionLabel(Panel3D4, "Label1", QStringLiteral("Deposits since statement"));
    lblDeposits = figureLabel(Panel3D4, "lblDeposits");
    Label2 = captionLabel(Panel3D4, "Label2", QStringLiteral("Withdrawn since statement"));
    lblCheques = figureLabel(Panel3D4, "lblCheques");
    Label3 = captionLabel(Panel3D4, "Label3", QStringLiteral("Cheque Book Balance       (calculated)"));
    lblChkBookBalance = figureLabel(Panel3D4, "lblChkBookBalance");
    Panel3D6 = new ui::SSPanel(QStringLiteral("Panel3D6"), QStringLiteral("Net"), Panel3D4);
    Panel3D6->setFixedSize(48, 24);
    Label4 = captionLabel(Panel3D4, "Label4",
                          QStringLiteral("Difference (if any) between Calculated and Current Balance"));
    Label4->setWordWrap(true);
    lblNet = figureLabel(Panel3D4, "lblNet");
    auto* results = new QGridLayout(Panel3D4);
    results->setContentsMargins(10, 8, 10, 8);
    results->addWidget(Label1, 0, 0, 1, 2);
    results->addWidget(lblDeposits, 0, 2);
    results->addWidget(Label2, 1, 0, 1, 2);
    results->addWidget(lblCheques, 1, 2);
    results->addWidget(Label3, 2, 0, 1, 2);
    results->addWidget(lblChkBookBalance, 2, 2);
    results->addWidget(Panel3D6, 3, 0);
    results->addWidget(Label4, 3, 1);
    results->addWidget(lblNet, 3, 2);
    results->setColumnStretch(1, 1);

    Panel3D5 = framePanel(this, "Panel3D5");
    pctTab = new ui::SSCommand(QStringLiteral("pctTab"), QStringLiteral("&Calculate"), Panel3D5);
    Command3D1 = new ui::SSCommand(QStringLiteral("Command3D1"), QStringLiteral("&Hints"), Panel3D5);
    cmdExit = new ui::SSCommand(QStringLiteral("cmdExit"), QStringLiteral("&Exit"), Panel3D5);
    // Enter in the statement box calculates; Tab from the box reaches Calculate first.
    pctTab->setDefault(true);
    Command3D1->hide(); // until a difference was found with guidance on
    auto* buttons = new QHBoxLayout(Panel3D5);
    buttons->setContentsMargins(8, 6, 8, 6);
    for (ui::SSCommand* b : {pctTab, Command3D1, cmdExit}) {
        b->setMinimumSize(90, 30);
        buttons->addWidget(b);
    }
    setTabOrder(txtStatementBalance, pctTab);
    setTabOrder(pctTab, Command3D1);
    setTabOrder(Command3D1, cmdExit);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(Panel3D7);
    layout->addWidget(Panel3D2);
    layout->addWidget(Panel3D3);
    layout->addWidget(Panel3D4);
    layout->addWidget(Panel3D5);
    setMinimumWidth(470);

    connect(pctTab, &ui::SSCommand::clicked, this, &frnReconcil::pctTab_Click);
    connect(Command3D1, &ui::SSCommand::clicked, this, &frnReconcil::Command3D1_Click);
    connect(cmdExit, &ui::SSCommand::clicked, this, &frnReconcil::cmdExit_Click);
}

void frnReconcil::showAmount(QLabel* label, runtime::Currency value, std::string_view pattern,
                             unsigned colour) {
    label->setText(qs(runtime::formatCurrency(value, pattern)));
    setTextColour(label, colour);
}

// --- Opening and closing -------------------------------------------------------------------------

void frnReconcil::startReconciliation() {
    const ChequeBook* book = book_();
    if (!book)
        return;
    statementTicks_.reset();
    stopFlashing(); // opened again while flashing: that difference belonged to the last statement
    txtStatementBalance->setText(qs(runtime::formatCurrency(runtime::Currency(), kEmptyStatementPattern)));
    // With a zero statement the sums stay within the range the book's amounts already keep to.
    if (const std::optional<Reconciliation> r = reconcile(*book, runtime::Currency()))
        lblBalance->setText(qs(runtime::formatCurrency(r->currentBalance, kReconcileAmountPattern)));
    show();
    raise();
    activateWindow();
    txtStatementBalance->setFocus(Qt::OtherFocusReason);
}

void frnReconcil::cmdExit_Click() {
    lblBalance->clear();
    hide();
}

void frnReconcil::forgetBook() {
    hide();
    statementTicks_.reset();
    netTicks_ = 0;
    for (QLabel* l : {lblBalance, lblDeposits, lblCheques, lblChkBookBalance, lblNet})
        l->clear();
}

void frnReconcil::hideEvent(QHideEvent* event) {
    // Nobody sees a hidden window's caption, and a window opened again starts without a difference.
    stopFlashing();
    QDialog::hideEvent(event);
}

void frnReconcil::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            // Coming back from one of our own message boxes is not the user returning to the window.
            if (!backFromModal_)
                Form_Activate();
            backFromModal_ = false;
        } else {
            backFromModal_ = QApplication::activeModalWidget() != nullptr;
        }
    }
    QDialog::changeEvent(event);
}

void frnReconcil::Form_Activate() {
    if (txtStatementBalance->hasFocus())
        txtStatementBalance_GotFocus();
    else
        txtStatementBalance->setFocus(Qt::OtherFocusReason);
}

// --- The statement box ---------------------------------------------------------------------------

bool frnReconcil::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtStatementBalance) {
        if (event->type() == QEvent::KeyPress && !keyAllowed(static_cast<QKeyEvent&>(*event)))
            return true;
        // Focus given back with the window (after a message box) is not entering the box.
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
            txtStatementBalance_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

// Digits, "." and editing keys; also a minus sign at the start, so that an overdrawn statement
// can be entered. Shortcuts (copy, paste, undo) pass, and a pasted "($1,234.50)" is read as
// negative.
bool frnReconcil::keyAllowed(const QKeyEvent& key) const {
    const QString text = key.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (c.isDigit() && c.unicode() < 128)
        return true;
    if (c == QLatin1Char('.'))
        return true;
    if (c == QLatin1Char('-')) {
        const int at = txtStatementBalance->hasSelectedText() ? txtStatementBalance->selectionStart()
                                                              : txtStatementBalance->cursorPosition();
        const QString rest =
            txtStatementBalance->text().remove(at, txtStatementBalance->selectedText().size());
        return at == 0 && !rest.startsWith(QLatin1Char('-'));
    }
    return false;
}

void frnReconcil::txtStatementBalance_GotFocus() {
    // Posted, so a mouse click that gave the focus does not undo the selection straight away.
    QTimer::singleShot(0, txtStatementBalance, &QLineEdit::selectAll);
    if (flashing_) {
        FlashWindow(false);
        stopFlashing();
    }
}

// --- Calculate, recalculation, hints -------------------------------------------------------------

void frnReconcil::pctTab_Click() {
    const std::optional<runtime::Currency> statement =
        statementValue(txtStatementBalance->text().toStdString());
    if (!statement) {
        prompter_.msgBox(qs(kStatementTooLargeMessage), ui::vbOKOnly + ui::vbExclamation,
                         qs(kReconcileTitle));
        txtStatementBalance->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (statement->ticks() == 0 && prompter_.msgBox(qs(kZeroStatementQuestion), ui::vbYesNo + ui::vbCritical,
                                                    qs(kReconcileTitle)) != ui::vbYes) {
        txtStatementBalance->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!Recalculate(*statement))
        txtStatementBalance->setFocus(Qt::OtherFocusReason);
}

runtime::Currency frnReconcil::netDifference() const {
    return runtime::Currency::fromTicks(netTicks_);
}

bool frnReconcil::Recalculate(runtime::Currency statement) {
    return recalculate(statement, true);
}

void frnReconcil::followRegister() {
    if (statementTicks_ && isVisible())
        recalculate(runtime::Currency::fromTicks(*statementTicks_), false);
}

// byCalculate: run by Calculate, so the statement box is rewritten and a difference announced.
// Following the register only refreshes the figures: a box at every cleared item would stand
// between the user and the register, and the box may hold a new balance not yet calculated.
bool frnReconcil::recalculate(runtime::Currency statement, bool byCalculate) {
    const ChequeBook* book = book_();
    if (!book)
        return false;
    const std::optional<Reconciliation> r = reconcile(*book, statement);
    if (!r) {
        if (byCalculate)
            prompter_.msgBox(qs(kStatementTooLargeMessage), ui::vbOKOnly + ui::vbExclamation,
                             qs(kReconcileTitle));
        return false;
    }
    statementTicks_ = statement.ticks();
    netTicks_ = r->net.ticks();
    showAmount(lblBalance, r->currentBalance, kReconcileAmountPattern, signColour(r->currentBalance));
    if (byCalculate) {
        setTextColour(txtStatementBalance, signColour(statement));
        txtStatementBalance->setText(qs(runtime::formatCurrency(statement, kStatementPattern)));
    }
    showAmount(lblDeposits, r->deposits, kReconcileAmountPattern, kReconcileBlue);
    showAmount(lblCheques, r->withdrawals, kReconcileAmountPattern, kReconcileRed);
    showAmount(lblChkBookBalance, r->calculated, kCalculatedPattern, signColour(r->calculated));
    showAmount(lblNet, r->net, kNetPattern, netColour(*r));
    if (!r->differenceFound()) {
        // Reconciled: nothing left to draw the eye to.
        stopFlashing();
        return true;
    }
    if (!flashing_) {
        Timer3->setEnabled(true);
        flashing_ = true;
    }
    if (guidance_()) {
        Command3D1->show();
        if (byCalculate) {
            prompter_.beep();
            prompter_.msgBox(qs(kNetNotZeroMessage), ui::vbOKOnly + ui::vbInformation, qs(kReconcileTitle));
        }
    }
    return true;
}

void frnReconcil::Command3D1_Click() {
    const std::string hint = reconcileHint(netDifference());
    if (!hint.empty())
        prompter_.msgBox(qs(hint), ui::vbOKOnly + ui::vbInformation, qs(kReconcileTitle));
}

// --- Caption flashing ----------------------------------------------------------------------------

void frnReconcil::Timer3_Timer() {
    Timer1->setEnabled(true);
    Timer3->setEnabled(false);
}

void frnReconcil::Timer1_Timer() {
    FlashWindow(true);
    Timer2->setEnabled(true);
    Timer1->setEnabled(false);
}

void frnReconcil::Timer2_Timer() {
    FlashWindow(false);
    Timer1->setEnabled(true);
    Timer2->setEnabled(false);
}

void frnReconcil::stopFlashing() {
    flashing_ = false;
    for (WindowTimer* t : {Timer1.get(), Timer2.get(), Timer3.get()})
        t->setEnabled(false);
    if (captionHighlighted_)
        FlashWindow(false);
}

void frnReconcil::FlashWindow(bool invert) {
    captionHighlighted_ = invert;
    // The nearest a window manager offers to a highlighted caption: the window asks for attention.
    if (invert && isVisible())
        QApplication::alert(this, kFlashInterval / 2);
}

} // namespace ledger
