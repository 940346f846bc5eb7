#include "register/app/LGNPASSWORD.h"

#include "register/app/ButtonPictures.h"
#include "register/app/RegisterHelp.h"
#include "register/core/ChequeBook.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace ledger {

LGNPASSWORD::LGNPASSWORD(ui::Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("LGNPASSWORD"));
    setWindowTitle(QStringLiteral("Enter Password"));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setReadOnly(true);
    // While locked the box says so, and a typed key beeps instead of vanishing unseen.
    Text1->setPlaceholderText(QString::fromLatin1(kLockedPlaceholder));
    Text1->installEventFilter(this);
    Command3D2 = new ui::SSCommand(QStringLiteral("Command3D2"), QString(), this);
    Command3D2->setPicture(buttonPicture(Picture::Lock));
    Command3D2->setAutoDefault(false);
    Label1 = new QLabel(QStringLiteral("Click on Lock or press Enter to permit &PassWord entry"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(Text1);
    Command3D1 = new ui::SSCommand(QStringLiteral("Command3D1"), QStringLiteral("&OK"), this);
    Command3D1->setAutoDefault(false);
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(Text1), static_cast<QWidget*>(Label1)})
        w->setToolTip(QString::fromLatin1(kPasswordNotice));
    auto* pwHelp = new QAction(this);
    pwHelp->setObjectName(QStringLiteral("pwHelp"));
    pwHelp->setShortcut(QKeySequence(Qt::Key_F1));
    pwHelp->setProperty("helpContext", kPasswordHelpContext);
    addAction(pwHelp);
    connect(pwHelp, &QAction::triggered, this, [this] { showHelpContext(this, kPasswordHelpContext); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Text1, 1, 0);
    grid->addWidget(Command3D2, 1, 1);
    grid->addWidget(Command3D1, 2, 1);
    resize(340, 120);

    connect(Command3D2, &ui::SSCommand::clicked, this, &LGNPASSWORD::Command3D2_Click);
    connect(Command3D1, &ui::SSCommand::clicked, this, &LGNPASSWORD::Command3D1_Click);
}

bool LGNPASSWORD::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (Text1->isReadOnly())
                Command3D2_Click();
            else
                Command3D1_Click();
            return true;
        }
        if (Text1->isReadOnly() && !static_cast<QKeyEvent*>(event)->text().isEmpty() &&
            static_cast<QKeyEvent*>(event)->text().at(0).isPrint()) {
            prompter_.beep();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LGNPASSWORD::Command3D2_Click() {
    Text1->setReadOnly(false);
    Text1->setPlaceholderText(QString());
    Text1->setFocus();
}

void LGNPASSWORD::Command3D1_Click() {
    const QString entry = Text1->text();
    const QString title = QStringLiteral("PassWord");
    if (const std::string_view message = passwordEntryProblem(entry.toStdString()); !message.empty()) {
        prompter_.msgBox(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())),
                         ui::vbOKOnly + ui::vbExclamation, title);
        Text1->setFocus();
        return;
    }
    const std::optional<QString> again =
        prompter_.passwordBox(QStringLiteral("Please ReEnter PassWord to Verify"), title);
    if (!again || *again != entry) {
        prompter_.msgBox(QStringLiteral("PassWord not Verified, Not Created nor Changed!"),
                         ui::vbOKOnly + ui::vbExclamation, title);
        reject();
        return;
    }
    password_ = entry;
    accept();
}

} // namespace ledger
