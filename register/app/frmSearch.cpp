#include "register/app/frmSearch.h"

#include "register/core/RegisterOps.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ledger {

namespace {
const QString kSearchTitle = QStringLiteral("Search");
}

frmSearch::frmSearch(ui::Prompter& prompter, Finder find, QWidget* parent)
    : QDialog(parent), prompter_(prompter), find_(std::move(find)) {
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Search Particulars"));
    Label1 = new QLabel(QStringLiteral("Enter Search Text"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(QFont(QStringLiteral("Courier"), 10));
    Text1->setMaxLength(25);
    Text1->setMinimumWidth(QFontMetrics(Text1->font()).horizontalAdvance(QString(27, 'M')));
    Label1->setBuddy(Text1);
    Command3D1 = new ui::SSCommand(QStringLiteral("Command3D1"), QStringLiteral("&Search"), this);
    Command3D2 = new ui::SSCommand(QStringLiteral("Command3D2"), QStringLiteral("&Next"), this);
    Command3D3 = new ui::SSCommand(QStringLiteral("Command3D3"), QStringLiteral("&Cancel"), this);
    Command3D1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (ui::SSCommand* b : {Command3D1, Command3D2, Command3D3}) {
        b->setMinimumSize(80, 28);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    layout->addLayout(buttons);
    connect(Command3D1, &ui::SSCommand::clicked, this, &frmSearch::Command3D1_Click);
    connect(Command3D2, &ui::SSCommand::clicked, this, &frmSearch::Command3D2_Click);
    connect(Command3D3, &ui::SSCommand::clicked, this, &QDialog::reject);
}

void frmSearch::Command3D1_Click() {
    const int found = find_(Text1->text(), 0);
    if (found < 0) {
        prompter_.msgBox(
            QString::fromUtf8(kItemNotFound.data(), static_cast<qsizetype>(kItemNotFound.size())),
            ui::vbOKOnly + ui::vbInformation, kSearchTitle);
        return;
    }
    lastMatch_ = found;
}

void frmSearch::Command3D2_Click() {
    const int found = find_(Text1->text(), lastMatch_ + 1);
    if (found < 0) {
        prompter_.msgBox(
            QString::fromUtf8(kNoFurtherItems.data(), static_cast<qsizetype>(kNoFurtherItems.size())),
            ui::vbOKOnly + ui::vbInformation, kSearchTitle);
        return;
    }
    lastMatch_ = found;
}

} // namespace ledger
