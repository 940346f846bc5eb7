#include "ui/ScriptedPrompter.h"

#include <QDialog>

namespace ui {

namespace {

QString buttonsName(int buttons) {
    switch (buttons) {
    case vbOKOnly: return QStringLiteral("OK");
    case vbOKCancel: return QStringLiteral("OK/Cancel");
    case vbAbortRetryIgnore: return QStringLiteral("Abort/Retry/Ignore");
    case vbYesNoCancel: return QStringLiteral("Yes/No/Cancel");
    case vbYesNo: return QStringLiteral("Yes/No");
    case vbRetryCancel: return QStringLiteral("Retry/Cancel");
    default: return QStringLiteral("buttons %1").arg(buttons);
    }
}

QString iconName(int icon) {
    switch (icon) {
    case 0: return QStringLiteral("no icon");
    case vbCritical: return QStringLiteral("Critical");
    case vbQuestion: return QStringLiteral("Question");
    case vbExclamation: return QStringLiteral("Exclamation");
    case vbInformation: return QStringLiteral("Information");
    default: return QStringLiteral("icon %1").arg(icon);
    }
}

QString answerName(int answer) {
    switch (answer) {
    case vbOK: return QStringLiteral("OK");
    case vbCancel: return QStringLiteral("Cancel");
    case vbAbort: return QStringLiteral("Abort");
    case vbRetry: return QStringLiteral("Retry");
    case vbIgnore: return QStringLiteral("Ignore");
    case vbYes: return QStringLiteral("Yes");
    case vbNo: return QStringLiteral("No");
    default: return QStringLiteral("answer %1").arg(answer);
    }
}

QList<int> answersOf(int style) {
    switch (style & kButtonsMask) {
    case vbOKOnly: return {vbOK};
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {};
    }
}

// What a careful user would answer to a box nobody expected: the choice that changes nothing.
int safeAnswer(int style) {
    switch (style & kButtonsMask) {
    case vbOKOnly: return vbOK;
    case vbAbortRetryIgnore: return vbAbort;
    case vbYesNo: return vbNo;
    default: return vbCancel;
    }
}

QString styleText(int style) {
    return QStringLiteral("%1 + %2%3")
        .arg(buttonsName(style & kButtonsMask), iconName(style & kIconMask),
             (style & kDefaultButtonMask) != 0
                 ? QStringLiteral(" + default button %1").arg((style & kDefaultButtonMask) / vbDefaultButton2 + 1)
                 : QString());
}

QString quoted(const QString& s) {
    QString escaped = s;
    escaped.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

QString ScriptedPrompter::kindName(Kind kind) {
    switch (kind) {
    case Kind::MsgBox: return QStringLiteral("msgBox");
    case Kind::Input: return QStringLiteral("inputBox");
    case Kind::OpenFile: return QStringLiteral("openFile");
    case Kind::SaveFile: return QStringLiteral("saveFile");
    case Kind::Color: return QStringLiteral("chooseColor");
    case Kind::Font: return QStringLiteral("chooseFont");
    case Kind::Print: return QStringLiteral("printDialog");
    case Kind::Preview: return QStringLiteral("printPreview");
    case Kind::Modal: return QStringLiteral("runModal");
    }
    return QString();
}

QString ScriptedPrompter::describe(const Record& record) {
    QString s = kindName(record.kind);
    switch (record.kind) {
    case Kind::MsgBox:
        s += QStringLiteral(" title %1 text %2 [%3]").arg(quoted(record.title), quoted(record.text), styleText(record.style));
        break;
    case Kind::Input: s += QStringLiteral(" title %1 prompt %2").arg(quoted(record.title), quoted(record.text)); break;
    case Kind::OpenFile:
    case Kind::SaveFile:
        s += QStringLiteral(" title %1 filter %2").arg(quoted(record.fileOptions.title), quoted(record.fileOptions.filter));
        break;
    case Kind::Color: s += QStringLiteral(" title %1 initial %2").arg(quoted(record.title), record.initialColor.name()); break;
    case Kind::Font: s += QStringLiteral(" initial %1").arg(quoted(record.initialFont.family())); break;
    case Kind::Print:
        s += QStringLiteral(" pages %1-%2").arg(record.printOptions.fromPage).arg(record.printOptions.toPage);
        break;
    case Kind::Preview: s += QStringLiteral(" title %1").arg(quoted(record.title)); break;
    case Kind::Modal: s += QStringLiteral(" window %1").arg(quoted(record.text)); break;
    }
    if (!record.answer.isEmpty())
        s += QStringLiteral(" -> ") + record.answer;
    return s;
}

ScriptedPrompter& ScriptedPrompter::expectMsgBox(const QString& title, const QString& text, int style, int answer) {
    Expectation e;
    e.kind = Kind::MsgBox;
    e.title = title;
    e.text = text;
    e.style = style;
    e.answer = answer;
    if (!answersOf(style).contains(answer))
        addFailure(QStringLiteral("expectMsgBox %1: %2 is not a button of %3")
                       .arg(quoted(text), answerName(answer), buttonsName(style & kButtonsMask)));
    queue_.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectInput(const QString& title, const QString& prompt,
                                                std::optional<QString> answer) {
    Expectation e;
    e.kind = Kind::Input;
    e.title = title;
    e.text = prompt;
    e.input = std::move(answer);
    queue_.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectOpenFile(std::optional<FileDialogResult> result) {
    Expectation e;
    e.kind = Kind::OpenFile;
    e.file = std::move(result);
    queue_.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectSaveFile(std::optional<FileDialogResult> result) {
    Expectation e;
    e.kind = Kind::SaveFile;
    e.file = std::move(result);
    queue_.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectColor(std::optional<QColor> result) {
    Expectation e;
    e.kind = Kind::Color;
    e.color = std::move(result);
    queue_.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectFont(std::optional<QFont> result) {
    Expectation e;
    e.kind = Kind::Font;
    e.font = std::move(result);
    queue_.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectPrint(std::optional<PrintDialogResult> result) {
    Expectation e;
    e.kind = Kind::Print;
    e.print = std::move(result);
    queue_.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectPreview(const QString& title, bool printFromIt) {
    Expectation e;
    e.kind = Kind::Preview;
    e.title = title;
    e.printFromPreview = printFromIt;
    queue_.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectModal(const QString& objectName, ModalScript script) {
    Expectation e;
    e.kind = Kind::Modal;
    e.text = objectName;
    e.script = std::move(script);
    queue_.push_back(std::move(e));
    return *this;
}

void ScriptedPrompter::addFailure(const QString& message) { failures_ << message; }

std::optional<ScriptedPrompter::Expectation> ScriptedPrompter::take(const Record& record) {
    if (queue_.empty()) {
        addFailure(QStringLiteral("unexpected %1 (nothing more was expected)").arg(describe(record)));
        return std::nullopt;
    }
    if (queue_.front().kind != record.kind) {
        // Left in the queue: the prompt it stands for may still come, or is reported as missing.
        addFailure(QStringLiteral("unexpected %1 (expected %2 next)")
                       .arg(describe(record), kindName(queue_.front().kind)));
        return std::nullopt;
    }
    Expectation e = std::move(queue_.front());
    queue_.pop_front();
    return e;
}

int ScriptedPrompter::msgBox(const QString& text, int style, const QString& title) {
    Record r;
    r.kind = Kind::MsgBox;
    r.title = title;
    r.text = text;
    r.style = style;
    r.buttons = style & kButtonsMask;
    r.icon = style & kIconMask;
    int answer = safeAnswer(style);
    if (auto e = take(r)) {
        if (e->title != title || e->text != text || e->style != style) {
            addFailure(QStringLiteral("mismatched msgBox: got title %1 text %2 [%3], expected title %4 text %5 [%6]")
                           .arg(quoted(title), quoted(text), styleText(style), quoted(e->title), quoted(e->text),
                                styleText(e->style)));
        } else if (answersOf(style).contains(e->answer)) {
            answer = e->answer;
        }
    }
    r.answer = answerName(answer);
    transcript_.push_back(std::move(r));
    return answer;
}

std::optional<QString> ScriptedPrompter::inputBox(const QString& prompt, const QString& title,
                                                  const QString& defaultText) {
    Record r;
    r.kind = Kind::Input;
    r.title = title;
    r.text = prompt;
    std::optional<QString> answer;
    if (auto e = take(r)) {
        if (e->title != title || e->text != prompt)
            addFailure(QStringLiteral("mismatched inputBox: got title %1 prompt %2, expected title %3 prompt %4")
                           .arg(quoted(title), quoted(prompt), quoted(e->title), quoted(e->text)));
        else
            answer = e->input;
    }
    Q_UNUSED(defaultText);
    r.answer = answer ? quoted(*answer) : QStringLiteral("Cancel");
    transcript_.push_back(std::move(r));
    return answer;
}

std::optional<QString> ScriptedPrompter::passwordBox(const QString& prompt, const QString& title) {
    std::optional<QString> answer = inputBox(prompt, title);
    transcript_.back().masked = true;
    return answer;
}

std::optional<FileDialogResult> ScriptedPrompter::fileDialog(Kind kind, const FileDialogOptions& options) {
    Record r;
    r.kind = kind;
    r.title = options.title;
    r.fileOptions = options;
    std::optional<FileDialogResult> result;
    if (auto e = take(r))
        result = e->file;
    r.answer = result ? quoted(result->path) : QStringLiteral("Cancel");
    transcript_.push_back(std::move(r));
    return result;
}

std::optional<FileDialogResult> ScriptedPrompter::openFile(const FileDialogOptions& options) {
    return fileDialog(Kind::OpenFile, options);
}

std::optional<FileDialogResult> ScriptedPrompter::saveFile(const FileDialogOptions& options) {
    return fileDialog(Kind::SaveFile, options);
}

std::optional<QColor> ScriptedPrompter::chooseColor(const QColor& initial, const QString& title) {
    Record r;
    r.kind = Kind::Color;
    r.title = title;
    r.initialColor = initial;
    std::optional<QColor> result;
    if (auto e = take(r))
        result = e->color;
    r.answer = result ? result->name() : QStringLiteral("Cancel");
    transcript_.push_back(std::move(r));
    return result;
}

std::optional<QFont> ScriptedPrompter::chooseFont(const QFont& initial) {
    Record r;
    r.kind = Kind::Font;
    r.initialFont = initial;
    std::optional<QFont> result;
    if (auto e = take(r))
        result = e->font;
    r.answer = result ? quoted(result->family()) : QStringLiteral("Cancel");
    transcript_.push_back(std::move(r));
    return result;
}

std::optional<PrintDialogResult> ScriptedPrompter::printDialog(const PrintDialogOptions& options) {
    Record r;
    r.kind = Kind::Print;
    r.printOptions = options;
    std::optional<PrintDialogResult> result;
    if (auto e = take(r))
        result = e->print;
    r.answer = result ? QStringLiteral("Print") : QStringLiteral("Cancel");
    transcript_.push_back(std::move(r));
    return result;
}

bool ScriptedPrompter::printPreview(const QString& title, const std::function<void(Printer&)>& render) {
    Record r;
    r.kind = Kind::Preview;
    r.title = title;
    bool print = false;
    if (auto e = take(r)) {
        if (e->title != title)
            addFailure(QStringLiteral("mismatched printPreview: got title %1, expected title %2")
                           .arg(quoted(title), quoted(e->title)));
        else
            print = e->printFromPreview;
    }
    // The window shows the pages even when it was not expected; only printing needs the script.
    previewed_ = RecordingPrinter();
    render(previewed_);
    previewed_.endDoc();
    if (print) {
        printedFromPreview_ = RecordingPrinter();
        render(printedFromPreview_);
        printedFromPreview_.endDoc();
    }
    r.answer = print ? QStringLiteral("Print") : QStringLiteral("Close");
    transcript_.push_back(std::move(r));
    return print;
}

int ScriptedPrompter::runModal(QDialog& dialog) {
    Record r;
    r.kind = Kind::Modal;
    r.title = dialog.windowTitle();
    r.text = dialog.objectName();
    // Recorded before the script runs, so that prompts the window raises follow it in order.
    const std::size_t at = transcript_.size();
    transcript_.push_back(r);
    auto e = take(r);
    if (!e)
        return QDialog::Rejected;
    if (e->text != dialog.objectName()) {
        addFailure(QStringLiteral("mismatched runModal: got window %1, expected %2")
                       .arg(quoted(dialog.objectName()), quoted(e->text)));
        transcript_[at].answer = QStringLiteral("rejected");
        return QDialog::Rejected;
    }
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const int scripted = e->script ? e->script(dialog) : int(QDialog::Rejected);
    if (dialog.isVisible())
        dialog.done(scripted);
    const int result = dialog.result();
    transcript_[at].answer = QString::number(result);
    return result;
}

void ScriptedPrompter::beep() { ++beeps_; }

bool ScriptedPrompter::clean() const { return failures_.isEmpty() && queue_.empty(); }

QStringList ScriptedPrompter::failures() const {
    QStringList all = failures_;
    for (const Expectation& e : queue_) {
        Record r;
        r.kind = e.kind;
        r.title = e.title;
        r.text = e.text;
        r.style = e.style;
        all << QStringLiteral("missing %1").arg(describe(r));
    }
    return all;
}

QString ScriptedPrompter::report() const {
    QString s;
    for (const QString& f : failures())
        s += f + QLatin1Char('\n');
    s += QStringLiteral("transcript:\n");
    for (const Record& r : transcript_)
        s += QStringLiteral("  ") + describe(r) + QLatin1Char('\n');
    return s;
}

void ScriptedPrompter::reset() {
    queue_.clear();
    transcript_.clear();
    failures_.clear();
    beeps_ = 0;
}

} // namespace ui
