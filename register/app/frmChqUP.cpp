#include "register/app/frmChqUP.h"
#include "register/app/RegisterHelp.h"
#include "register/app/CalculatorLink.h"
#include "register/app/QtText.h"

#include "register/core/AutoDuplicate.h"
#include "runtime/Format.h"
#include "ui/Clipboard.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "ui/SSFrame.h"
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
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

namespace ledger {

namespace {

const QString kAppCaption = QStringLiteral("Ledgerine 95");

// Applies a field's filter to every edit, typed or pasted: the filter either rewrites the text
// (dropping what the field does not take) or refuses the edit.
class FilterValidator : public QValidator {
public:
    using Filter = std::optional<std::string> (*)(std::string_view);
    FilterValidator(Filter filter, QObject* parent) : QValidator(parent), filter_(filter) {}
    State validate(QString& input, int& pos) const override {
        const std::optional<std::string> kept = filter_(utf8(input));
        if (!kept)
            return Invalid;
        const QString text = qs(*kept);
        if (text != input) {
            // Characters dropped before the cursor move it left.
            const std::optional<std::string> head = filter_(utf8(input.left(pos)));
            pos = std::min(static_cast<int>(text.size()), head ? static_cast<int>(qs(*head).size()) : pos);
            input = text;
        }
        return Acceptable;
    }

private:
    Filter filter_;
};

QLineEdit* textBox(QWidget* parent, const char* name, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    return box;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

ui::SSCommand* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new ui::SSCommand(QString::fromLatin1(name), text, parent);
    b->setMinimumSize(96, 28);
    b->setAutoDefault(false); // Enter moves between the boxes; it never presses a button by itself
    return b;
}

ui::SSPanel* valuePanel(QWidget* parent, const char* name) {
    auto* p = new ui::SSPanel(QString::fromLatin1(name), QString(), parent);
    p->setBevelOuter(ui::SSPanel::Bevel::Inset);
    p->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    p->setMinimumSize(96, 22);
    return p;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& text, int helpContext = 0,
                  const QKeySequence& shortcut = QKeySequence()) {
    auto* action = new QAction(text, menu);
    action->setObjectName(QString::fromLatin1(name));
    if (helpContext != 0)
        action->setProperty("helpContext", helpContext);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

} // namespace

frmChqUP::frmChqUP(EntryMode mode, ui::Prompter& prompter, ui::Clipboard& clipboard, QWidget* parent)
    : QDialog(parent), mode_(mode), prompter_(prompter), clipboard_(clipboard) {
    setObjectName(QStringLiteral("frmChqUP"));
    setWindowTitle(qs(entryCaption(mode)));
    createControls();
    createMenus();
    clearFields();
    attachEntryFormLinks(*this); // calendar and calculator, through the main window
}

frmChqUP::~frmChqUP() = default;

void frmChqUP::createControls() {
    txtDate = textBox(this, "txtDate", isAutoDupMode(mode_) ? 2 : 10);
    // The filters limit the digits; a length limit would cut pasted text before they see it.
    txtChqNo = textBox(this, "txtChqNo", 64);
    txtChqNo->setValidator(new FilterValidator(&filterChequeNumber, txtChqNo));
    cmdZeroChqno = button(this, "cmdZeroChqno", QStringLiteral("Zero Cheque No."));
    txtParticulars = textBox(this, "txtParticulars", static_cast<int>(kParticularsWidth));
    txtParticulars->setValidator(new FilterValidator(&filterEntryText, txtParticulars));
    QFont courier(QStringLiteral("Courier"));
    courier.setPointSizeF(9.75);
    courier.setStyleHint(QFont::TypeWriter);
    txtParticulars->setFont(courier);
    txtParticulars->setMinimumWidth(QFontMetrics(txtParticulars->font()).horizontalAdvance(QString(27, 'M')));
    txtTransCode = textBox(this, "txtTransCode", static_cast<int>(kCodeWidth));
    txtTransCode->setValidator(new FilterValidator(&filterEntryText, txtTransCode));
    cmdSeleCodes = button(this, "cmdSeleCodes", QStringLiteral("Se&lect Code"));
    Frame1 = new ui::SSFrame(QStringLiteral("Frame1"), QString(), this);
    Option1[0] = new QRadioButton(QStringLiteral("&Deposit"), Frame1);
    Option1[0]->setObjectName(QStringLiteral("Option1(0)"));
    Option1[1] = new QRadioButton(QStringLiteral("&Withdraw"), Frame1);
    Option1[1]->setObjectName(QStringLiteral("Option1(1)"));
    auto* options = new QHBoxLayout(Frame1);
    options->addWidget(Option1[0]);
    options->addWidget(Option1[1]);
    txtAmount = textBox(this, "txtAmount", 64);
    txtAmount->setValidator(new FilterValidator(&filterAmount, txtAmount));
    txtAmount->setAlignment(Qt::AlignRight);
    lblBalance = caption(this, "lblBalance", QString());
    lblBalance->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblBalance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblBalance->setMinimumWidth(120);
    lblCodeMsg = new ui::SSPanel(QStringLiteral("lblCodeMsg"), QString(), this);
    lblCodeMsg->setBevelOuter(ui::SSPanel::Bevel::Inset);
    lblCodeMsg->setMinimumHeight(26);
    lblCodeMsg->setForeColor(QColor(0, 0, 128));

    Panel3D2 = new ui::SSPanel(QStringLiteral("Panel3D2"), QString(), this);
    Label7 = caption(Panel3D2, "Label7", QStringLiteral("Budget Status for Selected Code"));
    lblStatusCode = caption(Panel3D2, "lblStatusCode", QString());
    Label8 = caption(Panel3D2, "Label8", QStringLiteral("Budgeted"));
    Label9 = caption(Panel3D2, "Label9", QStringLiteral("Period to Date"));
    Panel3D3 = valuePanel(Panel3D2, "Panel3D3");
    Panel3D4 = valuePanel(Panel3D2, "Panel3D4");
    auto* status = new QGridLayout(Panel3D2);
    status->addWidget(Label7, 0, 0);
    status->addWidget(lblStatusCode, 0, 1);
    status->addWidget(Label8, 1, 0);
    status->addWidget(Panel3D3, 1, 1);
    status->addWidget(Label9, 2, 0);
    status->addWidget(Panel3D4, 2, 1);
    Panel3D2->hide();

    cmdUpdateSave = button(this, "cmdUpdateSave", QStringLiteral("&Save"));
    cmdUpdateCancel = button(this, "cmdUpdateCancel", QStringLiteral("&Cancel"));
    cmdExit = button(this, "cmdExit", QStringLiteral("&Exit "));
    // Alt+E opens the "&Edit" menu; the button keeps a key of its own.
    cmdExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    cmdExit->setToolTip(QStringLiteral("Alt+X"));
    cmdBudget = button(this, "cmdBudget", QStringLiteral("&Budget"));
    cmdCalendar = button(this, "cmdCalendar", QStringLiteral("Calendar"));
    cmdAbacon = button(this, "cmdAbacon", QStringLiteral("Abacon"));

    auto* fields = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* name, const QString& text, QWidget* field, QWidget* extra = nullptr) {
        QLabel* l = caption(this, name, text);
        l->setBuddy(field);
        fields->addWidget(l, row, 0);
        if (extra) {
            auto* pair = new QHBoxLayout;
            pair->addWidget(field);
            pair->addWidget(extra);
            pair->addStretch(1);
            fields->addLayout(pair, row, 1);
        } else {
            fields->addWidget(field, row, 1, Qt::AlignLeft);
        }
        ++row;
    };
    addRow("lblDate", isAutoDupMode(mode_) ? QStringLiteral("Day of Month") : QStringLiteral("Date"),
           txtDate);
    addRow("lblChqNo", QStringLiteral("Cheque No."), txtChqNo, cmdZeroChqno);
    addRow("lblParticulars", QStringLiteral("Particulars"), txtParticulars);
    addRow("lblCode", QStringLiteral("Code"), txtTransCode, cmdSeleCodes);
    fields->addWidget(Frame1, row++, 1, Qt::AlignLeft);
    addRow("lblAmount", QStringLiteral("Amount"), txtAmount);
    addRow("lblBalanceCaption", QStringLiteral("Balance"), lblBalance);
    fields->setColumnStretch(1, 1);
    // Boxes as wide as what they hold; the particulars set the width of the column.
    const QFontMetrics metrics(txtDate->font());
    const auto fitBox = [&metrics](QLineEdit* box, const char* widest) {
        box->setFixedWidth(metrics.horizontalAdvance(QLatin1String(widest)) + 16);
    };
    fitBox(txtDate, isAutoDupMode(mode_) ? "000" : "00/00/0000");
    fitBox(txtChqNo, "000000");
    fitBox(txtTransCode, "WWWWW");
    fitBox(txtAmount, "0000000000.00");

