#pragma once

#include "register/core/BookLock.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace runtime {
class Clock;
}
namespace ui {
class Prompter;
}

namespace ledger {

class ChequeBookSession;
class frmChqList;

inline constexpr const char* kReadOnlyCaption = " [Read-Only]";

// The lock and the backups of the book the session has open. The session calls it at open,
// save and close; every question goes through the prompter.
class BookGuard : public QObject {
    Q_OBJECT
public:
    BookGuard(ui::Prompter& prompter, const runtime::Clock& clock, std::function<int()> backupsToKeep,
              QObject* parent = nullptr);
    ~BookGuard() override;

    // The lock of a book being opened, held while the rest of the Open flow runs and let go
    // unless handed to opened(): a flow that stops half way leaves no lock behind.
    class PendingOpen {
    public:
        PendingOpen() = default;
        bool readOnly = false;
        QString path;
        bool keepCurrent = false; // the book already open, whose lock stays
        BookLock lock;
    };
    // Asks who-has-it-open when another register holds the book: Yes opens read-only, No
    // cancels (nothing). A stale lock is taken over without a question.
    std::optional<PendingOpen> beginOpen(const QString& path);
    void opened(PendingOpen pending);
    void closed();

    // Before the dialogue of a save: false, after saying why, when the target must not be written
    // (the book was opened read-only, or another register has the target open). `backupCopy` is
    // the delete flow's copy, which never changes the book's own file.
    bool mayWrite(const QString& target, bool backupCopy);
    // Just before the file is replaced: keeps its previous version. False when that fails and
    // the user does not want to save anyway.
    bool keepPrevious(const QString& target);
    // After the book was written to `target` (Save, Save As): the lock follows the book.
    void written(const QString& target);

    bool readOnly() const { return readOnly_; }
    int backupsToKeep() const { return backupsToKeep_(); }
    // Who this register is, as its locks name it.
    LockOwner me() const;
    // For tests: which processes count as running.
    void setProcessProbe(ProcessProbe probe) { alive_ = std::move(probe); }

signals:
    void readOnlyChanged(bool readOnly);

private:
    void setReadOnly(bool readOnly);
    bool isOurs(const LockOwner& holder) const;

    ui::Prompter& prompter_;
    const runtime::Clock& clock_;
    std::function<int()> backupsToKeep_;
    ProcessProbe alive_ = processAlive;
    BookLock lock_;
    bool readOnly_ = false;
    QString readOnlyPath_;
};

// "Restore from backup..." and the read-only mark in the caption.
class BackupCommands : public QObject {
    Q_OBJECT
public:
    BackupCommands(frmChqList& window, ui::Prompter& prompter, const runtime::Clock& clock);

    BookGuard& guard() { return *guard_; }

    // Lists the open book's backups in frmRestore and puts the chosen one back.
    bool restoreFromBackup();

private:
    void showReadOnly();

    frmChqList& window_;
    ui::Prompter& prompter_;
    BookGuard* guard_ = nullptr;
};

} // namespace ledger
