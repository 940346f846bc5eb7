#include "calculator/app/LoanInpt.h"

#include "calculator/app/LoanTabl.h"
#include "calculator/core/Message.h"

#include "runtime/FileIo.h"
#include "runtime/RuntimeError.h"
#include "ui/Printer.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "ui/QtText.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

#include <filesystem>

namespace abacon {

namespace {

using ui::qs;

QActionGroup* incrementMenu(QMenuBar* bar, const char* name, const char* caption, const char* itemPrefix,
                            const std::array<Increment, 5>& items, int checked) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (int i = 0; i < 5; ++i) {
        QAction* a = menu->addAction(QString::fromLatin1(items[static_cast<std::size_t>(i)].caption));
        a->setObjectName(QStringLiteral("%1(%2)").arg(QString::fromLatin1(itemPrefix)).arg(i));
        a->setCheckable(true);
        a->setChecked(i == checked);
        a->setData(items[static_cast<std::size_t>(i)].value);
        group->addAction(a);
    }
    return group;
}

} // namespace

LoanInpt::LoanInpt(ui::Prompter& prompter, ui::Printer& printer, const QString& saveFolder, QWidget* parent)
    : QMainWindow(parent, Qt::Window), prompter_(prompter), printer_(printer), saveFolder_(saveFolder) {
    setObjectName(QStringLiteral("LoanInpt"));
    setWindowTitle(QStringLiteral("Loan Calculator"));

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    printAction_ = file->addAction(QStringLiteral("&Print Table"));
    printAction_->setObjectName(QStringLiteral("mnuPrintTable"));
    saveAction_ = file->addAction(QStringLiteral("&Save Table"));
    saveAction_->setObjectName(QStringLiteral("mnuSaveTable"));
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    // Both need a computed table.
    printAction_->setEnabled(false);
    saveAction_->setEnabled(false);
    connect(printAction_, &QAction::triggered, this, &LoanInpt::printTable);
    connect(saveAction_, &QAction::triggered, this, &LoanInpt::saveTable);
    connect(exit, &QAction::triggered, this, &LoanInpt::closeAll);

    principalIncr_ = incrementMenu(menuBar(), "PrincMenu", "&Principal Incr", "PrincIncr",
                                   kPrincipalIncrements, kDefaultPrincipalIncrement);
    rateIncr_ = incrementMenu(menuBar(), "RateMenu", "&Rate Incr", "RateIncr", kRateIncrements,
                              kDefaultRateIncrement);
    connect(principalIncr_, &QActionGroup::triggered, this, &LoanInpt::recompute);
    connect(rateIncr_, &QActionGroup::triggered, this, &LoanInpt::recompute);

    auto* central = new QWidget(this);
    auto* form = new QFormLayout;
    inPrinc = new QLineEdit(central);
    inPrinc->setObjectName(QStringLiteral("inPrinc"));
    inPrinc->setMaxLength(18);
    inRate = new QLineEdit(central);
    inRate->setObjectName(QStringLiteral("inRate"));
    inRate->setMaxLength(10);
    inTerm = new QComboBox(central);
    inTerm->setObjectName(QStringLiteral("inTerm"));
    for (const char* term : kLoanTerms) {
        inTerm->addItem(QString::fromLatin1(term));
    }
    form->addRow(QStringLiteral("Principal:"), inPrinc);
    form->addRow(QStringLiteral("Rate (%):"), inRate);
    form->addRow(QStringLiteral("Term:"), inTerm);

    Calc = new ui::SSCommand(QStringLiteral("Calc"), QStringLiteral("&Calc"), central);
    cmdExit = new ui::SSCommand(QStringLiteral("cmdExit"), QStringLiteral("&Exit"), central);
    Calc->setDefault(true);
    connect(Calc, &QPushButton::clicked, this, &LoanInpt::calc);
    connect(cmdExit, &QPushButton::clicked, this, &LoanInpt::closeAll);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Calc);
    buttons->addWidget(cmdExit);
    auto* outer = new QVBoxLayout(central);
    outer->addLayout(form);
    outer->addLayout(buttons);
    setCentralWidget(central);
    setFixedSize(280, sizeHint().height());
}

void LoanInpt::calc() {
    const auto input = parseLoanInput(inPrinc->text().toStdString(), inRate->text().toStdString(),
                                      inTerm->currentText().toStdString());
    if (!input) {
        prompter_.msgBox(QString::fromLatin1(text::kInvalidLoanInput), ui::vbOKOnly,
                         QString::fromLatin1(text::kLoanTitle));
        return;
    }
    input_ = input;
    recompute();
}

void LoanInpt::recompute() {
    if (!input_) {
        return;
    }
    const double principalStep = principalIncr_->checkedAction()->data().toDouble();
    const double rateStep = rateIncr_->checkedAction()->data().toDouble();
    table_ = computeLoanTable(*input_, principalStep, rateStep);
    printAction_->setEnabled(true);
    saveAction_->setEnabled(true);
    if (!loanTabl_) {
        loanTabl_ = new LoanTabl(this);
    }
    loanTabl_->setTable(*table_);
    loanTabl_->show();
    loanTabl_->raise();
}

void LoanInpt::saveTable() {
    if (!table_) {
        return;
    }
    const std::filesystem::path file = std::filesystem::path(saveFolder_.toStdString()) / kLoanFileName;
    try {
        runtime::replaceFileAtomically(file, loanTableFileText(*table_));
    } catch (const runtime::RuntimeError& e) {
        prompter_.msgBox(QString::fromStdString(e.what()), ui::vbCritical, QString::fromLatin1(kTitle));
        return;
    }
    prompter_.msgBox(qs(loanSavedMessage()), ui::vbOKOnly, QString::fromLatin1(kTitle));
}

void LoanInpt::printTable() {
    if (!table_) {
        return;
    }
    // Fixed pitch keeps the columns under their heads.
    printer_.setFont(QStringLiteral("Courier New"), 10, false, false);
    printer_.printLine(QStringLiteral("Loan Table - Monthly Payments"));
    printer_.printLine(QString());
    for (const std::string& line : loanTableLines(*table_)) {
        printer_.printLine(qs(line));
    }
    if (!printer_.endDoc()) {
        prompter_.msgBox(QString::fromLatin1(text::kPrinterError), ui::vbCritical,
                         QString::fromLatin1(kTitle));
    }
}

void LoanInpt::closeAll() {
    if (loanTabl_) {
        loanTabl_->close();
    }
    close();
}

} // namespace abacon
