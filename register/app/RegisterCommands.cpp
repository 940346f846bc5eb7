#include "register/app/RegisterCommands.h"
#include "register/app/QtText.h"

#include "register/core/AutoDuplicate.h"
#include "register/core/ItemEntry.h"

#include "register/app/ChequeBookSession.h"
#include "register/app/CodeFileSession.h"
#include "register/app/frmAutoDup.h"
#include "register/app/frmChqList.h"
#include "register/app/frmChqUP.h"
#include "register/app/frmSearch.h"
#include "register/app/frmSelectCodes.h"
#include "register/app/frnReconcil.h"
#include "register/core/Reconcile.h"
#include "register/core/RegisterList.h"
#include "register/core/RegisterOps.h"
#include "runtime/Clock.h"
#include "runtime/Format.h"
#include "ui/Clipboard.h"
#include "ui/Prompter.h"

#include <QStringList>

namespace ledger {

namespace {

const QString kApp = QStringLiteral("Ledgerine 95");
constexpr int kRefusal = ui::vbOKOnly + ui::vbExclamation;
constexpr int kQuestion = ui::vbYesNo + ui::vbQuestion;

} // namespace

RegisterCommands::RegisterCommands(frmChqList& window, ui::Prompter& prompter, const runtime::Clock& clock,
                                   ui::Clipboard& clipboard)
    : QObject(&window), window_(window), prompter_(prompter), clock_(clock), clipboard_(clipboard) {
    ChequeBookSession& session = window_.session();
    connect(&session, &ChequeBookSession::bookOpened, this, &RegisterCommands::checkAutoDuplicates);
    // A cheque book replaced or closed ends any delete or auto-duplicate mode of the old one.
    connect(&session, &ChequeBookSession::bookReplaced, this, [this] {
        window_.showDeletePanel(false);
        window_.showAutoDupPanel(false);
        window_.showAutoDupLines({});
    });
}

// --- Shared pieces -------------------------------------------------------------------------------

bool RegisterCommands::guard(const QString& title, bool needsItems) {
    const ChequeBook* book = window_.session().book();
    if (!book) {
        tell(QStringLiteral("Cheque Book File not Opened"), title);
        return false;
    }
    if (needsItems && window_.registerLineCount() == 0) {
        tell(QStringLiteral("Please make a transaction selection!"), title);
        return false;
    }
    return true;
}

void RegisterCommands::tell(const QString& text, const QString& title) {
    prompter_.msgBox(text, kRefusal, title);
}

// The main window shows progress texts as the file commands' own.
void RegisterCommands::showProgress(const QString& text) {
    emit window_.session().progress(text);
}

void RegisterCommands::restoreCaption() {
    window_.setWindowTitle(mainCaption(window_.session().book()));
}

void RegisterCommands::sortWithProgress(SortOrder order) {
    const ChequeBook* book = window_.session().book();
    showProgress(qs(sortingProgressText(book->title, order)));
    window_.session().sortRegister(order);
    showProgress(QString());
}

std::optional<int> RegisterCommands::singleSelection(const QString& severalMessage) {
    const std::vector<int> selected = window_.selectedRegisterLines();
    if (selected.empty()) {
        tell(QStringLiteral("No Item Selected!"), kApp);
        return std::nullopt;
    }
    if (selected.size() > 1) {
        tell(severalMessage, kApp);
        return std::nullopt;
    }
    const int line = selected.front();
    if (line < 0 || static_cast<std::size_t>(line) >= window_.session().book()->items.size())
        return std::nullopt;
    return line;
}

std::optional<int> RegisterCommands::singleDupSelection() {
    const std::vector<int> selected = window_.selectedAutoDupLines();
    if (selected.empty()) {
        tell(QStringLiteral("No Item Selected!"), kApp);
        return std::nullopt;
    }
    if (selected.size() > 1) {
        tell(QStringLiteral("Only one Item may be processed at a time!"), kApp);
        return std::nullopt;
    }
    const int line = selected.front();
    if (line < 0 || static_cast<std::size_t>(line) >= window_.session().book()->autoDupItems.size())
        return std::nullopt;
    return line;
}

// --- Item entry ----------------------------------------------------------------------------------

void RegisterCommands::runEntry(EntryMode mode, const std::optional<Item>& original,
                                std::optional<int> replaceAt) {
    frmChqUP entry(mode, prompter_, clipboard_, &window_);
    entry.setGuidanceShown(window_.messagesShown());
    CodeFileSession& codes = window_.codeFiles();
    entry.setCodeFileLoaded(codes.loaded());
    entry.selectCode = [this, &codes, &entry]() -> std::optional<QString> {
        const int index = frmSelectCodes::pick(prompter_, codes.table(), codes.fileTitle(), &entry);
        if (index == kNoCodeChosen)
            return std::nullopt;
        return qs(trimRight(codes.table().at(static_cast<std::size_t>(index)).code));
    };
    entry.budgetStatus = [this, &codes](const QString& code) {
        const ChequeBook* book = window_.session().book();
        return book ? budgetStatus(code.toStdString(), codes.table(), *book) : BudgetStatus{};
    };
    entry.showBalance(finalBalance(window_.session().book()->items));
    if (original)
        entry.setItem(*original);
    entry.balance = [this] {
        return finalBalance(window_.session().book()->items);
    };
    entry.store = [this, mode, replaceAt](const Item& item) {
        const ChequeBook* book = window_.session().book();
        if (!book)
            return false;
        const std::vector<Item>& table = isAutoDupMode(mode) ? book->autoDupItems : book->items;
        const bool replacing = mode == EntryMode::Change || mode == EntryMode::EditAutoDup;
        if (replacing && (!replaceAt || static_cast<std::size_t>(*replaceAt) >= table.size()))
            return false;
        const runtime::Currency given =
            replacing ? table[static_cast<std::size_t>(*replaceAt)].amount : runtime::Currency();
        if (!amountsFit(*book, item.amount, given)) {
            tell(qs(kAmountTooLarge), qs(kInputErrorTitle));
            return false;
        }
        window_.session().storeItem(isAutoDupMode(mode), item, replacing ? replaceAt : std::nullopt);
        sortWithProgress(book->sortOrder);
        if (isAutoDupMode(mode)) {
            if (window_.autoDupPanelShown())
                refillDupList();
        } else {
            showItem(item);
        }
        return true;
    };
    prompter_.runModal(entry);
}

void RegisterCommands::showItem(const Item& item) {
    const std::vector<Item>& items = window_.session().book()->items;
    // From the end: a new item is most often the latest. Equal items are indistinguishable.
    for (std::size_t i = items.size(); i-- > 0;) {
        if (items[i] == item) {
            window_.selectOnlyRegisterLine(static_cast<int>(i));
            return;
        }
    }
}

void RegisterCommands::newItem() {
    if (!guard(QStringLiteral("New Item"), false))
        return;
    runEntry(EntryMode::NewEntry, std::nullopt, std::nullopt);
}

void RegisterCommands::changeItem() {
    if (!guard(QStringLiteral("Update Item")))
        return;
    const std::optional<int> line =
        singleSelection(QStringLiteral("Only one Item may be changed at a time!"));
    if (!line)
        return;
    runEntry(EntryMode::Change, window_.session().book()->items.at(static_cast<std::size_t>(*line)), line);
}

void RegisterCommands::duplicateItem() {
    if (!guard(QStringLiteral("Duplicated Entry")))
        return;
    const std::optional<int> line =
        singleSelection(QStringLiteral("Only one Item may be duplicated at a time!"));
    if (!line)
        return;
    runEntry(EntryMode::Duplicate, window_.session().book()->items.at(static_cast<std::size_t>(*line)),
             std::nullopt);
}

void RegisterCommands::addAutoDup() {
    if (!guard(kApp))
        return;
    const std::optional<int> line =
        singleSelection(QStringLiteral("Only one Item may be selected at a time!"));
    if (!line)
        return;
    runEntry(EntryMode::AddAutoDup, window_.session().book()->items.at(static_cast<std::size_t>(*line)),
             std::nullopt);
}

// --- Sort, search, cleared -----------------------------------------------------------------------

void RegisterCommands::sortOnDates() {
    if (guard(QStringLiteral("Date Sort")))
        sortWithProgress(SortOrder::Date);
}

void RegisterCommands::sortOnCodes() {
    if (guard(QStringLiteral("Code Sort")))
        sortWithProgress(SortOrder::Code);
}

void RegisterCommands::search() {
    if (!guard(QStringLiteral("Search")))
        return;
    frmSearch window(
        prompter_,
        [this](const QString& text, int from) {
            const ChequeBook* book = window_.session().book();
            if (!book || from < 0)
                return -1;
            const std::optional<std::size_t> found =
                findParticulars(book->items, text.toStdString(), static_cast<std::size_t>(from));
            if (!found)
                return -1;
            window_.selectOnlyRegisterLine(static_cast<int>(*found));
            return static_cast<int>(*found);
        },
        &window_);
    prompter_.runModal(window);
}

void RegisterCommands::toggleCleared() {
    if (!guard(QStringLiteral("Transaction Cleared")))
        return;
    const std::vector<int> selected = window_.selectedRegisterLines();
    if (selected.empty()) {
        tell(QStringLiteral("No Items selected to Clear!"), kApp);
        return;
    }
    // Only the status fields change: the rows are repainted and the selection stays.
    window_.session().toggleCleared(selected);
}

// --- Delete --------------------------------------------------------------------------------------

void RegisterCommands::startDelete() {
    if (!guard(QStringLiteral("Delete Item")))
        return;
    if (window_.selectedRegisterLines().empty()) {
        tell(QStringLiteral("No Items selected to delete!"), kApp);
        return;
    }
    window_.setWindowTitle(QStringLiteral("Selected Transaction(s) to be Deleted!"));
    window_.showDeletePanel(true);
}

void RegisterCommands::confirmDelete() {
    const ChequeBook* book = window_.session().book();
    if (!book || window_.selectedRegisterLines().empty()) {
        tell(QStringLiteral("No Items selected to delete!"), kApp);
        return;
    }
    if (prompter_.msgBox(QStringLiteral("Save backup Ledgerine file before deleteing selected item(s)?"),
                         kQuestion, kApp) == ui::vbYes)
        window_.session().saveBackup();
    if (prompter_.msgBox(QStringLiteral("Deleted items CANNOT be recovered\n         CONTINUE?"), kQuestion,
                         kApp) != ui::vbYes)
        return;
    showProgress(QStringLiteral("Please wait! Deleting selected items!"));
    const std::vector<int> deleted = window_.selectedRegisterLines();
    window_.showDeletePanel(false);
    window_.session().deleteItems(deleted);
    // The list stays where the user was working, with nothing selected that was not chosen.
    const int current = lineAfterDelete(deleted, book->items.size());
    if (current >= 0)
        window_.setCurrentRegisterLine(current);
    restoreCaption();
    showProgress(QString());
}

void RegisterCommands::cancelDelete() {
    window_.showDeletePanel(false);
    restoreCaption();
    // The balance and count as they were; the list and the user's selection are left alone.
    window_.refreshRegister();
}

// --- Copy, first, last ---------------------------------------------------------------------------

void RegisterCommands::copyItems() {
    if (!guard(QStringLiteral("Copy Items")))
        return;
    const std::vector<int> selected = window_.selectedRegisterLines();
    if (selected.empty()) {
        tell(QStringLiteral("No Items selected to Copy!"), kApp);
        return;
    }
    QString text;
    for (int line : selected) {
        text += window_.registerLineText(line);
        text += QLatin1Char('\r');
    }
    clipboard_.clear();
    clipboard_.setText(text);
}

void RegisterCommands::firstItem() {
    if (window_.registerLineCount() > 0)
        window_.selectOnlyRegisterLine(0);
}

void RegisterCommands::lastItem() {
    const int count = window_.registerLineCount();
    if (count > 0)
        window_.selectOnlyRegisterLine(count - 1);
}

// --- Reconciliation ------------------------------------------------------------------------------

void RegisterCommands::reconcile() {
    const QString title = qs(kReconcileGuardTitle);
    if (!guard(title, false))
        return;
    if (window_.messagesShown()) {
        prompter_.beep();
        if (prompter_.msgBox(qs(kClearedAllQuestion), kQuestion, title) != ui::vbYes)
            return;
    }
    if (!reconcil_) {
        ChequeBookSession& session = window_.session();
        reconcil_ = new frnReconcil(
            prompter_, [&session]() -> const ChequeBook* { return session.book(); },
            [this] { return window_.messagesShown(); }, &window_);
        connect(&session, &ChequeBookSession::bookChanged, reconcil_, &frnReconcil::followRegister);
        connect(&session, &ChequeBookSession::bookReplaced, reconcil_, &frnReconcil::forgetBook);
    }
    reconcil_->startReconciliation();
}

// --- Auto-duplicate items ------------------------------------------------------------------------

void RegisterCommands::checkAutoDuplicates() {
    ChequeBookSession& session = window_.session();
    const ChequeBook* book = session.book();
    if (!book)
        return;
    const runtime::OleDate today = runtime::today(clock_);
    AutoDupCheck check;
    session.update([&](ChequeBook& b) {
        const int before = b.lastAutoDupDay;
        // Checked even without standing items, so that the first one added later is measured from
        // this day and not from a check long ago (which would take it for last month's).
        check = ledger::checkAutoDuplicates(b, runtime::civilFromOle(today).day);
        // With standing items the day of the check decides when the next month begins: a book
        // that is not saved with it can miss that month's items, so it counts as a change.
        // Without any, the day alone is nothing worth asking about.
        return !b.autoDupItems.empty() && b.lastAutoDupDay != before;
    });
    checkNewMonth_ = check.newMonth;
    checkDay_ = check.today;
    if (check.due == 0)
        return;
    prompter_.beep();
    frmAutoDup offer(check.due, &window_);
    switch (prompter_.runModal(offer)) {
    case frmAutoDup::All: {
        std::vector<ProcessResult> results;
        session.update([&](ChequeBook& b) {
            results = processAllDue(b, check, today);
            return false; // the sort below marks the book changed
        });
        for (ProcessResult r : results) {
            if (r == ProcessResult::ProcessedOnToday)
                tell(qs(kInvalidDateMessage), kApp);
            else if (r == ProcessResult::TooLarge)
                tell(qs(kAmountTooLarge), kApp);
        }
        sortWithProgress(book->sortOrder);
        break;
    }
    case frmAutoDup::Single:
        viewAutoDups();
        break;
    default:
        session.update([&](ChequeBook& b) {
            cancelAutoDupProcessing(b, check);
            return false;
        });
        break;
    }
}

void RegisterCommands::refillDupList() {
    const ChequeBook* book = window_.session().book();
    QStringList lines;
    if (book) {
        for (std::size_t i = 0; i < book->autoDupItems.size(); ++i)
            lines.append(QString::fromStdString(autoDupLine(book->autoDupItems[i], i)));
    }
    window_.showAutoDupLines(lines);
}

void RegisterCommands::viewAutoDups() {
    if (!guard(kApp, false))
        return;
    refillDupList();
    window_.showAutoDupPanel(true);
}

void RegisterCommands::editAutoDup() {
    if (!guard(kApp, false))
        return;
    const std::optional<int> line = singleDupSelection();
    if (!line)
        return;
    runEntry(EntryMode::EditAutoDup,
             window_.session().book()->autoDupItems.at(static_cast<std::size_t>(*line)), line);
}

void RegisterCommands::processAutoDup() {
    if (!guard(kApp, false))
        return;
    const std::optional<int> line = singleDupSelection();
    if (!line)
        return;
    const ChequeBook* book = window_.session().book();
    AutoDupCheck check;
    check.newMonth = checkNewMonth_;
    check.today = checkDay_;
    ProcessResult result = ProcessResult::AlreadyProcessed;
    window_.session().update([&](ChequeBook& b) {
        result = ledger::processAutoDup(b, static_cast<std::size_t>(*line), runtime::today(clock_), &check);
        return false; // a processed item is sorted in below, which marks the book changed
    });
    switch (result) {
    case ProcessResult::AlreadyProcessed:
        tell(qs(kAlreadyProcessedMessage), kApp);
        return;
    case ProcessResult::TooLarge:
        tell(qs(kAmountTooLarge), kApp);
        return;
    case ProcessResult::ProcessedOnToday:
        tell(qs(kInvalidDateMessage), kApp);
        break;
    case ProcessResult::Processed:
        break;
    }
    sortWithProgress(book->sortOrder);
    refillDupList();
    window_.selectOnlyAutoDupLine(*line);
}

void RegisterCommands::removeAutoDup() {
    if (!guard(kApp, false))
        return;
    const std::optional<int> line = singleDupSelection();
    if (!line)
        return;
    window_.session().removeAutoDup(*line);
    refillDupList();
}

void RegisterCommands::closeAutoDups() {
    window_.showAutoDupPanel(false);
    restoreCaption();
}

} // namespace ledger
