#include "register/app/frmEditCodes.h"
#include "register/app/RegisterHelp.h"
#include "register/app/QtText.h"

#include "register/app/CodeFileSession.h"
#include "register/app/frmSelectCodes.h"
#include "register/core/CodeEdit.h"
#include "register/core/Item.h"
#include "runtime/Format.h"
#include "runtime/Val.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "ui/SSFrame.h"

#include <QAction>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace ledger {

namespace {

// A platform colour value (0x00BBGGRR) as a Qt colour.
QColor oleColor(unsigned value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// The budget as the record keeps it: the amount with two decimals, right-aligned in nine. A text
// whose two-decimal form would not fit (a sign in front of six whole digits) is kept as typed,
// since cutting it would store another amount.
std::string budgetRecordText(const QString& typed) {
    const std::string text = utf8(typed.trimmed());
    const double value = runtime::val(text);
    const runtime::Currency amount = runtime::Currency::fromDouble(std::fabs(value));
    std::string shown = runtime::formatCurrency(amount, "0.00");
    if (budgetNegative(text))
        shown.insert(0, 1, '-');
    if (shown.size() > kCodeBudgetWidth)
        shown = text;
    return rightAlignText(shown, kCodeBudgetWidth);
}

ui::SSCommand* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new ui::SSCommand(QString::fromLatin1(name), text, parent);
    b->setMinimumSize(88, 28);
    b->setAutoDefault(false);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

frmEditCodes::frmEditCodes(CodeFileSession& codes, ui::Prompter& prompter, QWidget* parent)
    : QDialog(parent), codes_(codes), prompter_(prompter) {
    setObjectName(QStringLiteral("frmEditCodes"));
    setWindowTitle(qs(editCodesCaption(utf8(codes_.fileTitle()))));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text3 = new QLineEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setAlignment(Qt::AlignRight);
    // Pasted text obeys the same limit as typed keys; blanks stay for the padded amounts.
    Text3->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9. \\-]*")), Text3));
    const QFontMetrics metrics(codeListFont());
    Text1->setFont(codeListFont());
    Text1->setMinimumWidth(metrics.horizontalAdvance(QString(27, QLatin1Char('M'))));
    Text2->setFont(codeListFont());
    Text2->setFixedWidth(metrics.horizontalAdvance(QString(6, QLatin1Char('M'))));
    Text3->setFixedWidth(metrics.horizontalAdvance(QString(13, QLatin1Char('0'))));
    Label1 = label(this, "Label1", QStringLiteral("Description"), Text1);
    Label2 = label(this, "Label2", QStringLiteral("Code"), Text2);
    Label3 = label(this, "Label3", QStringLiteral("Budget $"), Text3);

    Frame1 = new ui::SSFrame(QStringLiteral("Frame1"), QString(), this);
    Option1[0] = new QRadioButton(QStringLiteral("&Income"), Frame1);
    Option1[0]->setObjectName(QStringLiteral("Option1(0)"));
    Option1[1] = new QRadioButton(QStringLiteral("Ex&pense"), Frame1);
    Option1[1]->setObjectName(QStringLiteral("Option1(1)"));
    auto* options = new QHBoxLayout(Frame1);
    options->addWidget(Option1[0]);
    options->addWidget(Option1[1]);

    lstTransCodes = new QListWidget(this);
    lstTransCodes->setObjectName(QStringLiteral("lstTransCodes"));
    lstTransCodes->setFont(codeListFont());
    lstTransCodes->setMinimumSize(metrics.horizontalAdvance(QString(52, QLatin1Char('M'))),
                                  metrics.height() * 16);

    cmdAdd = button(this, "cmdAdd", QStringLiteral("&Add"));
    cmdEdit = button(this, "cmdEdit", QStringLiteral("&Edit"));
    cmdDelete = button(this, "cmdDelete", QStringLiteral("&Delete"));
    cmdSpacer = button(this, "cmdSpacer", QStringLiteral("&Spacer"));
    cmdOK = button(this, "cmdOK", QStringLiteral("&OK"));
    cmdCancel = button(this, "cmdCancel", QStringLiteral("&Cancel"));
    cmdExit = button(this, "cmdExit", QStringLiteral("E&Xit"));
    // A click on these leaves the typed text unchecked: it is being abandoned.
    cmdCancel->setFocusPolicy(Qt::TabFocus);
    cmdExit->setFocusPolicy(Qt::TabFocus);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(Label2, 0, 1);
    fields->addWidget(Label3, 0, 2);
    fields->addWidget(Text1, 1, 0);
    fields->addWidget(Text2, 1, 1);
    fields->addWidget(Text3, 1, 2);
    fields->addWidget(Frame1, 1, 3);
    auto* buttons = new QVBoxLayout;
    for (QWidget* b : {cmdAdd, cmdEdit, cmdDelete, cmdSpacer})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QWidget* b : {cmdOK, cmdCancel})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdExit);
    auto* body = new QHBoxLayout;
    body->addWidget(lstTransCodes, 1);
    body->addLayout(buttons);
    auto* main = new QVBoxLayout(this);
    main->addLayout(fields);
    main->addLayout(body, 1);

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    main->setMenuBar(menuBar);
    mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuMaint = mnuHelp->addAction(QStringLiteral("Budget/Code File &Maintenance"));
    mnuMaint->setObjectName(QStringLiteral("mnuMaint"));
    mnuMaint->setProperty("helpContext", 225);
    mnuStructure = mnuHelp->addAction(QStringLiteral("Budget/Code File &Structure"));
    mnuStructure->setObjectName(QStringLiteral("mnuStructure"));
    mnuStructure->setProperty("helpContext", 302);
    connect(mnuMaint, &QAction::triggered, this, [this] { showHelpContext(this, 225); });
    connect(mnuStructure, &QAction::triggered, this, [this] { showHelpContext(this, 302); });

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Option1[0]);
    setTabOrder(Option1[0], Option1[1]);
    setTabOrder(Option1[1], cmdOK);
    for (QLineEdit* box : {Text1, Text2, Text3}) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this] {
            typed_ = true;
            refused_ = false;
        });
    }
    connect(Text3, &QLineEdit::textChanged, this, &frmEditCodes::showBudgetColor);
    connect(Option1[0], &QRadioButton::clicked, this, [this] { Option1_Click(0); });
    connect(Option1[1], &QRadioButton::clicked, this, [this] { Option1_Click(1); });
    connect(cmdAdd, &ui::SSCommand::clicked, this, &frmEditCodes::cmdAdd_Click);
    connect(cmdEdit, &ui::SSCommand::clicked, this, &frmEditCodes::cmdEdit_Click);
    connect(cmdDelete, &ui::SSCommand::clicked, this, &frmEditCodes::cmdDelete_Click);
    connect(cmdSpacer, &ui::SSCommand::clicked, this, &frmEditCodes::cmdSpacer_Click);
    connect(cmdOK, &ui::SSCommand::clicked, this, &frmEditCodes::cmdOK_Click);
    connect(cmdCancel, &ui::SSCommand::clicked, this, &frmEditCodes::cmdCancel_Click);
    connect(cmdExit, &ui::SSCommand::clicked, this, &frmEditCodes::cmdExit_Click);

    fillList();
    clearBoxes();
    enableBoxes(false);
}