    auto* buttons = new QVBoxLayout;
    for (QWidget* b : {cmdUpdateSave, cmdUpdateCancel, cmdExit})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QWidget* b : {cmdBudget, cmdCalendar, cmdAbacon})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addLayout(fields, 1);
    body->addSpacing(12);
    body->addLayout(buttons);
    auto* main = new QVBoxLayout(this);
    main->addLayout(body);
    main->addWidget(Panel3D2);
    main->addWidget(lblCodeMsg);

    // The fields in the order a cheque is read, then the buttons. Backspace does what the Zero
    // button does, so the button stays out of the way of Tab.
    cmdZeroChqno->setFocusPolicy(Qt::NoFocus);
    const QList<QWidget*> chain = {txtDate,    txtChqNo,   txtParticulars, txtTransCode,  cmdSeleCodes,
                                   Option1[0], Option1[1], txtAmount,      cmdUpdateSave, cmdUpdateCancel,
                                   cmdExit,    cmdBudget,  cmdCalendar,    cmdAbacon};
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
    for (QWidget* w : chain)
        w->installEventFilter(this);

    connect(cmdZeroChqno, &ui::SSCommand::clicked, this, &frmChqUP::cmdZeroChqno_Click);
    connect(cmdSeleCodes, &ui::SSCommand::clicked, this, &frmChqUP::txtTransCode_Escape);
    connect(cmdUpdateSave, &ui::SSCommand::clicked, this, &frmChqUP::cmdUpdateSave_Click);
    connect(cmdUpdateCancel, &ui::SSCommand::clicked, this, &frmChqUP::cmdUpdateCancel_Click);
    connect(cmdExit, &ui::SSCommand::clicked, this, &frmChqUP::cmdExit_Click);
    connect(cmdBudget, &ui::SSCommand::clicked, this, &frmChqUP::mnuBudgetStatus_Click);
    connect(cmdCalendar, &ui::SSCommand::clicked, this, &frmChqUP::calendarRequested);
    connect(cmdAbacon, &ui::SSCommand::clicked, this, &frmChqUP::calculatorRequested);
    connect(txtDate, &QLineEdit::textEdited, this, [this] { checkedDate_.reset(); });
    connect(txtAmount, &QLineEdit::textEdited, this, [this] { showGuidance(kAmountTypingGuidance); });
    connect(txtTransCode, &QLineEdit::textChanged, this, [this] { refreshBudgetStatus(); });
}

