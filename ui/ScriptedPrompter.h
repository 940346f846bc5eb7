#pragma once

#include "ui/Printer.h"
#include "ui/Prompter.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace ui {

// The test twin of QtPrompter. A test queues the dialogue it expects, runs a flow, then checks
// QVERIFY2(p.clean(), qPrintable(p.report())). Every prompt is recorded. A prompt that is not the
// next expected one, or whose title, text or style differ, is a failure answered with the safe
// choice (Cancel, No, Abort, reject); expectations left over at the end are failures too.
// Nothing here throws, so it is safe inside Qt event handlers.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { MsgBox, Input, OpenFile, SaveFile, Color, Font, Print, Preview, Modal };

    struct Record {
        Kind kind = Kind::MsgBox;
        QString title;
        QString text;    // message or prompt; the object name of a modal window
        int buttons = 0; // style & kButtonsMask
        int icon = 0;    // style & kIconMask
        int style = 0;
        QString answer; // as the transcript shows it
        bool masked = false; // an input box whose answer shows as "*" (passwordBox)
        FileDialogOptions fileOptions;
        PrintDialogOptions printOptions;
        QColor initialColor;
        QFont initialFont;
    };

    using ModalScript = std::function<int(QDialog&)>;

    ScriptedPrompter& expectMsgBox(const QString& title, const QString& text, int style, int answer);
    // nullopt: the user cancels.
    ScriptedPrompter& expectInput(const QString& title, const QString& prompt, std::optional<QString> answer);
    ScriptedPrompter& expectOpenFile(std::optional<FileDialogResult> result);
    ScriptedPrompter& expectSaveFile(std::optional<FileDialogResult> result);
    ScriptedPrompter& expectColor(std::optional<QColor> result);
    ScriptedPrompter& expectFont(std::optional<QFont> result);
    ScriptedPrompter& expectPrint(std::optional<PrintDialogResult> result);
    // The print preview; `printFromIt`: the user prints from the preview window, else closes it.
    ScriptedPrompter& expectPreview(const QString& title, bool printFromIt);
    // The script drives the shown window (fills fields, clicks buttons); prompts it raises go to
    // this same queue. A window the script leaves open is closed with the script's return value.
    ScriptedPrompter& expectModal(const QString& objectName, ModalScript script);

    int msgBox(const QString& text, int style = vbOKOnly, const QString& title = QString()) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title = QString(),
                                    const QString& defaultText = QString()) override;
    // Answered by expectInput like any input box; the record is marked masked.
    std::optional<QString> passwordBox(const QString& prompt, const QString& title = QString()) override;
    std::optional<FileDialogResult> openFile(const FileDialogOptions& options) override;
    std::optional<FileDialogResult> saveFile(const FileDialogOptions& options) override;
    std::optional<QColor> chooseColor(const QColor& initial, const QString& title = QString()) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<PrintDialogResult> printDialog(const PrintDialogOptions& options) override;
    // Renders the pages onto previewed(), and onto printedFromPreview() when the script prints.
    bool printPreview(const QString& title, const std::function<void(Printer&)>& render) override;
    int runModal(QDialog& dialog) override;
    void beep() override;

    // True when no prompt failed and every expectation was used.
    bool clean() const;
    // The failures, the unused expectations and the whole transcript, for the test's message.
    QString report() const;
    QStringList failures() const;
    const std::vector<Record>& transcript() const { return transcript_; }
    int pendingCount() const { return static_cast<int>(queue_.size()); }
    int beepCount() const { return beeps_; }
    // What the last preview showed, and what was printed from it (60-line pages).
    const RecordingPrinter& previewed() const { return previewed_; }
    const RecordingPrinter& printedFromPreview() const { return printedFromPreview_; }
    // Forgets failures, expectations and transcript.
    void reset();

    static QString kindName(Kind kind);
    static QString describe(const Record& record);

private:
    struct Expectation {
        Kind kind = Kind::MsgBox;
        QString title;
        QString text;
        int style = 0;
        int answer = 0;
        std::optional<QString> input;
        std::optional<FileDialogResult> file;
        std::optional<QColor> color;
        std::optional<QFont> font;
        std::optional<PrintDialogResult> print;
        bool printFromPreview = false;
        ModalScript script;
    };

    // Takes the next expectation when it is of this kind; records an unexpected prompt otherwise.
    std::optional<Expectation> take(const Record& record);
    void addFailure(const QString& message);
    std::optional<FileDialogResult> fileDialog(Kind kind, const FileDialogOptions& options);

    std::deque<Expectation> queue_;
    std::vector<Record> transcript_;
    QStringList failures_;
    int beeps_ = 0;
    RecordingPrinter previewed_;
    RecordingPrinter printedFromPreview_;
};

} // namespace ui