void frmEditCodes::fillList() {
    lstTransCodes->clear();
    for (const std::string& line : maintenanceLines(codes_.table()))
        lstTransCodes->addItem(qs(line));
}

void frmEditCodes::clearBoxes() {
    Text1->clear();
    Text2->clear();
    Text3->setText(qs(kZeroBudget));
    for (QRadioButton* option : Option1)
        option->setAutoExclusive(false);
    Option1[0]->setChecked(false);
    Option1[1]->setChecked(false);
    for (QRadioButton* option : Option1)
        option->setAutoExclusive(true);
    showBudgetColor();
}

void frmEditCodes::enableBoxes(bool on) {
    for (QWidget* w : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2),
                       static_cast<QWidget*>(Text3), static_cast<QWidget*>(Frame1)})
        w->setEnabled(on);
}

void frmEditCodes::showRecord(const CodeRecord& record) {
    Text1->setText(qs(trimRight(record.description)));
    Text2->setText(qs(record.code));
    Text3->setText(qs(record.budget).trimmed());
    if (!record.isSpacer())
        Option1[record.isExpense() ? 1 : 0]->setChecked(true);
    showBudgetColor();
}

void frmEditCodes::rememberBoxes() {
    entered1_ = Text1->text();
    entered2_ = Text2->text();
    entered3_ = Text3->text();
    refused_ = false;
}