void frmChqUP::createMenus() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(menuBar);
    mnuEdit = menuBar->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuUndo = menuItem(mnuEdit, "mnuUndo", QStringLiteral("&Undo"));
    mnuEdit->addSeparator();
    mnuCopy = menuItem(mnuEdit, "mnuCopy", QStringLiteral("&Copy"));
    mnuCut = menuItem(mnuEdit, "mnuCut", QStringLiteral("Cu&t"));
    mnuPaste = menuItem(mnuEdit, "mnuPaste", QStringLiteral("&Paste"));
    mnuOptions = menuBar->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuBudgetStatus = menuItem(mnuOptions, "mnuBudgetStatus", QStringLiteral("&Budget Status"), 225);
    nmuCalendar = menuItem(mnuOptions, "nmuCalendar", QStringLiteral("&Run Calendar"), 207);
    mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuChqHelp =
        menuItem(mnuHelp, "mnuChqHelp", QStringLiteral("&Update Help"), 211, QKeySequence(Qt::Key_F1));

    connect(mnuUndo, &QAction::triggered, this, &frmChqUP::mnuUndo_Click);
    connect(mnuCopy, &QAction::triggered, this, &frmChqUP::mnuCopy_Click);
    connect(mnuCut, &QAction::triggered, this, &frmChqUP::mnuCut_Click);
    connect(mnuPaste, &QAction::triggered, this, &frmChqUP::mnuPaste_Click);
    connect(mnuBudgetStatus, &QAction::triggered, this, &frmChqUP::mnuBudgetStatus_Click);
    connect(nmuCalendar, &QAction::triggered, this, &frmChqUP::calendarRequested);
    connect(mnuChqHelp, &QAction::triggered, this, [this] { showHelpContext(this, 211); });
}

