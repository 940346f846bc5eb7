#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "runtime/OleDate.h"
#endif

#include <QObject>
#include <QString>

namespace ui {
class Prompter;
}

namespace ledger {

class frmChqList;

// The range of dates a listing or report selects items from; "all" by default.
struct SelectionRange {
    runtime::OleDate start = runtime::kRegisterMinDate;
    runtime::OleDate end = runtime::kRegisterMaxDate;
};

// The budget/code commands of the main window that open windows: "&Create File" and "&Edit" of
// the maintenance menu, "Select and &List by Code" and "Select &Budget Period".
class CodeCommands : public QObject {
    Q_OBJECT
public:
    CodeCommands(frmChqList& window, ui::Prompter& prompter);

    const SelectionRange& selectionRange() const { return range_; }
    const SelectionRange& previousSelectionRange() const { return previousRange_; }
    bool dateSelected() const { return dateSelected_; }
    // The code "Select and List by Code" chose last ("ALL " for every item).
    const QString& listedCode() const { return listedCode_; }

signals:
    // "Select and List by Code" chose a code and a date range: the listing is the reports' to show.
    void listingChosen(const QString& code, runtime::OleDate start, runtime::OleDate end);

public slots:
    void createFile();
    void editCodes();
    void selectAndList();
    void selectBudgetPeriod();

private:
    bool bookOpen(const QString& title);
    void tell(const QString& text, int style, const QString& title);
    // The code to list: from the picker, or typed; empty when the command was cancelled.
    QString chooseCode();

    frmChqList& window_;
    ui::Prompter& prompter_;
    SelectionRange range_;
    SelectionRange previousRange_;
    bool dateSelected_ = false;
    QString listedCode_;
};


} // namespace ledger
