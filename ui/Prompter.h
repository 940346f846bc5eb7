#pragma once

#include "runtime/MessageBox.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QDialog;

namespace ui {

class Printer;

// The message-box styles and answers, under the names the windows use (ui::vbYesNo, ui::vbYes ...).
using runtime::mb::vbAbortRetryIgnore;
using runtime::mb::vbCritical;
using runtime::mb::vbDefaultButton1;
using runtime::mb::vbDefaultButton2;
using runtime::mb::vbDefaultButton3;
using runtime::mb::vbExclamation;
using runtime::mb::vbInformation;
using runtime::mb::vbOKCancel;
using runtime::mb::vbOKOnly;
using runtime::mb::vbQuestion;
using runtime::mb::vbRetryCancel;
using runtime::mb::vbYesNo;
using runtime::mb::vbYesNoCancel;

using runtime::mb::kButtonsMask;
using runtime::mb::kDefaultButtonMask;
using runtime::mb::kIconMask;

using runtime::mb::vbAbort;
using runtime::mb::vbCancel;
using runtime::mb::vbIgnore;
using runtime::mb::vbNo;
using runtime::mb::vbOK;
using runtime::mb::vbRetry;
using runtime::mb::vbYes;

struct FileDialogOptions {
    QString title;
    QString filter;      // "LGN Files (*.lgn)|*.lgn|All Files (*.*)|*.*"
    int filterIndex = 1; // 1-based, as the common dialog counts
    QString defaultExt;  // "lgn", appended to a typed name without extension
    QString initialDir;
    QString fileName;
    bool createPrompt = false;
    bool hideReadOnly = false;
    bool overwritePrompt = false;
    bool fileMustExist = false;
};

struct FileDialogResult {
    QString path;      // full path of the chosen file
    QString fileTitle; // its name without the folder
    int filterIndex = 1;
};

struct PrintDialogOptions {
    int fromPage = 0;
    int toPage = 0;
    int minPage = 0;
    int maxPage = 0;
    int copies = 1;
    bool allowPageRange = false;
};

enum class PrintRange { All, Pages, Selection };

struct PrintDialogResult {
    PrintRange range = PrintRange::All;
    int fromPage = 0;
    int toPage = 0;
    int copies = 1;
    QString printerName; // empty: the default printer
    QString outputFile;  // non-empty: print to this PDF file
};

// The one way a window asks the user anything. Windows get it passed in; tests pass a
// ScriptedPrompter, the programs a QtPrompter.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Returns vbOK .. vbNo.
    virtual int msgBox(const QString& text, int style = vbOKOnly, const QString& title = QString()) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title = QString(),
                                            const QString& defaultText = QString()) = 0;
    // An input box whose answer shows as "*" while it is typed (a password); nullopt when
    // cancelled. Without a masked box of its own a prompter asks through inputBox.
    virtual std::optional<QString> passwordBox(const QString& prompt, const QString& title = QString()) {
        return inputBox(prompt, title);
    }
    virtual std::optional<FileDialogResult> openFile(const FileDialogOptions& options) = 0;
    virtual std::optional<FileDialogResult> saveFile(const FileDialogOptions& options) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial, const QString& title = QString()) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    virtual std::optional<PrintDialogResult> printDialog(const PrintDialogOptions& options) = 0;
    // The print preview: shows the pages `render` prints (it prints the whole document and leaves
    // ending it to the caller) and lets the user print them from there. True when printed.
    virtual bool printPreview(const QString& title, const std::function<void(Printer&)>& render) = 0;
    // Shows a window modally and returns its result (QDialog::Accepted / Rejected or done()'s code).
    virtual int runModal(QDialog& dialog) = 0;
    virtual void beep() = 0;
};

// Shows a box a core asked for (beeping first when it says so) and returns the answer.
inline int show(Prompter& prompter, const runtime::Message& message) {
    if (message.beep)
        prompter.beep();
    return prompter.msgBox(QString::fromStdString(message.text), message.style,
                           QString::fromStdString(message.title));
}

} // namespace ui
