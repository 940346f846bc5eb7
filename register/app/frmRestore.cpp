#include "register/app/frmRestore.h"

#include "register/app/QtText.h"
#include "register/core/RegisterList.h"
#include "runtime/Format.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ledger {

frmRestore::frmRestore(const QString& bookPath, std::vector<BackupEntry> backups, QWidget* parent)
    : QDialog(parent), backups_(std::move(backups)) {
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(QStringLiteral("Restore from Backup"));

    lblBook = new QLabel(QStringLiteral("Earlier versions of ") + QFileInfo(bookPath).fileName() +
                             QStringLiteral(", newest first:"),
                         this);
    lblBook->setObjectName(QStringLiteral("lblBook"));

    lstBackups = new QTreeWidget(this);
    lstBackups->setObjectName(QStringLiteral("lstBackups"));
    lstBackups->setRootIsDecorated(false);
    lstBackups->setHeaderLabels({QStringLiteral("Saved"), QStringLiteral("Items"), QStringLiteral("Balance"),
                                 QStringLiteral("Title")});
    for (const BackupEntry& entry : backups_) {
        auto* row = new QTreeWidgetItem(lstBackups);
        row->setText(0, qs(backupTimeText(entry.savedAt)));
        if (entry.readable) {
            row->setText(1, QString::number(entry.itemCount));
            row->setText(2, qs(runtime::formatCurrency(entry.balance, kBalancePattern)));
            row->setText(3, qs(entry.title));
        } else {
            // Listed, so the user sees the history is incomplete, but never put back.
            row->setText(1, QStringLiteral("Damaged"));
            row->setText(3, qs(entry.problem));
            row->setFlags(row->flags() & ~Qt::ItemIsSelectable);
            row->setForeground(1, palette().brush(QPalette::Disabled, QPalette::Text));
        }
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    lstBackups->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    cmdRestore = new QPushButton(QStringLiteral("&Restore"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdRestore->setEnabled(false);
    cmdRestore->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRestore);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblBook);
    layout->addWidget(lstBackups);
    layout->addLayout(buttons);
    resize(560, 300);

    connect(lstBackups, &QTreeWidget::itemSelectionChanged, this,
            [this] { cmdRestore->setEnabled(chosen() != nullptr); });
    connect(lstBackups, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (chosen())
            accept();
    });
    connect(cmdRestore, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

const BackupEntry* frmRestore::chosen() const {
    const QTreeWidgetItem* row = lstBackups->currentItem();
    if (!row || !row->isSelected())
        return nullptr;
    const int index = lstBackups->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(row));
    if (index < 0 || !backups_[static_cast<std::size_t>(index)].readable)
        return nullptr;
    return &backups_[static_cast<std::size_t>(index)];
}

} // namespace ledger
