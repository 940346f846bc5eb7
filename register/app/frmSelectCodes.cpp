#include "register/app/frmSelectCodes.h"
#include "register/app/QtText.h"

#include "register/core/CodeEdit.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace ledger {

QFont codeListFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

frmSelectCodes::frmSelectCodes(const CodeTable& table, const QString& fileTitle, QWidget* parent)
    : QDialog(parent), table_(table) {
    setObjectName(QStringLiteral("frmSelectCodes"));
    setWindowTitle(qs(selectCodeCaption(fileTitle.toStdString())));
    Label1 = new QLabel(QStringLiteral("Click on Selected Transaction Code."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lstTransCodes = new QListWidget(this);
    lstTransCodes->setObjectName(QStringLiteral("lstTransCodes"));
    lstTransCodes->setFont(codeListFont());
    for (const CodeRecord& record : table.records())
        lstTransCodes->addItem(qs(pickerLine(record)));
    const QFontMetrics metrics(lstTransCodes->font());
    lstTransCodes->setMinimumSize(metrics.horizontalAdvance(QString(40, QLatin1Char('M'))),
                                  metrics.height() * 14);
    Label2 = new QLabel(QStringLiteral("Click on Exit if no choice!"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    cmdNoCode = new ui::SSCommand(QStringLiteral("cmdNoCode"), QStringLiteral("&Exit"), this);
    cmdNoCode->setMinimumSize(96, 28);
    cmdNoCode->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lstTransCodes, 1);
    layout->addWidget(Label2);
    layout->addWidget(cmdNoCode, 0, Qt::AlignHCenter);

    connect(lstTransCodes, &QListWidget::itemClicked, this, &frmSelectCodes::lstTransCodes_Click);
    // The keyboard chooses with Enter.
    connect(lstTransCodes, &QListWidget::itemActivated, this, &frmSelectCodes::lstTransCodes_Click);
    connect(cmdNoCode, &ui::SSCommand::clicked, this, &frmSelectCodes::cmdNoCode_Click);
}

void frmSelectCodes::lstTransCodes_Click(QListWidgetItem* line) {
    const int index = line ? lstTransCodes->row(line) : -1;
    if (index < 0 || static_cast<std::size_t>(index) >= table_.count())
        return;
    // A divider line is no code: choosing it would put "****" on an item.
    if (table_.at(static_cast<std::size_t>(index)).isSpacer())
        return;
    result_ = index;
    done(QDialog::Accepted);
}

void frmSelectCodes::cmdNoCode_Click() {
    result_ = kNoCodeChosen;
    done(QDialog::Rejected);
}

void frmSelectCodes::reject() {
    result_ = kNoCodeChosen;
    QDialog::reject();
}

int frmSelectCodes::pick(ui::Prompter& prompter, const CodeTable& table, const QString& fileTitle,
                         QWidget* parent) {
    frmSelectCodes picker(table, fileTitle, parent);
    prompter.runModal(picker);
    return picker.result();
}

} // namespace ledger
