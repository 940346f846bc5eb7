#include "register/app/CalendarLink.h"

#include "register/app/QtText.h"
#include "register/app/frmCalendar.h"
#include "register/app/frmChqList.h"
#include "register/app/frmChqUP.h"
#include "runtime/Clock.h"
#include "runtime/Format.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"

#include <QAction>
#include <QLineEdit>

namespace ledger {

namespace {

const QString kApp = QStringLiteral("Ledgerine 95");

} // namespace

CalendarLink::CalendarLink(frmChqList& main, ui::Prompter& prompter, const runtime::Clock& clock)
    : QObject(&main), main_(main), prompter_(prompter), clock_(clock) {}

bool CalendarLink::isOpen() const {
    return !window_.isNull();
}

frmCalendar* CalendarLink::window() const {
    return window_.data();
}

CalendarLink::~CalendarLink() {
    delete window_.data();
}

bool CalendarLink::askToClose(std::string_view text) {
    return prompter_.msgBox(boxText(text), ui::vbYesNo + ui::vbQuestion, kApp) == ui::vbYes;
}

void CalendarLink::mnuQuikMemos_Click() {
    if (!isOpen()) {
        open(CalendarOwner::MainWindow, &main_);
        return;
    }
    if (askToClose(kCloseCalendarQuestion))
        closeByProgram();
}

void CalendarLink::attachEntryForm(frmChqUP& entry) {
    connect(&entry, &frmChqUP::calendarRequested, this, [this, &entry] { cmdCalendar_Click(entry); });
    // A calendar the entry form opened goes with it.
    connect(&entry, &QDialog::finished, this, [this, &entry] {
        if (isOpen() && entry_ == &entry)
            closeByProgram();
    });
}

void CalendarLink::cmdCalendar_Click(frmChqUP& entry) {
    if (isOpen()) {
        if (askToClose(kCalendarAlreadyOpen)) {
            closeByProgram();
            entry.showCalendarOpen(false);
        }
        return;
    }
    entry_ = &entry;
    if (open(CalendarOwner::EntryForm, &entry))
        entry.showCalendarOpen(true);
}

bool CalendarLink::open(CalendarOwner owner, QWidget* parent) {
    const QString today = qs(runtime::formatDate(runtime::today(clock_), kCalendarDatePattern));
    auto* window = new frmCalendar(today, parent);
    if (!window->hasControl()) {
        const QString why = window->failure();
        delete window;
        prompter_.msgBox(boxText(calendarUnavailableText(utf8(kCalendarClassId), utf8(why))),
                         ui::vbOKOnly + ui::vbExclamation, kApp);
        return false;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->mayClose = [this] { return userMayClose(); };
    window->dateClicked = [this](const QString& date, int day) { dateChosen(date, day); };
    window_ = window;
    owner_ = owner;
    if (owner != CalendarOwner::EntryForm)
        entry_.clear();
    main_.setCalendarOpen(true); // the main window's item and hint follow
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

void CalendarLink::closeByProgram() {
    if (!isOpen())
        return;
    owner_ = CalendarOwner::ProgramClosing;
    window_->closeQuietly();
    markClosed();
}

bool CalendarLink::userMayClose() {
    if (owner_ == CalendarOwner::ProgramClosing)
        return true;
    if (!askToClose(kCloseCalendarQuestion))
        return false;
    owner_ = CalendarOwner::ProgramClosing;
    markClosed();
    return true;
}

void CalendarLink::markClosed() {
    if (entry_)
        entry_->showCalendarOpen(false);
    entry_.clear();
    window_.clear();
    owner_ = CalendarOwner::MainWindow;
    main_.setCalendarOpen(false);
}

void CalendarLink::dateChosen(const QString& date, int day) {
    if (owner_ != CalendarOwner::EntryForm || !entry_)
        return;
    entry_->putChosenDate(date, day);
}

} // namespace ledger
