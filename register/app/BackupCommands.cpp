#include "register/app/BackupCommands.h"

#include "register/app/ChequeBookSession.h"
#include "register/app/QtText.h"
#include "register/app/frmChqList.h"
#include "register/app/frmRestore.h"
#include "register/core/Backup.h"
#include "register/core/ChequeBook.h"
#include "runtime/Clock.h"
#include "runtime/FileIo.h"
#include "runtime/RuntimeError.h"
#include "ui/Prompter.h"

#include <QAction>
#include <QDateTime>
#include <QDialog>
#include <QFileInfo>
#include <QMenu>

#include <chrono>

namespace ledger {

namespace {

const QString kOpenTitle = QStringLiteral("Open File");
const QString kSaveTitle = QStringLiteral("Save File");
const QString kRestoreTitle = QStringLiteral("Restore from Backup");

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

bool samePath(const QString& a, const QString& b) {
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    const QString ca = fa.canonicalFilePath();
    return !ca.isEmpty() ? ca == fb.canonicalFilePath() : fa.absoluteFilePath() == fb.absoluteFilePath();
}

QString readOnlyMessage(const QString& path) {
    return path + QStringLiteral(" was opened read-only.\nUse Save As to keep your changes under another name.");
}

} // namespace

// --- BookGuard ---------------------------------------------------------------------------------

BookGuard::BookGuard(ui::Prompter& prompter, const runtime::Clock& clock, std::function<int()> backupsToKeep,
                     QObject* parent)
    : QObject(parent), prompter_(prompter), clock_(clock), backupsToKeep_(std::move(backupsToKeep)) {}

BookGuard::~BookGuard() = default;

LockOwner BookGuard::me() const {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(clock_.now().time_since_epoch()).count();
    const QString since =
        QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("MM/dd/yyyy h:mm AP"));
    return currentLockOwner(utf8(since));
}

bool BookGuard::isOurs(const LockOwner& holder) const {
    const LockOwner self = me();
    return holder.host == self.host && holder.pid == self.pid;
}

void BookGuard::setReadOnly(bool readOnly) {
    if (readOnly == readOnly_)
        return;
    readOnly_ = readOnly;
    emit readOnlyChanged(readOnly);
}

std::optional<BookGuard::PendingOpen> BookGuard::beginOpen(const QString& path) {
    PendingOpen pending;
    pending.path = path;
    if (lock_.held() && lock_.lockFile() == lockPath(fsPath(path))) {
        pending.keepCurrent = true; // the same book again: its lock stays ours
        pending.readOnly = readOnly_;
        return pending;
    }
    const BookLock::Attempt attempt = pending.lock.acquire(fsPath(path), me(), alive_);
    if (attempt.result == BookLock::Result::Held) {
        const QString question =
            qs(lockHolderText(utf8(path), attempt.holder)) + QStringLiteral(".\nOpen it read-only?");
        if (prompter_.msgBox(question, ui::vbYesNo + ui::vbQuestion, kOpenTitle) != ui::vbYes)
            return std::nullopt;
        pending.readOnly = true;
    }
    // Unavailable: a folder nobody can write to keeps nobody out, and saving there fails anyway
    // with the disk-error message.
    return pending;
}

void BookGuard::opened(PendingOpen pending) {
    if (!pending.keepCurrent)
        lock_ = std::move(pending.lock);
    readOnlyPath_ = pending.readOnly ? pending.path : QString();
    setReadOnly(pending.readOnly);
}

void BookGuard::closed() {
    lock_.release();
    readOnlyPath_.clear();
    setReadOnly(false);
}

bool BookGuard::mayWrite(const QString& target, bool backupCopy) {
    if (readOnly_ && samePath(target, readOnlyPath_)) {
        prompter_.msgBox(readOnlyMessage(target), ui::vbOKOnly + ui::vbExclamation, kSaveTitle);
        return false;
    }
    if (const std::optional<LockOwner> holder = BookLock::holder(fsPath(target), alive_);
        holder && !isOurs(*holder)) {
        prompter_.msgBox(qs(lockHolderText(utf8(target), *holder)) + QStringLiteral(".\nChoose another name."),
                         ui::vbOKOnly + ui::vbExclamation, kSaveTitle);
        return false;
    }
    static_cast<void>(backupCopy);
    return true;
}

bool BookGuard::keepPrevious(const QString& target) {
    const BackupOutcome outcome = keepBackup(fsPath(target), backupsToKeep_());
    if (outcome.ok)
        return true;
    // Never silent: the user decides whether the save goes on without the safety copy.
    return prompter_.msgBox(qs(backupFailedQuestion(utf8(target), outcome.errorNumber)),
                            ui::vbYesNo + ui::vbExclamation, kSaveTitle) == ui::vbYes;
}

