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

QString boxText(std::string_view text) {
    QString shown = qs(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

CalendarLink::CalendarLink(frmChqList& main, ui::Prompter& prompter, const runtime::Clock& clock)
    : QObject(&main), main_(main), prompter_(prompter), clock_(clock) {
    connect(main.mnuQuikMemos, &QAction::triggered, this, &CalendarLink::mnuQuikMemos_Click);
    connect(main.Command3D4, &ui::SSCommand::clicked, this, &CalendarLink::mnuQuikMemos_Click);
}

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
    connect(entry.cmdCalendar, &ui::SSCommand::clicked, this, [this, &entry] { cmdCalendar_Click(entry); });
    connect(entry.nmuCalendar, &QAction::triggered, this, [this, &entry] { cmdCalendar_Click(entry); });
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
            entry.nmuCalendar->setText(QStringLiteral("&Run Calendar"));
        }
        return;
    }
    entry_ = &entry;
    if (open(CalendarOwner::EntryForm, &entry))
        entry.nmuCalendar->setText(QStringLiteral("&Close Calendar"));
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
        entry_->nmuCalendar->setText(QStringLiteral("&Run Calendar"));
    entry_.clear();
    window_.clear();
    owner_ = CalendarOwner::MainWindow;
    main_.setCalendarOpen(false);
}

void CalendarLink::dateChosen(const QString& date, int day) {
    if (owner_ != CalendarOwner::EntryForm || !entry_)
        return;
    // The standing-item modes hold a day of the month in the date box.
    entry_->txtDate->setText(isAutoDupMode(entry_->mode()) ? QString::number(day) : date);
    entry_->activateWindow();
    entry_->txtDate->setFocus();
}

} // namespace ledger
