#include "register/app/FrmNewBook.h"
#include "register/app/QtText.h"

#include "register/app/ButtonPictures.h"
#include "register/core/ChequeBook.h"
#include "register/core/ItemEntry.h"
#include "runtime/Currency.h"
#include "runtime/Format.h"
#include "runtime/RuntimeError.h"
#include "runtime/Val.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ledger {

namespace {

const char* const kBalanceDisplay = "$###,##0.00;($###,##0.00)";

QString balanceText(runtime::Currency value) {
    return qs(runtime::formatCurrency(value, kBalanceDisplay));
}

} // namespace

std::optional<runtime::Currency> startingBalanceFromEntry(const QString& text) {
    QString entry = text.trimmed();
    if (entry.startsWith(QLatin1Char('$')))
        entry.remove(0, 1);
    bool negative = false;
    if (entry.startsWith(QLatin1Char('(')) && entry.endsWith(QLatin1Char(')'))) {
        negative = true;
        entry = entry.mid(1, entry.size() - 2);
        if (entry.startsWith(QLatin1Char('$')))
            entry.remove(0, 1);
    }
    entry.remove(QLatin1Char(','));
    try {
        // The box shows cents, and the book keeps what it shows (as the entry window does).
        const runtime::Currency value =
            roundToCents(runtime::Currency::fromDouble(runtime::val(entry.toStdString())));
        return negative ? -value : value;
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
}

FrmNewBook::FrmNewBook(ui::Prompter& prompter, bool wantPassword, QWidget* parent)
    : QDialog(parent), prompter_(prompter), wantPassword_(wantPassword) {
    setObjectName(QStringLiteral("FrmNewBook"));
    setWindowTitle(QStringLiteral("Create a New Cheque Book"));

    Label1 = new QLabel(QStringLiteral("Cheque Book Title"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label2 = new QLabel(QStringLiteral("Starting Balance"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Text3 = new QLineEdit(balanceText(runtime::Currency()), this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setAlignment(Qt::AlignRight);
    Text3->installEventFilter(this);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setEchoMode(QLineEdit::Password);
    Text2->setReadOnly(true);
    Command3D1 = new ui::SSCommand(QStringLiteral("Command3D1"), QString(), this);
    Command3D1->setPicture(buttonPicture(Picture::Lock));
    Label3 = new QLabel(QStringLiteral("Click on Lock to permit &PassWord entry"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setBuddy(Text2);
    Command3D2 = new ui::SSCommand(QStringLiteral("Command3D2"), QStringLiteral("&OK"), this);
    lblMessage = new ui::SSPanel(QStringLiteral("lblMessage"),
                                 QStringLiteral("Press Tab after completing each entry. Click on OK when all "
                                                "entries completed!"),
                                 this);
    lblMessage->setBevelOuter(ui::SSPanel::Bevel::Inset);
    lblMessage->setMinimumHeight(28);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 1, 0, 1, 2);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Text3, 3, 0);
    grid->addWidget(Label3, 4, 0, 1, 2);
    grid->addWidget(Text2, 5, 0);
    grid->addWidget(Command3D1, 5, 1);
    grid->addWidget(Command3D2, 6, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(lblMessage);
    Text1->setMaxLength(60); // long enough that an overlong title reaches the title rule
    resize(420, 260);

    for (QWidget* w :
         {static_cast<QWidget*>(Text2), static_cast<QWidget*>(Command3D1), static_cast<QWidget*>(Label3)})
        w->setVisible(wantPassword_);

    connect(Command3D1, &ui::SSCommand::clicked, this, &FrmNewBook::Command3D1_Click);
    connect(Command3D2, &ui::SSCommand::clicked, this, &FrmNewBook::Command3D2_Click);
}

runtime::Currency FrmNewBook::startingBalance() const {
    return runtime::Currency::fromTicks(balanceTicks_);
}

QString FrmNewBook::bookTitle() const {
    QString title = Text1->text();
    while (title.endsWith(QLatin1Char(' ')))
        title.chop(1);
    return title;
}

bool FrmNewBook::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text3) {
        switch (event->type()) {
        case QEvent::FocusIn:
            Text3_GotFocus();
            break;
        case QEvent::FocusOut:
            Text3_LostFocus();
            break;
        case QEvent::KeyPress: {
            // Only digits, "." and "-" may be typed; editing keys pass.
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            if (typed.size() == 1 && typed.at(0).isPrint() &&
                !QStringLiteral("0123456789.-").contains(typed.at(0)))
                return true;
            break;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmNewBook::Text3_GotFocus() {
    lblMessage->setCaption(
        QStringLiteral("If starting balance is an amount owing, preceed amount with minus sign!"));
    Text3->selectAll();
}

void FrmNewBook::Text3_LostFocus() {
    const std::optional<runtime::Currency> value = startingBalanceFromEntry(Text3->text());
    if (!value) {
        prompter_.msgBox(qs(runtime::errorText(6)), ui::vbOKOnly + ui::vbExclamation,
                         QStringLiteral("Input Error"));
        balanceTicks_ = 0;
    } else {
        balanceTicks_ = value->ticks();
    }
    Text3->setText(balanceText(startingBalance()));
}

void FrmNewBook::Command3D1_Click() {
    Text2->setReadOnly(false);
    Text2->setFocus();
}

void FrmNewBook::Command3D2_Click() {
    // The balance box may still hold what was typed when OK is clicked without leaving it.
    if (const auto value = startingBalanceFromEntry(Text3->text()))
        balanceTicks_ = value->ticks();
    if (titleTooLong(Text1->text().toStdString())) {
        prompter_.msgBox(qs(kTitleTooLongMessage), ui::vbOKOnly + ui::vbExclamation,
                         QStringLiteral("Book Title"));
        Text1->setFocus();
        return;
    }
    password_.clear();
    if (wantPassword_ && !Text2->text().isEmpty()) {
        const QString entry = Text2->text();
        if (const std::string_view problem = passwordEntryProblem(entry.toStdString()); !problem.empty()) {
            prompter_.msgBox(qs(problem), ui::vbOKOnly + ui::vbExclamation, QStringLiteral("PassWord"));
            Text2->setFocus();
            return;
        }
        const std::optional<QString> again = prompter_.passwordBox(
            QStringLiteral("Please ReEnter PassWord to Verify"), QStringLiteral("PassWord"));
        if (again && *again == entry)
            password_ = entry;
        else
            prompter_.msgBox(
                QStringLiteral("PassWord not Verified, None created!\nUse Options/Change Password"),
                ui::vbOKOnly + ui::vbExclamation, QStringLiteral("PassWord"));
    }
    accept();
}

} // namespace ledger
