#pragma once

#ifndef Q_MOC_RUN
#include "register/core/Options.h"
#endif

#include <QObject>
#include <QPointer>

namespace runtime {
class Clock;
}
namespace ui {
class Prompter;
}

namespace ledger {

class frmCalendar;
class frmChqList;
class frmChqUP;

// The one calendar window of the program: opened and closed from the main window's toggle
// (mnuQuikMemos, Command3D4) and from the entry form (cmdCalendar, nmuCalendar). Who opened it
// decides what closing asks and whether a chosen day goes into the entry form's date box.
class CalendarLink : public QObject {
    Q_OBJECT
public:
    CalendarLink(frmChqList& main, ui::Prompter& prompter, const runtime::Clock& clock);
    ~CalendarLink() override;

    bool isOpen() const;
    CalendarOwner owner() const { return owner_; }
    frmCalendar* window() const;

    // The main window's toggle.
    void mnuQuikMemos_Click();
    // Connects an entry form's calendar button and menu item.
    void attachEntryForm(frmChqUP& entry);
    void cmdCalendar_Click(frmChqUP& entry);

private:
    bool open(CalendarOwner owner, QWidget* parent);
    // Closes the window without a question and marks the calendar closed.
    void closeByProgram();
    // The user closes the window: asks, and when the answer is Yes marks the calendar closed.
    bool userMayClose();
    void markClosed();
    void dateChosen(const QString& date, int day);
    bool askToClose(std::string_view text);

    frmChqList& main_;
    ui::Prompter& prompter_;
    const runtime::Clock& clock_;
    QPointer<frmCalendar> window_;
    QPointer<frmChqUP> entry_; // the entry form that opened the window
    CalendarOwner owner_ = CalendarOwner::MainWindow;
};

} // namespace ledger
