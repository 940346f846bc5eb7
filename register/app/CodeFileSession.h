#pragma once

// moc cannot parse the concepts of the core headers and needs none of their types.
#ifndef Q_MOC_RUN
#include "register/core/CodeFile.h"
#endif
#include "runtime/FileIo.h"

#include <QObject>
#include <QString>

#include <string>

namespace ui {
class Prompter;
struct FileDialogOptions;
} // namespace ui

namespace ledger {

class ChequeBookSession;
class SettingsStore;

// The budget/code file the register works with: the code table and its state (active path, file
// title, default path, no-code-file and codes-changed flags), loading at start and for an opened
// cheque book, writing at exit, and the file commands of the code-file menu. The rules live in
// CodeFile.h; this class shows their messages through the prompter and tells the cheque-book
// session which file is in use, so that saving a book can ask to keep the relationship.
class CodeFileSession : public QObject {
    Q_OBJECT
public:
    CodeFileSession(ui::Prompter& prompter, SettingsStore& settings, ChequeBookSession& books,
                    QObject* parent = nullptr);

    const CodeTable& table() const { return table_; }
    bool noCodeFile() const { return noCodeFile_; }
    bool loaded() const { return !noCodeFile_; }
    bool codesChanged() const { return codesChanged_; }
    // For the code maintenance window after it changed the table.
    CodeTable& table() { return table_; }
    void markCodesChanged() { codesChanged_ = true; }
    // The table was started by "&Create File" and holds nothing from a file.
    bool isNewTable() const { return newTable_; }
    // Writes the table to the active file; false when the write failed (its box was shown).
    bool saveChanges() { return write(activePath_); }
    QString activePath() const { return activePath_; }
    QString fileTitle() const { return fileTitle_; }
    QString defaultPath() const { return defaultPath_; }

    // Start-up: the file named by "Codetypes" as read from the settings (trailing blanks removed;
    // empty when nothing could be read).
    void loadAtStart(const std::string& codetypes);
    // The file an opened cheque book names in its link record.
    void loadLinked(const QString& name);
    // Exit: writes the table when it changed; false when the write failed (its box was shown).
    bool saveAtExit();

    // The commands of the "Budget/Code File &Maintenance" menu.
    void openFile();
    void saveFile();
    void saveAs();
    void setDefault();
    // "&Create File": true when a new, empty table was started for the chosen file.
    bool createFile();

    static ui::FileDialogOptions codeFileDialog(const QString& title);

    // Lets the disk's failures be staged for every write of the code file.
    void setSaveFault(runtime::FaultInjector fault) { saveFault_ = std::move(fault); }

signals:
    // A file was loaded, or a load failed: what depends on a loaded file must be updated.
    void stateChanged();

private:
    void load(const std::string& activePath, const std::string& codetypes);
    void show(runtime::Message message);
    void tell(const QString& text, int style);
    bool write(const QString& path);
    // True when the path can be stored in the settings and link record; otherwise says why not.
    bool acceptablePath(const QString& path);
    // "Save current Budget/Code file ..." before the table is replaced, when it has changes.
    void offerToSaveChanges();

    ui::Prompter& prompter_;
    SettingsStore& settings_;
    ChequeBookSession& books_;
    CodeTable table_;
    bool noCodeFile_ = true;
    bool codesChanged_ = false;
    bool newTable_ = false;
    QString activePath_;
    QString fileTitle_;
    QString defaultPath_;
    runtime::FaultInjector saveFault_;
};

} // namespace ledger
