#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "register/core/Backup.h"
#endif

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace ledger {

// "Restore from Backup": the earlier versions of the open book, newest first, with when each
// was saved, its item count and balance. A damaged one is listed as such and cannot be chosen.
class frmRestore : public QDialog {
    Q_OBJECT
public:
    frmRestore(const QString& bookPath, std::vector<BackupEntry> backups, QWidget* parent = nullptr);

    // The chosen backup once the window was accepted.
    const BackupEntry* chosen() const;

    QLabel* lblBook = nullptr;
    QTreeWidget* lstBackups = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    std::vector<BackupEntry> backups_;
};

} // namespace ledger