void frmChqUP::clearFields() {
    txtDate->clear();
    checkedDate_.reset();
    txtChqNo->setText(qs(chequeNumberText(0)));
    txtParticulars->clear();
    txtTransCode->clear();
    // Neither option chosen: a new item must say whether it is a deposit.
    for (QRadioButton* option : Option1)
        option->setAutoExclusive(false);
    Option1[0]->setChecked(false);
    Option1[1]->setChecked(false);
    for (QRadioButton* option : Option1)
        option->setAutoExclusive(true);
    txtAmount->clear();
    txtDate->setFocus();
}

void frmChqUP::setItem(const Item& item) {
    original_ = item;
    if (isAutoDupMode(mode_)) {
        // An auto-duplicate item holds its day as the date; a register item gives its day.
        const int day = item.status == status::kAutoWaiting || item.status == status::kAutoDue ||
                                item.status == status::kAutoProcessed
                            ? autoDupDay(item)
                            : runtime::civilFromOle(item.date).day;
        txtDate->setText(QString::number(day));
    } else {
        txtDate->setText(qs(entryDateText(item.date)));
        checkedDate_ = item.date;
        checkedDateText_ = txtDate->text();
    }
    txtChqNo->setText(qs(chequeNumberText(item.chequeNumber)));
    txtParticulars->setText(qs(trimRight(item.particulars)));
    txtTransCode->setText(qs(trimRight(item.code)));
    Option1[item.isDeposit() ? 0 : 1]->setChecked(true);
    txtAmount->setText(qs(entryAmountText(item.amount)));
}

void frmChqUP::showBalance(runtime::Currency balance) {
    lblBalance->setText(qs(runtime::formatCurrency(balance, "$#,##0.00;($#,##0.00)")));
}

void frmChqUP::putChosenDate(const QString& date, int day) {
    txtDate->setText(isAutoDupMode(mode_) ? QString::number(day) : date);
    activateWindow();
    txtDate->setFocus();
}

void frmChqUP::showCalendarOpen(bool open) {
    nmuCalendar->setText(open ? QStringLiteral("&Close Calendar") : QStringLiteral("&Run Calendar"));
}

void frmChqUP::showGuidance(std::string_view text) {
    lblCodeMsg->setCaption(guidance_ ? qs(text) : QString());
}

// --- Fields ---------------------------------------------------------------------------------------

