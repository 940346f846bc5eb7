#include "register/app/ChequeBookSession.h"
#include "register/app/QtText.h"

#include "register/app/BackupCommands.h"
#include "register/app/FrmNewBook.h"
#include "register/app/LGNPASSWORD.h"
#include "register/core/ChequeBook.h"
#include "register/core/ChequeBookFile.h"
#include "register/core/DiskError.h"
#include "register/core/RecentFiles.h"
#include "register/core/RegisterList.h"
#include "register/core/RegisterOps.h"
#include "runtime/Clock.h"
#include "runtime/RuntimeError.h"
#include "ui/Prompter.h"

#include <QDialog>
#include <QFileInfo>

#include <algorithm>

namespace ledger {

namespace {

const QString kNewTitle = QStringLiteral("New File");
const QString kOpenTitle = QStringLiteral("Open File");
const QString kSaveTitle = QStringLiteral("Save File");
const QString kSaveAsTitle = QStringLiteral("Save As");
const QString kCloseTitle = QStringLiteral("Close File");
const QString kPasswordTitle = QStringLiteral("PassWord");
const QString kEnterTitlePrompt = QStringLiteral("Enter Cheque Book Title");

bool samePath(const QString& a, const QString& b) {
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    const QString ca = fa.canonicalFilePath();
    return !ca.isEmpty() ? ca == fb.canonicalFilePath() : fa.absoluteFilePath() == fb.absoluteFilePath();
}

} // namespace

QString mainCaption(const ChequeBook* book) {
    if (!book)
        return QString::fromLatin1(kAppTitle);
    return QStringLiteral("Ledgerine 95 <") + qs(book->title) + QStringLiteral(">");
}

DiskErrorAction showDiskError(ui::Prompter& prompter, int errorNumber, int previousErrorNumber) {
    const std::optional<runtime::Message> prompt = diskErrorPrompt(errorNumber);
    if (!prompt || diskErrorRepeatsWithoutWayOut(errorNumber, previousErrorNumber))
        return DiskErrorAction::GiveUp;
    return diskErrorResult(ui::show(prompter, *prompt));
}

ChequeBookSession::ChequeBookSession(ui::Prompter& prompter, const runtime::Clock& clock,
                                     RecentFiles& recentFiles, QObject* parent)
    : QObject(parent), prompter_(prompter), clock_(clock), recentFiles_(recentFiles) {}

ChequeBookSession::~ChequeBookSession() = default;

ui::FileDialogOptions ChequeBookSession::bookFileDialog(const QString& title, bool forSaving) {
    ui::FileDialogOptions options;
    options.title = title;
    options.filter = QStringLiteral("LGN Files (*.lgn)|*.lgn|All Files (*.*)|*.*");
    options.filterIndex = 1;
    options.defaultExt = QStringLiteral("lgn");
    options.hideReadOnly = true;
    options.overwritePrompt = forSaving;
    options.fileMustExist = !forSaving;
    return options;
}

void ChequeBookSession::markChanged() {
    if (!book_)
        return;
    book_->changed = true;
    emit bookChanged();
}

void ChequeBookSession::sortRegister(SortOrder order) {
    if (!book_)
        return;
    ledger::sortRegister(*book_, order);
    emit registerReset();
    markChanged();
}

void ChequeBookSession::toggleCleared(const std::vector<int>& rows) {
    if (!book_)
        return;
    std::vector<Item>& items = book_->items;
    int first = -1;
    int last = -1;
    for (int row : rows) {
        if (row < 0 || static_cast<std::size_t>(row) >= items.size())
            continue;
        ledger::toggleCleared(items[static_cast<std::size_t>(row)]);
        first = first < 0 ? row : std::min(first, row);
        last = std::max(last, row);
    }
    if (first >= 0)
        emit itemsRestated(first, last);
    markChanged();
}

void ChequeBookSession::deleteItems(const std::vector<int>& rows) {
    if (!book_)
        return;
    const std::vector<std::int64_t> amounts = erasedAmounts(book_->items, rows);
    eraseSelected(book_->items, rows);
    emit registerErased(rows, amounts);
    markChanged();
}

bool ChequeBookSession::storeItem(bool autoDup, const Item& item, std::optional<int> replaceAt) {
    if (!book_)
        return false;
    std::vector<Item>& table = autoDup ? book_->autoDupItems : book_->items;
    if (replaceAt) {
        if (*replaceAt < 0 || static_cast<std::size_t>(*replaceAt) >= table.size())
            return false;
        table[static_cast<std::size_t>(*replaceAt)] = item;
    } else {
        table.push_back(item);
    }
    if (!autoDup)
        emit registerReset();
    markChanged();
    return true;
}

void ChequeBookSession::removeAutoDup(int index) {
    if (!book_ || index < 0 || static_cast<std::size_t>(index) >= book_->autoDupItems.size())
        return;
    book_->autoDupItems.erase(book_->autoDupItems.begin() + index);
    markChanged();
}

void ChequeBookSession::update(const std::function<bool(ChequeBook&)>& change) {
    if (!book_)
        return;
    const bool changed = change(*book_);
    emit registerReset();
    if (changed)
        markChanged();
}

int ChequeBookSession::ask(const QString& text, const QString& title) {
    return prompter_.msgBox(text, ui::vbYesNo + ui::vbQuestion, title);
}

void ChequeBookSession::tell(const QString& text, const QString& title, int icon) {
    prompter_.msgBox(text, ui::vbOKOnly + icon, title);
}

bool ChequeBookSession::releaseOpenBook(const QString& title) {
    if (!book_)
        return true;
    if (ask(QStringLiteral("Check Book File Currently Open. Save It?"), title) == ui::vbYes)
        return save() != SaveOutcome::Failed; // a failed save must not throw the changes away
                                              // (an empty register has nothing to lose)
    if (ask(QStringLiteral("Close without saving?"), title) != ui::vbYes)
        return false;
    if (book_->changed && ask(QStringLiteral("Changes Made to Ledgerine, Abandon Them?"), title) != ui::vbYes)
        return false;
    return true;
}

std::optional<QString> ChequeBookSession::askTitle(const QString& dialogTitle, const QString& current) {
    const std::optional<QString> answer = prompter_.inputBox(kEnterTitlePrompt, dialogTitle, current);
    if (!answer)
        return std::nullopt;
    if (titleTooLong(utf8(*answer))) {
        tell(qs(kTitleTooLongMessage), QStringLiteral("Book Title"), ui::vbExclamation);
        return std::nullopt;
    }
    return QString::fromStdString(trimRight(utf8(*answer)));
}

// --- New ------------------------------------------------------------------------------------------

bool ChequeBookSession::newBook() {
    if (book_ && book_->changed) {
        if (ask(QStringLiteral("Check Book File Currently Open. Save It?"), kNewTitle) == ui::vbYes) {
            if (save() == SaveOutcome::Failed)
                return false;
        } else if (ask(QStringLiteral("Close without saving?"), kNewTitle) != ui::vbYes) {
            return false;
        }
    }
    const std::optional<ui::FileDialogResult> choice =
        prompter_.saveFile(bookFileDialog(QStringLiteral("New Cheque Book"), true));
    if (!choice)
        return false;
    const bool wantPassword = ask(QStringLiteral("Do you want a PassWord applied to your Cheque Book?"),
                                  kPasswordTitle) == ui::vbYes;

    FrmNewBook form(prompter_, wantPassword, dialogParent_);
    if (prompter_.runModal(form) != QDialog::Accepted)
        return false;

    QString title = form.bookTitle();
    if (title.isEmpty())
        title = askTitle(kNewTitle, QString()).value_or(QString());

    ChequeBook book;
    book.path = utf8(choice->path);
    book.title = utf8(title);
    book.password = storedPassword(utf8(form.password()));
    book.items.push_back(openingBalanceItem(runtime::today(clock_), form.startingBalance()));
    book.changed = true;
    book_ = std::make_unique<ChequeBook>(std::move(book));
    if (guard_)
        guard_->closed(); // the book left open is no longer ours; the new one is locked when saved
    emit bookReplaced();

    if (ask(QStringLiteral("Do you wish to Save your new file now?"), QStringLiteral("Save New Ledgerine")) ==
        ui::vbYes)
        save();
    return true;
}

// --- Open -----------------------------------------------------------------------------------------

bool ChequeBookSession::openFromDialog() {
    if (!releaseOpenBook(kOpenTitle))
        return false;
    const std::optional<ui::FileDialogResult> choice =
        prompter_.openFile(bookFileDialog(QStringLiteral("Open Cheque Book"), false));
    if (!choice)
        return false;
    return load(choice->path);
}

bool ChequeBookSession::openRecent(int index) {
    if (index < 0 || index >= static_cast<int>(RecentFiles::kSize) ||
        !recentFiles_.isShown(static_cast<std::size_t>(index)))
        return false;
    const QString path = qs(recentFiles_.entry(static_cast<std::size_t>(index)));
    if (book_ && samePath(path, qs(book_->path))) {
        tell(QStringLiteral("Selected file is already open!"), kOpenTitle, ui::vbExclamation);
        return false;
    }
    if (!releaseOpenBook(kOpenTitle))
        return false;
    return load(path);
}

bool ChequeBookSession::openPath(const QString& path) {
    if (!releaseOpenBook(kOpenTitle))
        return false;
    return load(path);
}

bool ChequeBookSession::load(const QString& path) {
    ReadResult read;
    for (int previousError = 0;; previousError = read.errorNumber) {
        read = readChequeBookFile(path.toStdString());
        if (read.error != ReadError::FileError)
            break;
        const DiskErrorAction next = showDiskError(prompter_, read.errorNumber, previousError);
        if (next == DiskErrorAction::Retry)
            continue;
        if (next == DiskErrorAction::GiveUp)
            tell(qs(runtime::errorText(read.errorNumber)), QString::fromLatin1(kAppTitle), ui::vbCritical);
        return false;
    }
    if (!read.ok()) {
        tell(qs(read.errorMessage), kOpenTitle, ui::vbExclamation);
        return false;
    }
    // Held for the rest of the flow; let go again if it stops half way.
    std::optional<BookGuard::PendingOpen> pendingLock;
    if (guard_ && !(pendingLock = guard_->beginOpen(path)))
        return false;
    BookFileContents& contents = read.contents;

    SortOrder order = contents.sortLetter == 'C' ? SortOrder::Code : SortOrder::Date;
    if (!contents.sortTypeKnown()) {
        const std::optional<QString> answer = prompter_.inputBox(
            QStringLiteral(
                "Sort Type has not been defined for this file!\nEnter C for code sort,\nD for Date "
                "sort.\nDefault is Date Sort"),
            QStringLiteral("Select File Sort Type"));
        order = sortOrderFromAnswer(utf8(answer.value_or(QString())));
    }

    if (contents.hasPassword()) {
        const std::optional<QString> answer =
            prompter_.passwordBox(QStringLiteral("Enter PassWord"), kPasswordTitle);
        if (!answer || !contents.passwordMatches(utf8(*answer))) {
            tell(qs(kPasswordInvalidMessage), kPasswordTitle, ui::vbExclamation);
            return false;
        }
    }

    emit progress(QStringLiteral("Opening Cheque Book - ") + qs(contents.title));
    bool convert = false;
    if (contents.earlierRelease)
        convert = ask(qs(earlierReleaseQuestion(utf8(path))), QString::fromLatin1(kAppTitle)) == ui::vbYes;
    // The budget/code file the book names is loaded before its records are read, as it always was.
    // A name relative to the book's folder is found there, whatever the current directory.
    if (!contents.codeFileLink.empty())
        emit codeFileLinkFound(qs(codeFileLinkPath(contents.codeFileLink, path.toStdString())));
    for (const std::string& message : contents.messages)
        tell(qs(message), kOpenTitle, ui::vbExclamation);

    ChequeBook book = makeChequeBook(path.toStdString(), std::move(contents), order, convert);
    if (book.period.isSet() && ask(QStringLiteral("Show only the current BUDGET PERIOD in main register?"),
                                   QStringLiteral("Open Ledgerine")) == ui::vbYes) {
        const PeriodView view = showOnlyBudgetPeriod(book, runtime::today(clock_));
        if (view != PeriodView::Period)
            tell(qs(periodViewNote(view)), QStringLiteral("Open Ledgerine"), ui::vbInformation);
    }
    if (book.title.empty()) {
        if (const std::optional<QString> title = askTitle(kOpenTitle, QString());
            title && !title->isEmpty()) {
            book.title = utf8(*title);
            book.changed = true;
        }
    }
    shellSort(book.items, book.sortOrder);

    book_ = std::make_unique<ChequeBook>(std::move(book));
    if (pendingLock)
        guard_->opened(std::move(*pendingLock));
    recentFiles_.add(utf8(path));
    emit progress(QString());
    emit bookReplaced();
    emit recentFilesChanged();
    emit bookOpened();
    return true;
}

// --- Save, Save As, backup ----------------------------------------------------------------------

ChequeBookSession::SaveOutcome ChequeBookSession::save() {
    if (!book_) {
        tell(QStringLiteral("No File Open!"), kSaveTitle, ui::vbExclamation);
        return SaveOutcome::Failed;
    }
    return writeBook(kSaveTitle, true, qs(book_->path), false);
}

ChequeBookSession::SaveOutcome ChequeBookSession::saveAs() {
    if (!book_) {
        tell(QStringLiteral("No File Open!"), kSaveAsTitle, ui::vbExclamation);
        return SaveOutcome::Failed;
    }
    ui::FileDialogOptions options = bookFileDialog(kSaveAsTitle, true);
    options.fileName = qs(book_->path);
    const std::optional<ui::FileDialogResult> choice = prompter_.saveFile(options);
    if (!choice)
        return SaveOutcome::Failed;
    // The chosen file does not exist yet, so Save As always writes (an "Unchanged. Save Anyhow?"
    // refused here would leave the book naming a file that was never written).
    const std::string previous = book_->path;
    book_->path = utf8(choice->path);
    const SaveOutcome outcome = writeBook(kSaveTitle, false, choice->path, false);
    if (outcome != SaveOutcome::Saved)
        book_->path = previous;
    return outcome;
}

ChequeBookSession::SaveOutcome ChequeBookSession::saveBackup() {
    if (!book_) {
        tell(QStringLiteral("No File Open!"), kSaveTitle, ui::vbExclamation);
        return SaveOutcome::Failed;
    }
    const std::optional<ui::FileDialogResult> choice =
        prompter_.saveFile(bookFileDialog(QStringLiteral("Backup"), true));
    if (!choice)
        return SaveOutcome::Failed;
    return writeBook(kSaveTitle, false, choice->path, true);
}

ChequeBookSession::SaveOutcome ChequeBookSession::writeBook(const QString& refusalTitle, bool askIfUnchanged,
                                                            const QString& target, bool backup) {
    const QString name = qs(book_->path);
    if (guard_ && !guard_->mayWrite(target, backup))
        return book_->changed ? SaveOutcome::Failed : SaveOutcome::Declined; // nothing unsaved is lost
    if (askIfUnchanged && !book_->changed &&
        ask(name + QStringLiteral(" Unchanged. Save Anyhow?"), refusalTitle) != ui::vbYes)
        return SaveOutcome::Declined;
    if (book_->registerSize() == 0) {
        tell(name + QStringLiteral(" Contains no records!"), refusalTitle, ui::vbExclamation);
        return SaveOutcome::Empty;
    }
    // Asked before writing, since the answer decides what the link record holds.
    std::string link = book_->codeFileLink;
    if (!codeFile_.isEmpty()) {
        const QString question = name + QStringLiteral(" is using the Budget/Code file ") + codeFile_ +
                                 QStringLiteral("\nDo You wish to retain this relationship?");
        link = ask(question, QString::fromLatin1(kAppTitle)) == ui::vbYes
                   ? codeFileLinkName(utf8(codeFile_), target.toStdString())
                   : std::string();
    }
    emit progress(QStringLiteral("Saving Cheque Book - ") + qs(book_->title) +
                  (backup ? QStringLiteral(" Backup") : QString()));
    // The version being replaced is kept first, so a crash at any point leaves it somewhere.
    if (guard_ && !guard_->keepPrevious(target)) {
        emit progress(QString());
        return SaveOutcome::Failed;
    }
    const bool written = writeWithRetry(target, link);
    emit progress(QString());
    if (!written)
        return SaveOutcome::Failed;
    if (!backup) {
        book_->codeFileLink = link;
        book_->changed = false;
        if (guard_)
            guard_->written(target);
    }
    return SaveOutcome::Saved;
}

bool ChequeBookSession::writeWithRetry(const QString& target, const std::string& linkName) {
    for (int previousError = 0;;) {
        try {
            saveChequeBook(target.toStdString(), *book_, linkName, saveFault_);
            return true;
        } catch (const runtime::RuntimeError& error) {
            const DiskErrorAction next = showDiskError(prompter_, error.number(), previousError);
            previousError = error.number();
            if (next == DiskErrorAction::Retry)
                continue;
            if (next == DiskErrorAction::GiveUp)
                tell(qs(runtime::errorText(error.number())), QString::fromLatin1(kAppTitle), ui::vbCritical);
            return false;
        }
    }
}

// --- Close, title, password, exit ----------------------------------------------------------------

bool ChequeBookSession::close() {
    if (!book_) {
        tell(QStringLiteral("No Ledgerine file currently open!"), kCloseTitle, ui::vbExclamation);
        return false;
    }
    if (!releaseOpenBook(kCloseTitle))
        return false;
    book_.reset();
    if (guard_)
        guard_->closed();
    emit bookReplaced();
    return true;
}

bool ChequeBookSession::changeTitle() {
    if (!book_)
        return false;
    const std::optional<QString> title = askTitle(QStringLiteral("Change Title"), qs(book_->title));
    if (!title || title->isEmpty() || utf8(*title) == book_->title)
        return false;
    book_->title = utf8(*title);
    book_->changed = true;
    emit titleChanged();
    return true;
}

bool ChequeBookSession::changePassword() {
    if (!book_)
        return false;
    LGNPASSWORD form(prompter_, dialogParent_);
    if (prompter_.runModal(form) != QDialog::Accepted)
        return false;
    book_->password = storedPassword(utf8(form.password()));
    book_->changed = true;
    return true;
}

bool ChequeBookSession::confirmExit() {
    const QString title = QString::fromLatin1(kAppTitle);
    if (ask(QStringLiteral("Exit Ledgerine?"), title) != ui::vbYes)
        return false;
    if (!book_)
        return true;
    if (ask(QStringLiteral("Ledgerine open, Save it?"), title) == ui::vbYes)
        return save() != SaveOutcome::Failed;
    if (book_->changed && ask(QStringLiteral("Changes Made to Ledgerine, Abandon Them?"), title) != ui::vbYes)
        return false;
    return true;
}

} // namespace ledger
