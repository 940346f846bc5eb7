#include "register/app/frmInfo.h"

#include "register/app/CodeFileSession.h"
#include "register/app/QtText.h"
#include "register/app/frmChqList.h"
#include "register/core/Options.h"
#include "register/core/RegisterList.h"
#include "runtime/Format.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QGridLayout>
#include <QLabel>

namespace ledger {

namespace {

QLabel* caption(QWidget* parent, const QString& text) {
    return new QLabel(text, parent);
}

QLabel* value(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(320);
    return l;
}

void setTextColor(QLabel* label, QRgb bgr) {
    // Colour numbers as the window has always used them: red in the low byte.
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(qBlue(bgr), qGreen(bgr), qRed(bgr)));
    label->setPalette(p);
}

} // namespace

frmInfo::frmInfo(frmChqList& main, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Ledgerine Information"));

    auto* grid = new QGridLayout(this);
    auto* current = caption(this, QStringLiteral("Current Ledgerine"));
    QFont heading = current->font();
    heading.setBold(true);
    current->setFont(heading);
    grid->addWidget(current, 0, 0, 1, 4);
    lblTitle = value(this, "lblTitle");
    lblFileName = value(this, "lblFileName");
    lblItems = value(this, "lblItems");
    lblBalance = value(this, "lblBalance");
    lblCBfile = value(this, "lblCBfile");
    lblNoCBEntries = value(this, "lblNoCBEntries");
    for (QLabel* number : {lblItems, lblBalance, lblNoCBEntries}) {
        number->setMinimumWidth(110);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    PanelStartBudget = new ui::SSPanel(QStringLiteral("PanelStartBudget"), QString(), this);
    PanelEndBudget = new ui::SSPanel(QStringLiteral("PanelEndBudget"), QString(), this);
    for (ui::SSPanel* panel : {PanelStartBudget, PanelEndBudget}) {
        panel->setBevelOuter(ui::SSPanel::Bevel::Inset);
        panel->setMinimumSize(100, 24);
    }
    Command3D1 = new ui::SSCommand(QStringLiteral("Command3D1"), QStringLiteral("&OK"), this);
    Command3D1->setDefault(true);
    Command3D1->setMinimumWidth(90);
    connect(Command3D1, &ui::SSCommand::clicked, this, &QDialog::accept);

    grid->addWidget(caption(this, QStringLiteral("Title")), 1, 0);
    grid->addWidget(lblTitle, 1, 1, 1, 3);
    grid->addWidget(caption(this, QStringLiteral("File Path and Name")), 2, 0);
    grid->addWidget(lblFileName, 2, 1, 1, 3);
    grid->addWidget(caption(this, QStringLiteral("No. Items")), 3, 0);
    grid->addWidget(lblItems, 3, 1);
    grid->addWidget(caption(this, QStringLiteral("Balance")), 3, 2, Qt::AlignRight);
    grid->addWidget(lblBalance, 3, 3);
    grid->addWidget(caption(this, QStringLiteral("Active Budget/Code File")), 4, 0);
    grid->addWidget(lblCBfile, 4, 1, 1, 3);
    grid->addWidget(caption(this, QStringLiteral("No. Entries")), 5, 0);
    grid->addWidget(lblNoCBEntries, 5, 1);
    grid->addWidget(caption(this, QStringLiteral("Budget Period   --   Start")), 6, 0);
    grid->addWidget(PanelStartBudget, 6, 1);
    grid->addWidget(caption(this, QStringLiteral("End")), 6, 2, Qt::AlignRight);
    grid->addWidget(PanelEndBudget, 6, 3);
    grid->addWidget(Command3D1, 7, 0, 1, 4, Qt::AlignHCenter);

    // The state when the window opens.
    const ChequeBook* book = main.session().book();
    lblFileName->setText(book ? qs(trimmed(book->path)) : qs(kNoBookOpen));
    lblTitle->setText(book ? qs(trimmed(book->title)) : qs(kNoTitle));
    const CodeFileSession& codes = main.codeFiles();
    lblCBfile->setText(codes.loaded() ? codes.activePath() : qs(kNoCodeFileAvailable));
    lblNoCBEntries->setText(qs(runtime::formatNumber(static_cast<double>(codes.table().count()), "###0")));
    lblBalance->setText(main.balanceShown());
    lblItems->setText(main.itemCountShown());
    const bool negative = book && finalBalance(book->items) < runtime::Currency();
    setTextColor(lblBalance, negative ? 255 : 8388608);
    if (book) {
        PanelStartBudget->setCaption(qs(runtime::formatDate(book->period.start, "mm/dd/yyyy")));
        PanelEndBudget->setCaption(qs(runtime::formatDate(book->period.end, "mm/dd/yyyy")));
    }
}

} // namespace ledger