// Focus and keys of the fields and buttons, handed to one handler per area; the first area that
// takes a key ends it.
bool frmChqUP::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        if (focusEntersOptions(watched, static_cast<QFocusEvent*>(event)->reason()))
            return false;
        fieldGotFocus(qobject_cast<QWidget*>(watched));
        break;
    case QEvent::FocusOut:
        fieldLostFocus(watched, static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (codeBoxKey(watched, key) || optionsKey(watched, key) || chequeNumberKey(watched, key) ||
            buttonKey(watched, key) || boxEnterKey(watched, key))
            return true;
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmChqUP::isOption(const QObject* o) const {
    return o == Option1[0] || o == Option1[1];
}

// Tab enters the options at the chosen one and leaves them as a whole, as on Windows; the arrow
// keys move between them. True when the focus was passed on to the chosen option.
bool frmChqUP::focusEntersOptions(QObject* watched, Qt::FocusReason reason) {
    if (!isOption(watched) || (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason))
        return false;
    QRadioButton* other = watched == Option1[0] ? Option1[1] : Option1[0];
    if (!other->isChecked())
        return false;
    other->setFocus(reason);
    return true;
}

void frmChqUP::fieldLostFocus(QObject* watched, Qt::FocusReason reason) {
    // A message box or menu taking the focus is not the user leaving the box.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (watched == txtDate)
        checkDateOnceFocusSettles();
    else if (watched == txtChqNo)
        txtChqNo_LostFocus();
    else if (watched == txtAmount)
        txtAmount_LostFocus();
}

// Checked once the focus has settled, so that Cancel and Exit can still be reached.
void frmChqUP::checkDateOnceFocusSettles() {
    QTimer::singleShot(0, this, [this] {
        QWidget* now = QApplication::focusWidget();
        // Save checks the date itself (one message, not two); the calendar is where a date is
        // fetched from.
        if (isVisible() && now != txtDate && now != cmdUpdateSave && now != cmdUpdateCancel &&
            now != cmdExit && now != cmdCalendar)
            txtDate_LostFocus();
    });
}

bool frmChqUP::codeBoxKey(QObject* watched, int key) {
    if (watched != txtTransCode || key != Qt::Key_Escape)
        return false;
    txtTransCode_Escape();
    return true;
}

// Tab and Backtab leave the options as a whole; Enter moves on to the amount.
bool frmChqUP::optionsKey(QObject* watched, int key) {
    if (!isOption(watched))
        return false;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        (key == Qt::Key_Tab ? static_cast<QWidget*>(txtAmount) : cmdSeleCodes)
            ->setFocus(key == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        txtAmount->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

bool frmChqUP::chequeNumberKey(QObject* watched, int key) {
    if (watched != txtChqNo || key != Qt::Key_Backspace)
        return false;
    cmdZeroChqno_Click();
    return true;
}

// Enter presses a focused button.
bool frmChqUP::buttonKey(QObject* watched, int key) {
    auto* pressed = qobject_cast<ui::SSCommand*>(watched);
    if (!pressed || (key != Qt::Key_Return && key != Qt::Key_Enter))
        return false;
    pressed->click();
    return true;
}

// Enter in a box moves on like Tab, as keyboard users of the register expect.
bool frmChqUP::boxEnterKey(QObject* watched, int key) {
    if (!qobject_cast<QLineEdit*>(watched) || (key != Qt::Key_Return && key != Qt::Key_Enter))
        return false;
    focusNextChild();
    return true;
}

void frmChqUP::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdUpdateCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmChqUP::fieldGotFocus(QWidget* field) {
    if (field == txtDate) {
        showGuidance(fieldGuidance(EntryField::Date, mode_, false, codeFileLoaded_));
    } else if (field == txtChqNo) {
        const bool present = chequeNumberValue(utf8(txtChqNo->text())) != 0;
        showGuidance(fieldGuidance(EntryField::ChequeNumber, mode_, present, codeFileLoaded_));
        QTimer::singleShot(0, txtChqNo, &QLineEdit::selectAll); // typing replaces "00000"
    } else if (field == txtParticulars) {
        showGuidance(fieldGuidance(EntryField::Particulars, mode_, false, codeFileLoaded_));
    } else if (field == txtTransCode) {
        showGuidance(fieldGuidance(EntryField::Code, mode_, false, codeFileLoaded_));
    } else if (field == Option1[0] || field == Option1[1]) {
        showGuidance(fieldGuidance(EntryField::DepositOptions, mode_, false, codeFileLoaded_));
    } else if (field == txtAmount) {
        showGuidance(fieldGuidance(EntryField::Amount, mode_, false, codeFileLoaded_));
    } else if (field == cmdSeleCodes) {
        showGuidance(fieldGuidance(EntryField::SelectCode, mode_, false, codeFileLoaded_));
    } else if (field == cmdUpdateSave) {
        showGuidance(fieldGuidance(EntryField::Save, mode_, false, codeFileLoaded_));
    }
}

bool frmChqUP::txtDate_LostFocus() {
    if (checking_)
        return false;
    const std::string text = utf8(txtDate->text());
    if (isAutoDupMode(mode_)) {
        if (const std::optional<int> day = parseDayOfMonth(text)) {
            txtDate->setText(QString::number(*day));
            return true;
        }
        checking_ = true;
        prompter_.msgBox(qs(kDayOfMonthMessage), ui::vbOKOnly + ui::vbExclamation, qs(kInputErrorTitle));
        checking_ = false;
        txtDate->setFocus();
        return false;
    }
    if (checkedDate_ && txtDate->text() == checkedDateText_)
        return true;
    if (const std::optional<runtime::OleDate> date = parseEntryDate(text)) {
        checkedDate_ = *date;
        txtDate->setText(qs(entryDateText(*date)));
        checkedDateText_ = txtDate->text();
        return true;
    }
    checking_ = true;
    prompter_.msgBox(qs(kIncorrectDateMessage), ui::vbOKOnly + ui::vbExclamation, qs(kInputErrorTitle));
    checking_ = false;
    txtDate->setFocus();
    return false;
}

void frmChqUP::txtChqNo_LostFocus() {
    txtChqNo->setText(qs(chequeNumberText(chequeNumberValue(utf8(txtChqNo->text())))));
}

void frmChqUP::txtAmount_LostFocus() {
    const std::optional<runtime::Currency> amount = parseEntryAmount(utf8(txtAmount->text()));
    if (!amount)
        return;
    txtAmount->setText(qs(entryAmountText(*amount)));
    showGuidance(amountCompletedGuidance(mode_));
}

void frmChqUP::cmdZeroChqno_Click() {
    txtChqNo->setText(qs(chequeNumberText(0)));
    txtChqNo->setFocus();
    txtChqNo->selectAll();
}

void frmChqUP::txtTransCode_Escape() {
    if (!codeFileLoaded_ || !selectCode) {
        lblCodeMsg->setCaption(qs(kCodeSelectionNotAvailable));
        return;
    }
    if (const std::optional<QString> code = selectCode())
        txtTransCode->setText(code->left(static_cast<int>(kCodeWidth)));
    txtTransCode->setFocus();
}

void frmChqUP::mnuBudgetStatus_Click() {
    if (!codeFileLoaded_) {
        if (guidance_)
            prompter_.msgBox(qs(kNoBudgetInformation), ui::vbOKOnly + ui::vbCritical, kAppCaption);
        return;
    }
    // The form's heights with and without the panel (5790 and 4305 twips at 96 dpi).
    const bool show = Panel3D2->isHidden();
    Panel3D2->setVisible(show);
    if (!show) {
        lblStatusCode->clear();
        Panel3D3->setCaption(QString());
        Panel3D4->setCaption(QString());
    }
    refreshBudgetStatus();
    layout()->activate();
    resize(width(), std::max(minimumSizeHint().height(), (show ? 5790 : 4305) / 15));
}

void frmChqUP::refreshBudgetStatus() {
    if (Panel3D2->isHidden())
        return;
    const BudgetStatus status = budgetStatus ? budgetStatus(txtTransCode->text()) : BudgetStatus{};
    lblStatusCode->setText(status.listed ? qs(trimRight(status.code)) : qs(kUnknownCodePlaceholder));
    const auto showFigure = [](ui::SSPanel* panel, runtime::Currency amount) {
        panel->setCaption(qs(budgetStatusText(amount)));
        const unsigned color = budgetStatusColor(amount);
        panel->setForeColor(QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                                   static_cast<int>((color >> 16) & 0xFF)));
    };
    showFigure(Panel3D3, status.budgeted);
    showFigure(Panel3D4, status.periodToDate);
}

// --- Field clipboard --------------------------------------------------------------------------------

QLineEdit* frmChqUP::focusedField() const {
    return qobject_cast<QLineEdit*>(focusWidget());
}

void frmChqUP::mnuUndo_Click() {
    if (QLineEdit* field = focusedField())
        field->undo();
}

void frmChqUP::mnuCopy_Click() {
    QLineEdit* field = focusedField();
    if (field && field->hasSelectedText())
        clipboard_.setText(field->selectedText());
}

void frmChqUP::mnuCut_Click() {
    QLineEdit* field = focusedField();
    if (field && field->hasSelectedText()) {
        clipboard_.setText(field->selectedText());
        field->del();
    }
}

void frmChqUP::mnuPaste_Click() {
    QLineEdit* field = focusedField(); // before a message box moves the focus
    const QString needsField = QStringLiteral("You must select a field before you can paste any data! Try Again!");
    // The question is guidance: with messages hidden the paste goes straight to the field.
    if (guidance_ &&
        prompter_.msgBox(
            QStringLiteral("If copying an amount from Abacon select the amount field!\nIs a field selected?"),
            ui::vbYesNo + ui::vbQuestion, kAppCaption) != ui::vbYes) {
        prompter_.msgBox(needsField, ui::vbOKOnly + ui::vbCritical, kAppCaption);
        return;
    }
    if (!field) { // the focus is on a button or option, which takes no text
        prompter_.msgBox(needsField, ui::vbOKOnly + ui::vbCritical, kAppCaption);
        return;
    }
    field->setFocus();
    field->insert(clipboard_.text()); // through the field's own filter
}

// --- Save, Cancel, Exit -------------------------------------------------------------------------------

std::optional<Item> frmChqUP::collectItem() {
    if (!txtDate_LostFocus())
        return std::nullopt;
    if (!Option1[0]->isChecked() && !Option1[1]->isChecked()) {
        prompter_.msgBox(qs(fieldGuidance(EntryField::DepositOptions, mode_, false, false)),
                         ui::vbOKOnly + ui::vbExclamation, qs(kInputErrorTitle));
        Option1[0]->setFocus();
        return std::nullopt;
    }
    const std::optional<runtime::Currency> amount = parseEntryAmount(utf8(txtAmount->text()));
    if (!amount) {
        txtAmount->setFocus();
        return std::nullopt;
    }
    txtAmount->setText(qs(entryAmountText(*amount)));
    txtChqNo_LostFocus();

    const bool deposit = Option1[0]->isChecked();
    const runtime::OleDate date =
        isAutoDupMode(mode_) ? static_cast<double>(*parseDayOfMonth(utf8(txtDate->text()))) : *checkedDate_;
    char st = status::kNotCleared;
    if (isAutoDupMode(mode_))
        // An item already processed this month stays so: editing it must not enter it twice.
        st = mode_ == EntryMode::EditAutoDup && original_ && original_->status == status::kAutoProcessed
                 ? status::kAutoProcessed
                 : status::kAutoWaiting;
    else if (mode_ == EntryMode::Change && original_)
        st = statusAfterChange(original_->status, deposit);
    Item item =
        makeItem(date, static_cast<std::int16_t>(chequeNumberValue(utf8(txtChqNo->text()))),
                 utf8(txtParticulars->text()), deposit ? *amount : -*amount, utf8(txtTransCode->text()), st);
    item.depositFlag = deposit ? kDeposit : kWithdrawal;
    return item;
}

int frmChqUP::askZeroAmount() {
    frmZeroAmt zero(this);
    return prompter_.runModal(zero);
}

void frmChqUP::cmdUpdateSave_Click() {
    const std::optional<Item> item = collectItem();
    if (!item)
        return;
    if (mode_ == EntryMode::Change && original_ && *item == *original_) {
        if (prompter_.msgBox(qs(kNoChangesMessage), ui::vbOKCancel + ui::vbQuestion, qs(kNoChangesTitle)) ==
            ui::vbCancel)
            reject();
        return;
    }
    bool closeAfter = mode_ != EntryMode::NewEntry;
    if (item->amount == runtime::Currency()) {
        if (mode_ == EntryMode::NewEntry) {
            switch (askZeroAmount()) {
            case frmZeroAmt::CreateZeroItem:
                closeAfter = true;
                break;
            case frmZeroAmt::SaveAllExceptZero:
                accept();
                return;
            default:
                txtAmount->setFocus();
                return;
            }
        } else if (prompter_.msgBox(qs(kZeroAmountQuestion), ui::vbYesNo + ui::vbQuestion,
                                    qs(kZeroAmountTitle)) == ui::vbYes) {
            txtAmount->setFocus();
            return;
        }
    }
    if (store && !store(*item)) {
        txtAmount->setFocus();
        txtAmount->selectAll();
        return;
    }
    ++stored_;
    if (balance)
        showBalance(balance());
    if (closeAfter) {
        accept();
        return;
    }
    clearFields();
}

void frmChqUP::cmdUpdateCancel_Click() {
    if (mode_ != EntryMode::NewEntry) {
        reject();
        return;
    }
    if (prompter_.msgBox(qs(kContinueNewEntries), ui::vbYesNo + ui::vbQuestion, qs(entryCaption(mode_))) ==
        ui::vbYes) {
        clearFields();
        return;
    }
    reject();
}

void frmChqUP::cmdExit_Click() {
    stored_ > 0 ? accept() : reject();
}

// --- Zero amount ---------------------------------------------------------------------------------------

frmZeroAmt::frmZeroAmt(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmZeroAmt"));
    setWindowTitle(QStringLiteral("Zero Amount"));
    Label1 = caption(this, "Label1", QStringLiteral("Zero Amount Entered on New Item!"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignCenter);
    SSCommand1 = button(this, "SSCommand1", QStringLiteral("&Return to Amount Entry Box"));
    SSCommand2 = button(this, "SSCommand2", QStringLiteral("Exit and Create &Zero Amount Item"));
    SSCommand3 = button(this, "SSCommand3", QStringLiteral("Exit - &Save ALL except Zero Amount"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    for (ui::SSCommand* b : {SSCommand1, SSCommand2, SSCommand3}) {
        b->setMinimumWidth(260);
        layout->addWidget(b);
    }
    connect(SSCommand1, &ui::SSCommand::clicked, this, [this] { done(ReturnToAmount); });
    connect(SSCommand2, &ui::SSCommand::clicked, this, [this] { done(CreateZeroItem); });
    connect(SSCommand3, &ui::SSCommand::clicked, this, [this] { done(SaveAllExceptZero); });
}

} // namespace ledger
