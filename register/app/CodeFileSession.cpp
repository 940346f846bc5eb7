#include "register/app/CodeFileSession.h"
#include "register/app/QtText.h"

#include "register/app/ChequeBookSession.h"
#include "register/core/FileSearch.h"
#include "register/core/Settings.h"
#include "ui/Prompter.h"
#include "winapi/Paths.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace ledger {

namespace {

// The rules write a line break as CR; the boxes show it as a new line.
const QString kNoCodeFile = QStringLiteral("No Budget/Code file in use!");

bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() ? ca == QFileInfo(b).canonicalFilePath()
                         : QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

CodeFileSession::CodeFileSession(ui::Prompter& prompter, SettingsStore& settings, ChequeBookSession& books,
                                 QObject* parent)
    : QObject(parent), prompter_(prompter), settings_(settings), books_(books) {}

ui::FileDialogOptions CodeFileSession::codeFileDialog(const QString& title) {
    ui::FileDialogOptions options;
    options.title = title;
    options.filter = QStringLiteral("Budget/Code Files (*.csv)|*.csv|All Files (*.*)|*.*");
    options.filterIndex = 1;
    options.defaultExt = QStringLiteral("csv");
    options.createPrompt = true;
    options.hideReadOnly = true;
    options.overwritePrompt = true;
    return options;
}

void CodeFileSession::show(runtime::Message message) {
    std::ranges::replace(message.text, '\r', '\n'); // a new line, as in boxText
    ui::show(prompter_, message);
}

bool CodeFileSession::acceptablePath(const QString& path) {
    if (isStorablePath(utf8(path)))
        return true;
    tell(boxText(unstorablePathMessage(utf8(path))), ui::vbOKOnly + ui::vbExclamation);
    return false;
}

void CodeFileSession::tell(const QString& text, int style) {
    prompter_.msgBox(text, style, QString::fromLatin1(kAppTitle));
}

void CodeFileSession::loadAtStart(const std::string& codetypes) {
    // The file named in the settings is the default one.
    defaultPath_ = qs(codetypes.empty() ? kDefaultCodeFileName : codetypes);
    load(std::string(), codetypes);
}

void CodeFileSession::loadLinked(const QString& name) {
    // The file already in use stays as it is, edits included; only another file replaces it.
    if (loaded() && sameFile(name, activePath_))
        return;
    // Loading replaces the table, so edits not yet written would be lost without a word.
    offerToSaveChanges();
    load(utf8(name), std::string());
}

void CodeFileSession::load(const std::string& activePath, const std::string& codetypes) {
    CodeFileSource source;
    source.activePath = activePath;
    source.codetypesSetting = codetypes;
    source.findFileInPath = [](std::string_view name) {
        const char* pathEnv = std::getenv("PATH");
        return findInPath(name, winapi::programDirectory().string(), pathEnv ? pathEnv : "");
    };
    CodeFileLoad result = loadCodeFile(source);
    // Every box is shown; the answer to "Not Found! Continue?" changes nothing, since the table
    // stays empty either way.
    for (const runtime::Message& message : result.messages)
        show(message);

    table_ = std::move(result.table);
    noCodeFile_ = result.noCodeFile;
    codesChanged_ = false;
    newTable_ = false;
    activePath_ = qs(result.path);
    fileTitle_ = qs(result.fileTitle);
    books_.setCodeFile(loaded() ? activePath_ : QString());
    emit stateChanged();
}

bool CodeFileSession::write(const QString& path) {
    const CodeFileSave result = saveCodeFile(utf8(path), table_, saveFault_);
    if (!result.ok) {
        if (result.message)
            show(*result.message);
        return false;
    }
    codesChanged_ = false;
    return true;
}

bool CodeFileSession::saveAtExit() {
    if (!loaded() || !codesChanged_)
        return true;
    return write(activePath_);
}

void CodeFileSession::offerToSaveChanges() {
    if (!loaded() || !codesChanged_)
        return;
    if (prompter_.msgBox(QStringLiteral("Save current Budget/Code file ") + activePath_,
                         ui::vbYesNo + ui::vbQuestion, QString::fromLatin1(kAppTitle)) == ui::vbYes)
        write(activePath_);
}

void CodeFileSession::openFile() {
    offerToSaveChanges();
    const auto choice = prompter_.openFile(codeFileDialog(QStringLiteral("Open Budget/Code File")));
    if (!choice || !acceptablePath(choice->path))
        return;
    // The book's reference to its code file changes with it.
    books_.markChanged();
    load(utf8(choice->path), std::string());
}

bool CodeFileSession::createFile() {
    offerToSaveChanges();
    const auto choice = prompter_.saveFile(codeFileDialog(QStringLiteral("New Budget/Code File")));
    if (!choice)
        return false;
    table_.clear();
    noCodeFile_ = false;
    newTable_ = true;
    codesChanged_ = false;
    activePath_ = choice->path;
    fileTitle_ = choice->fileTitle;
    books_.markChanged();
    books_.setCodeFile(activePath_);
    emit stateChanged();
    return true;
}

void CodeFileSession::saveFile() {
    if (!loaded()) {
        tell(kNoCodeFile, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    if (prompter_.msgBox(QStringLiteral("Save current Budget/Code file ") + activePath_,
                         ui::vbYesNo + ui::vbQuestion, QString::fromLatin1(kAppTitle)) == ui::vbYes)
        write(activePath_);
}

void CodeFileSession::saveAs() {
    if (!loaded()) {
        tell(QStringLiteral("No Budget/Code File available!"), ui::vbOKOnly + ui::vbCritical);
        return;
    }
    const auto choice = prompter_.saveFile(codeFileDialog(QStringLiteral("Budget/Code File - Save As")));
    if (!choice || !acceptablePath(choice->path))
        return;
    // The new name is taken only once the file is there, so a failed write leaves the
    // relationship with the file that exists.
    if (!write(choice->path))
        return;
    activePath_ = choice->path;
    fileTitle_ = choice->fileTitle;
    books_.setCodeFile(activePath_);
}

void CodeFileSession::setDefault() {
    if (!loaded()) {
        tell(kNoCodeFile, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    if (prompter_.msgBox(activePath_ + QStringLiteral(" will be saved as the default\nBudget/Code File"),
                         ui::vbYesNo + ui::vbExclamation, QString::fromLatin1(kAppTitle)) != ui::vbYes)
        return;
    if (!settings_.writeString("Codetypes", utf8(activePath_))) {
        tell(QStringLiteral("Unable to write Budget/Code file name to INI file!"),
             ui::vbOKOnly + ui::vbCritical);
        return;
    }
    defaultPath_ = activePath_;
}

} // namespace ledger