void frmEditCodes::showBudgetColor() {
    QPalette palette = Text3->palette();
    palette.setColor(QPalette::Text, oleColor(budgetColor(utf8(Text3->text()))));
    Text3->setPalette(palette);
}

void frmEditCodes::tell(std::string_view text) {
    QString shown = qs(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    checking_ = true;
    prompter_.msgBox(shown, ui::vbOKOnly + ui::vbCritical, QStringLiteral("Ledgerine 95"));
    checking_ = false;
}

std::optional<std::size_t> frmEditCodes::selectedRecord() {
    const QList<QListWidgetItem*> selected = lstTransCodes->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(lstTransCodes->row(selected.front()));
}

// --- Preparing an operation ---------------------------------------------------------------------

void frmEditCodes::cmdEdit_Click() {
    const std::optional<std::size_t> line = selectedRecord();
    // The line of an empty table stands for no record.
    if (!line || *line >= codes_.table().count()) {
        tell(kNoItemSelected);
        return;
    }
    operation_ = Operation::Edit;
    position_ = *line;
    clearBoxes();
    showRecord(codes_.table().at(position_));
    enableBoxes(true);
    rememberBoxes();
    typed_ = false;
    Text1->setFocus();
}

void frmEditCodes::cmdAdd_Click() {
    const std::optional<std::size_t> line = selectedRecord();
    const CodeTable& table = codes_.table();
    if (!line && !(table.empty() && codes_.isNewTable())) {
        tell(kSelectInsertionPoint);
        return;
    }
    operation_ = Operation::Add;
    position_ = line ? std::min(*line, table.count()) : 0;
    clearBoxes();
    enableBoxes(true);
    rememberBoxes();
    typed_ = false;
    Text1->setFocus();
}

void frmEditCodes::cmdDelete_Click() {
    const std::optional<std::size_t> line = selectedRecord();
    if (!line || *line >= codes_.table().count()) {
        tell(kNoItemSelected);
        return;
    }
    operation_ = Operation::Delete;
    position_ = *line;
    clearBoxes();
    showRecord(codes_.table().at(position_));
    enableBoxes(false);
    cmdOK->setFocus();
}

void frmEditCodes::cmdSpacer_Click() {
    const std::optional<std::size_t> line = selectedRecord();
    if (!line) {
        tell(kNoItemSelected);
        return;
    }
    operation_ = Operation::Spacer;
    position_ = std::min(*line, codes_.table().count());
    clearBoxes();
    showRecord(spacerRecord());
    // The divider is always the same record; there is nothing to type.
    enableBoxes(false);
    cmdOK->setFocus();
}

// --- Boxes ----------------------------------------------------------------------------------------

bool frmEditCodes::Text1_LostFocus() {
    if (!descriptionEntryTooLong(utf8(Text1->text())))
        return true;
    tell(kDescriptionTooLongReenter);
    Text1->setText(entered1_);
    Text1->setFocus();
    refused_ = true;
    return false;
}

bool frmEditCodes::Text2_LostFocus() {
    if (const std::optional<std::string> code = codeEntry(utf8(Text2->text()))) {
        Text2->setText(qs(*code));
        return true;
    }
    tell(kCodeTooLongReenter);
    Text2->setText(entered2_);
    Text2->setFocus();
    refused_ = true;
    return false;
}

bool frmEditCodes::Text3_LostFocus() {
    const std::string_view problem = budgetEntryProblem(utf8(Text3->text()));
    if (problem.empty())
        return true;
    tell(problem);
    Text3->setText(entered3_);
    Text3->setFocus();
    refused_ = true;
    return false;
}

bool frmEditCodes::leaveBox(QWidget* box) {
    if (box == Text1)
        return Text1_LostFocus();
    if (box == Text2)
        return Text2_LostFocus();
    if (box == Text3)
        return Text3_LostFocus();
    return true;
}

bool frmEditCodes::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::FocusIn) {
        (box == Text1 ? entered1_ : box == Text2 ? entered2_ : entered3_) = box->text();
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    } else if (box && event->type() == QEvent::FocusOut && !checking_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or menu taking the focus is not the user leaving the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && box->isEnabled())
            leaveBox(box);
    } else if (watched == Text3 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() == 1 && text.front().isPrint() && !budgetKeyAllowed(text.front().toLatin1()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmEditCodes::Option1_Click(int index) {
    const QString before = Text3->text();
    const std::string text = utf8(before);
    if (index == 1) {
        Text3->setText(qs(expenseBudgetText(text)));
    } else if (budgetNegative(text)) {
        // Income must not keep the minus sign that makes the record an expense code.
        QString income = before.trimmed();
        while (income.startsWith(QLatin1Char('-')))
            income.remove(0, 1);
        Text3->setText(income);
    }
    if (Text3->text() != before)
        typed_ = true;
    showBudgetColor();
}

// --- Applying ---------------------------------------------------------------------------------------

void frmEditCodes::cmdOK_Click() {
    if (std::exchange(refused_, false) || !leaveBox(focusWidget()))
        return;
    CodeTable& table = codes_.table();
    bool applied = false;
    switch (operation_) {
    case Operation::None:
        return;
    case Operation::Edit:
    case Operation::Add: {
        if (!typed_) {
            Text1->setFocus();
            return;
        }
        const std::optional<std::string> code = codeEntry(utf8(Text2->text()));
        CodeRecord record = makeCodeRecord(utf8(Text1->text()), code.value_or(std::string()),
                                           budgetRecordText(Text3->text()));
        applied = operation_ == Operation::Edit ? table.replace(position_, std::move(record))
                                                : table.insert(position_, std::move(record));
        break;
    }
    case Operation::Delete:
        applied = table.remove(position_);
        break;
    case Operation::Spacer:
        applied = table.insert(position_, spacerRecord());
        break;
    }
    if (!applied) {
        // Only a full table refuses a record.
        prompter_.beep();
        return;
    }
    const std::size_t shownAt = std::min(position_, table.empty() ? 0 : table.count() - 1);
    fillList();
    lstTransCodes->setCurrentRow(static_cast<int>(shownAt));
    codes_.markCodesChanged();
    operation_ = Operation::None;
    clearBoxes();
    enableBoxes(false);
    lstTransCodes->setFocus();
}

void frmEditCodes::cmdCancel_Click() {
    operation_ = Operation::None;
    refused_ = false;
    checking_ = true; // the abandoned text is not checked on its way out
    clearBoxes();
    enableBoxes(false);
    checking_ = false;
    lstTransCodes->setFocus();
}

void frmEditCodes::cmdExit_Click() {
    if (codes_.codesChanged() &&
        prompter_.msgBox(qs(saveCodeChangesQuestion(utf8(codes_.fileTitle())))
                             .replace(QLatin1Char('\r'), QLatin1Char('\n')),
                         ui::vbYesNo + ui::vbQuestion, QStringLiteral("Ledgerine 95")) == ui::vbYes)
        codes_.saveChanges();
    operation_ = Operation::None;
    QDialog::accept();
}

void frmEditCodes::reject() {
    cmdExit_Click();
}

} // namespace ledger
