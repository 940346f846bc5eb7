#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QDialog;

namespace ui {

class Printer;

// Message-box styles: one button set + one icon + one default button, added together.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;

inline constexpr int kButtonsMask = 0x0F;
inline constexpr int kIconMask = 0x70;
inline constexpr int kDefaultButtonMask = 0x300;

// Message-box answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

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

} // namespace ui
