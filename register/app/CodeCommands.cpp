#include "register/app/CodeCommands.h"
#include "register/app/QtText.h"

#include "register/app/CodeFileSession.h"
#include "register/app/frmChqList.h"
#include "register/app/frmEditCodes.h"
#include "register/app/frmSelectCodes.h"
#include "register/app/frmSelectDates.h"
#include "register/core/ChequeBook.h"
#include "register/core/CodeEdit.h"
#include "register/core/Item.h"
#include "ui/Prompter.h"

namespace ledger {

namespace {

const QString kApp = QStringLiteral("Ledgerine 95");

} // namespace

CodeCommands::CodeCommands(frmChqList& window, ui::Prompter& prompter)
    : QObject(&window), window_(window), prompter_(prompter) {}

void CodeCommands::tell(const QString& text, int style, const QString& title) {
    prompter_.msgBox(text, style, title);
}

bool CodeCommands::bookOpen(const QString& title) {
    if (window_.session().book())
        return true;
    tell(QStringLiteral("Cheque Book File not Opened"), ui::vbOKOnly + ui::vbExclamation, title);
    return false;
}

void CodeCommands::createFile() {
    if (!window_.codeFiles().createFile())
        return;
    frmEditCodes editor(window_.codeFiles(), prompter_, &window_);
    prompter_.runModal(editor);
}

void CodeCommands::editCodes() {
    if (!window_.codeFiles().loaded()) {
        tell(qs(kNoCodeFileInUse), ui::vbOKOnly + ui::vbCritical, kApp);
        return;
    }
    frmEditCodes editor(window_.codeFiles(), prompter_, &window_);
    prompter_.runModal(editor);
}

QString CodeCommands::chooseCode() {
    const CodeFileSession& codes = window_.codeFiles();
    const int index = frmSelectCodes::pick(prompter_, codes.table(), codes.fileTitle(), &window_);
    if (index != kNoCodeChosen)
        return qs(codes.table().at(static_cast<std::size_t>(index)).code);
    QString prompt = qs(kUnlistedCodePrompt);
    prompt.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    for (;;) {
        const std::optional<QString> answer =
            prompter_.inputBox(prompt, qs(kUnlistedCodeTitle), qs(kUnlistedCodeDefault));
        if (!answer)
            return {};
        switch (classifyUnlistedCode(answer->toStdString())) {
        case UnlistedCodeAnswer::AskAgain:
            continue;
        case UnlistedCodeAnswer::Cancel:
            return {};
        case UnlistedCodeAnswer::All:
            return QStringLiteral("ALL ");
        case UnlistedCodeAnswer::Code:
            return qs(fitText(answer->toStdString(), kCodeWidth));
        }
    }
}

void CodeCommands::selectAndList() {
    if (!bookOpen(QStringLiteral("Select Code")))
        return;
    if (!window_.codeFiles().loaded()) {
        tell(qs(kNoCodeFileInUse), ui::vbOKOnly + ui::vbCritical, kApp);
        return;
    }
    const QString code = chooseCode();
    if (code.isEmpty())
        return;
    listedCode_ = code;
    previousRange_ = range_;
    range_ = SelectionRange();
    frmSelectDates dates(prompter_, window_.messagesShown(), &window_);
    dates.setRange(range_.start, range_.end);
    prompter_.runModal(dates);
    range_ = {dates.startDate(), dates.endDate()};
    dateSelected_ = dates.dateSelected();
    emit listingChosen(listedCode_, range_.start, range_.end);
}

void CodeCommands::selectBudgetPeriod() {
    if (!bookOpen(QStringLiteral("Budget Period")))
        return;
    const ChequeBook* book = window_.session().book();
    frmSelectDates dates(prompter_, window_.messagesShown(), &window_);
    dates.setRange(book->period.start, book->period.end);
    prompter_.runModal(dates);
    // The window's modal loop may have let the book be closed.
    book = window_.session().book();
    if (!book)
        return;
    const BudgetPeriod chosen{dates.startDate(), dates.endDate()};
    if (chosen != book->period)
        window_.session().update([&chosen](ChequeBook& b) {
            b.period = chosen;
            return true;
        });
}

} // namespace ledger
