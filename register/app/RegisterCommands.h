#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace runtime {
class Clock;
}
namespace ui {
class Clipboard;
class Prompter;
} // namespace ui

namespace ledger {

class frmChqList;
class frnReconcil;
struct Item;
enum class EntryMode;
enum class SortOrder : char;

// The register commands of the main window: item entry, sort, search, cleared marks, delete,
// copy, first and last, and the auto-duplicate items. Each command runs the shared guard first;
// every change marks the cheque book changed and refreshes the list, balance and count.
class RegisterCommands : public QObject {
    Q_OBJECT
public:
    RegisterCommands(frmChqList& window, ui::Prompter& prompter, const runtime::Clock& clock,
                     ui::Clipboard& clipboard);

    // The shared guard: a cheque book must be open and, for commands on items, the register must
    // hold a line to act on. Shows the refusal under `title`.
    bool guard(const QString& title, bool needsItems = true);

public slots:
    void newItem();
    void changeItem();
    void duplicateItem();
    void addAutoDup();
    void sortOnDates();
    void sortOnCodes();
    void search();
    void toggleCleared();
    void startDelete();
    void confirmDelete();
    void cancelDelete();
    void copyItems();
    void firstItem();
    void lastItem();
    // Opens the reconciliation window (modeless; it stays open beside the register).
    void reconcile();

    // After a cheque book is opened: offers the auto-duplicate items that came due.
    void checkAutoDuplicates();
    void viewAutoDups();
    void editAutoDup();
    void processAutoDup();
    void removeAutoDup();
    void closeAutoDups();

private:
    void sortWithProgress(SortOrder order);
    void refillDupList();
    void restoreCaption();
    void showProgress(const QString& text);
    void tell(const QString& text, const QString& title);
    // The one selected register line, after the selection messages; nullopt when refused.
    std::optional<int> singleSelection(const QString& severalMessage);
    std::optional<int> singleDupSelection();
    // Makes the register line of a just stored item the current and only selected one.
    void showItem(const Item& item);
    // Runs the entry window; `original` fills the fields.
    void runEntry(EntryMode mode, const std::optional<Item>& original, std::optional<int> replaceAt);

    // The last auto-duplicate check of the open book: whether it began a new month, and its day.
    frnReconcil* reconcil_ = nullptr; // made at the first reconciliation, owned by the main window
    bool checkNewMonth_ = false;
    int checkDay_ = 0;

    frmChqList& window_;
    ui::Prompter& prompter_;
    const runtime::Clock& clock_;
    ui::Clipboard& clipboard_;
};

} // namespace ledger
