#pragma once

#include "register/core/DiskError.h"
#include "runtime/FileIo.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace runtime {
class Clock;
}
namespace ui {
class Prompter;
struct FileDialogOptions;
} // namespace ui

namespace ledger {

struct ChequeBook;
class BookGuard;
struct Item;
class RecentFiles;
enum class SortOrder : char;

inline constexpr const char* kAppTitle = "Ledgerine 95";

// The open cheque book and the dialogue of the file commands: New, Open, Save, Save As, Close,
// Change Title, Change Password and the questions of the exit sequence. Every question goes
// through the prompter; a refused question, a cancelled dialog or a wrong password leaves the
// open cheque book exactly as it was. The main window only shows what the session holds.
class ChequeBookSession : public QObject {
    Q_OBJECT
public:
    enum class SaveOutcome {
        Saved,
        Declined, // the book was unchanged and the user chose not to save it anyway
        Failed,   // nothing written: no book, a disk error or a refusal
        // Nothing written because the register is empty. The file on disk keeps what it held, so
        // the flows that only wanted it safe (exit, close, open, new) go on.
        Empty,
    };

    ChequeBookSession(ui::Prompter& prompter, const runtime::Clock& clock, RecentFiles& recentFiles,
                      QObject* parent = nullptr);
    ~ChequeBookSession() override;

    // The window over which the session's own windows (FrmNewBook, LGNPASSWORD) open.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    bool isOpen() const { return book_ != nullptr; }
    // The open book, for reading; it changes only through the operations below, each of which
    // marks it changed and tells the views what changed.
    const ChequeBook* book() const { return book_.get(); }
    void markChanged();

    // --- Changes to the open book (none without one) -------------------------------------------
    // Sorts the register and records the order.
    void sortRegister(SortOrder order);
    // Flips the cleared marks of the register rows (ascending; rows out of range are passed over).
    void toggleCleared(const std::vector<int>& rows);
    // Removes the register rows (ascending, distinct).
    void deleteItems(const std::vector<int>& rows);
    // Puts an item into the register or, with autoDup, among the auto-duplicate items: at
    // replaceAt, or at the end. False when replaceAt is out of range.
    bool storeItem(bool autoDup, const Item& item, std::optional<int> replaceAt);
    void removeAutoDup(int index);
    // Any other change: `change` says whether it changed something worth saving; the book is then
    // marked changed. The register is read afresh either way.
    void update(const std::function<bool(ChequeBook&)>& change);

    // The budget/code file in use (its full path), empty when none is loaded.
    void setCodeFile(const QString& path) { codeFile_ = path; }
    QString codeFile() const { return codeFile_; }

    bool newBook();
    bool openFromDialog();
    bool openRecent(int index);
    // Opens a named file without the file dialog (the command line).
    bool openPath(const QString& path);
    SaveOutcome save();
    SaveOutcome saveAs();
    // Writes a copy to the file chosen in the "Backup" dialog; the book keeps its own path.
    SaveOutcome saveBackup();
    bool close();
    bool changeTitle();
    bool changePassword();
    // Steps 1 and 2 of the exit sequence: true when the program may go on to end.
    bool confirmExit();

    static ui::FileDialogOptions bookFileDialog(const QString& title, bool forSaving);

    // The lock and backups of the open book (BackupCommands); without one, neither is kept.
    void setBookGuard(BookGuard* guard) { guard_ = guard; }

    // Lets the disk's failures be staged: each save's atomic replacement consults it.
    void setSaveFault(runtime::FaultInjector fault) { saveFault_ = std::move(fault); }

signals:
    // Progress text for the main window; an empty text ends it.
    void progress(const QString& text);
    // A cheque book was opened, created or closed: everything shown must be rebuilt.
    void bookReplaced();
    // The open book was changed (items entered, cleared, deleted, sorted): views that follow
    // the register recompute.
    void bookChanged();
    // The register's rows were added, removed or reordered: read them afresh.
    void registerReset();
    // The register rows at `rows` (ascending) are gone, and nothing else changed; `amounts` are
    // their signed amounts in ticks (erasedAmounts).
    void registerErased(const std::vector<int>& rows, const std::vector<std::int64_t>& amounts);
    // Only the cleared marks of register rows first..last changed.
    void itemsRestated(int first, int last);
    void titleChanged();
    void recentFilesChanged();
    // After a successful Open, for the pending auto-duplicate items.
    void bookOpened();
    // The opened book names a budget/code file in its link record.
    void codeFileLinkFound(const QString& name);

private:
    int ask(const QString& text, const QString& title);
    void tell(const QString& text, const QString& title, int icon);
    // The questions asked before the open book is let go; false when the user keeps it.
    bool releaseOpenBook(const QString& title);
    bool load(const QString& path);
    SaveOutcome writeBook(const QString& refusalTitle, bool askIfUnchanged, const QString& target,
                          bool backup);
    bool writeWithRetry(const QString& target, const std::string& linkName);
    std::optional<QString> askTitle(const QString& dialogTitle, const QString& current);

    ui::Prompter& prompter_;
    const runtime::Clock& clock_;
    RecentFiles& recentFiles_;
    QWidget* dialogParent_ = nullptr;
    std::unique_ptr<ChequeBook> book_;
    QString codeFile_;
    runtime::FaultInjector saveFault_;
    BookGuard* guard_ = nullptr;
};

// "Ledgerine 95 <title>" with a cheque book open, "Ledgerine 95" without.
QString mainCaption(const ChequeBook* book);

// Shows the disk-error box for a run-time error number and returns what the caller does next. A
// caller that retries passes the error of the previous attempt, so an OK-only error that persists
// gives up.
DiskErrorAction showDiskError(ui::Prompter& prompter, int errorNumber, int previousErrorNumber = 0);

} // namespace ledger
