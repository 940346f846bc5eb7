#include "register/app/frmSelectDates.h"
#include "register/app/QtText.h"

#include "register/core/ItemEntry.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace ledger {

namespace {

const QString kOpenEnd = QStringLiteral("mm/dd/yy");

// Twips to pixels at the 96 dpi the register's positions were laid out for.
int pixels(int twips) {
    return twips / 15;
}

} // namespace

frmSelectDates::frmSelectDates(ui::Prompter& prompter, bool guidance, QWidget* parent)
    : QDialog(parent), prompter_(prompter), guidance_(guidance) {
    setObjectName(QStringLiteral("frmSelectDates"));
    setWindowTitle(QStringLiteral("Select Dates"));
    Label1 = new QLabel(QStringLiteral("Choose a Date range for your Selection"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtStart = new QLineEdit(this);
    txtStart->setObjectName(QStringLiteral("txtStart"));
    txtEnd = new QLineEdit(this);
    txtEnd->setObjectName(QStringLiteral("txtEnd"));
    for (QLineEdit* box : {txtStart, txtEnd}) {
        box->setMaxLength(10);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 16);
        box->installEventFilter(this);
    }
    Label2 = new QLabel(QStringLiteral("Start"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setBuddy(txtStart);
    Label3 = new QLabel(QStringLiteral("End"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setBuddy(txtEnd);
    Command3D1 = new ui::SSCommand(QStringLiteral("Command3D1"), QStringLiteral("&OK"), this);
    Command3D1->setMinimumSize(96, 28);
    Command3D1->setAutoDefault(false);
    Panel3D2 =
        new ui::SSPanel(QStringLiteral("Panel3D2"),
                        QStringLiteral("Press Tab after each selection\nClick OK, if no selection!"), this);
    Panel3D2->setBevelOuter(ui::SSPanel::Bevel::Inset);
    Panel3D2->setMinimumHeight(40);
    Panel3D2->setVisible(guidance_);

    auto* boxes = new QGridLayout;
    boxes->addWidget(Label2, 0, 0);
    boxes->addWidget(txtStart, 0, 1);
    boxes->addWidget(Label3, 1, 0);
    boxes->addWidget(txtEnd, 1, 1);
    boxes->addWidget(Command3D1, 0, 2, 2, 1, Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(boxes);
    layout->addWidget(Panel3D2);
    setTabOrder(txtStart, txtEnd);
    setTabOrder(txtEnd, Command3D1);
    // The window's place on the screen, lower with the hint than without it.
    move(pixels(4845), pixels(guidance_ ? 3930 : 3255));

    connect(Command3D1, &ui::SSCommand::clicked, this, &frmSelectDates::Command3D1_Click);
    showRange();
}

void frmSelectDates::setRange(runtime::OleDate start, runtime::OleDate end) {
    start_ = start;
    end_ = end;
    showRange();
}

void frmSelectDates::showRange() {
    txtStart->setText(start_ == runtime::kRegisterMinDate ? kOpenEnd : qs(entryDateText(start_)));
    txtEnd->setText(end_ == runtime::kRegisterMaxDate ? kOpenEnd : qs(entryDateText(end_)));
    txtStart->setModified(false);
    txtEnd->setModified(false);
}

bool frmSelectDates::takeOver(QLineEdit* box, runtime::OleDate& date, runtime::OleDate openEnd) {
    const QString text = box->text().trimmed();
    if (text == kOpenEnd) {
        date = openEnd;
        return true;
    }
    if (!box->isModified()) {
        // The box still shows the stored date; reading its two-digit year back would move a date
        // after 2029 a century back.
        dateSelected_ = true;
        return true;
    }
    if (const std::optional<runtime::OleDate> typed = parseEntryDate(text.toStdString())) {
        date = *typed;
        dateSelected_ = true;
        box->setText(qs(entryDateText(*typed)));
        return true;
    }
    prompter_.beep();
    if (guidance_) {
        checking_ = true;
        prompter_.msgBox(qs(kIncorrectDateMessage), ui::vbOKOnly + ui::vbExclamation, qs(kInputErrorTitle));
        checking_ = false;
    }
    box->setFocus();
    box->selectAll();
    return false;
}

bool frmSelectDates::txtStart_LostFocus() {
    return takeOver(txtStart, start_, runtime::kRegisterMinDate);
}

bool frmSelectDates::txtEnd_LostFocus() {
    return takeOver(txtEnd, end_, runtime::kRegisterMaxDate);
}

bool frmSelectDates::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !checking_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or menu taking the focus is not the user leaving the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == txtStart)
                txtStart_LostFocus();
            else if (watched == txtEnd)
                txtEnd_LostFocus();
        }
    } else if (event->type() == QEvent::FocusIn && (watched == txtStart || watched == txtEnd)) {
        // Typing replaces the placeholder or the date shown.
        QTimer::singleShot(0, static_cast<QLineEdit*>(watched), &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void frmSelectDates::Command3D1_Click() {
    // The box the user was typing in has not been left yet; a bad date keeps the window open.
    if (txtStart->isModified() && !txtStart_LostFocus())
        return;
    if (txtEnd->isModified() && !txtEnd_LostFocus())
        return;
    accept();
}

} // namespace ledger