void BookGuard::written(const QString& target) {
    if (lock_.held() && lock_.lockFile() == lockPath(fsPath(target)))
        return;
    // Save As (or a new book's first save): the lock moves to the file the book now is.
    BookLock lock;
    if (lock.acquire(fsPath(target), me(), alive_).result != BookLock::Result::Held)
        lock_ = std::move(lock);
    else
        lock_.release();
    readOnlyPath_.clear();
    setReadOnly(false);
}

// --- BackupCommands ----------------------------------------------------------------------------

BackupCommands::BackupCommands(frmChqList& window, ui::Prompter& prompter, const runtime::Clock& clock)
    : QObject(&window), window_(window), prompter_(prompter) {
    setObjectName(QStringLiteral("backupCommands"));
    guard_ = new BookGuard(prompter, clock, [&window] { return window.settings().backups; }, this);
    connect(guard_, &BookGuard::readOnlyChanged, this, &BackupCommands::showReadOnly);
    connect(&window, &QWidget::windowTitleChanged, this, &BackupCommands::showReadOnly);
}

void BackupCommands::showReadOnly() {
    const QString mark = QString::fromLatin1(kReadOnlyCaption);
    QString caption = window_.windowTitle();
    const bool marked = caption.endsWith(mark);
    if (guard_->readOnly() == marked)
        return;
    if (marked)
        caption.chop(mark.size());
    else
        caption += mark;
    window_.setWindowTitle(caption);
}

bool BackupCommands::restoreFromBackup() {
    ChequeBookSession& session = window_.session();
    if (!session.isOpen()) {
        prompter_.msgBox(QStringLiteral("No File Open!"), ui::vbOKOnly + ui::vbExclamation, kRestoreTitle);
        return false;
    }
    const QString path = qs(session.book()->path);
    if (guard_->readOnly()) {
        prompter_.msgBox(path + QStringLiteral(" was opened read-only and cannot be restored here."),
                         ui::vbOKOnly + ui::vbExclamation, kRestoreTitle);
        return false;
    }
    std::vector<BackupEntry> backups = listBackups(fsPath(path));
    if (backups.empty()) {
        prompter_.msgBox(QStringLiteral("There are no backups of ") + path + QStringLiteral("."),
                         ui::vbOKOnly + ui::vbInformation, kRestoreTitle);
        return false;
    }
    frmRestore form(path, std::move(backups), &window_);
    if (prompter_.runModal(form) != QDialog::Accepted || !form.chosen())
        return false;
    const BackupEntry chosen = *form.chosen();
    const QString question = QStringLiteral("Replace ") + path + QStringLiteral(" with the version saved on ") +
                             qs(backupTimeText(chosen.savedAt)) +
                             QStringLiteral("?\nThe book as it is now is kept as a backup.");
    if (prompter_.msgBox(question, ui::vbYesNo + ui::vbQuestion, kRestoreTitle) != ui::vbYes)
        return false;

    // Read first: keeping the current version below may rotate the chosen one out.
    std::string bytes;
    try {
        bytes = runtime::readWholeFile(chosen.path);
    } catch (const runtime::RuntimeError& error) {
        prompter_.msgBox(qs(runtime::errorText(error.number())), ui::vbOKOnly + ui::vbCritical, kRestoreTitle);
        return false;
    }
    // The usual Close dialogue: unsaved changes can be saved, and that save keeps what it replaces.
    if (!session.close())
        return false;
    const BackupOutcome kept = keepBackup(fsPath(path), guard_->backupsToKeep());
    if (!kept.ok) {
        const std::string goOn = backupFailedQuestion(utf8(path), kept.errorNumber, "Restore anyway?");
        if (prompter_.msgBox(qs(goOn), ui::vbYesNo + ui::vbExclamation, kRestoreTitle) != ui::vbYes) {
            session.openPath(path); // the book as it was, untouched
            return false;
        }
    }
    try {
        runtime::replaceFileAtomically(fsPath(path), bytes);
    } catch (const runtime::RuntimeError& error) {
        // The book on disk is as it was: open it again as it is.
        prompter_.msgBox(qs(runtime::errorText(error.number())), ui::vbOKOnly + ui::vbCritical, kRestoreTitle);
        session.openPath(path);
        return false;
    }
    return session.openPath(path);
}

} // namespace ledger
