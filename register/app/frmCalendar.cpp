#include "register/app/frmCalendar.h"

#include "ole/AutomationError.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ledger {

frmCalendar::frmCalendar(const QString& today, QWidget* parent) : QWidget(parent, Qt::Window), today_(today) {
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Click to select date"));
    SSPanel1 = new ui::SSPanel(QStringLiteral("SSPanel1"), QString(), this);
    SSPanel1->setBevelWidth(2);
    cmdToDay = new ui::SSCommand(QStringLiteral("cmdToDay"), QStringLiteral("&ToDay"), this);
    cmdQuit = new ui::SSCommand(QStringLiteral("cmdQuit"), QStringLiteral("&Quit"), this);
    DateSelected = new QLabel(QStringLiteral("DateSelected"), this);
    DateSelected->setObjectName(QStringLiteral("DateSelected"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label1->setMinimumWidth(90);
    Label1->setAlignment(Qt::AlignCenter);

    site_.set(ole::DISPID_AMBIENT_USERMODE, ole::Variant::fromBool(true));
    site_.set(ole::DISPID_AMBIENT_DISPLAYNAME, ole::Variant::fromString(QStringLiteral("Calendar1")));
    ole::HRESULT hr = ole::S_OK;
    control_ = ole::CoCreateInstance(kCalendarClassId, SSPanel1, &hr);
    auto* panelLayout = new QVBoxLayout(SSPanel1);
    panelLayout->setContentsMargins(6, 6, 6, 6);
    if (control_) {
        Calendar1 = control_.get();
        Calendar1->setObjectName(QStringLiteral("Calendar1"));
        Calendar1->SetClientSite(&site_);
        Calendar1->InitNew();
        Calendar1->AdviseEvents(this);
        Calendar1->setMinimumSize(260, 210);
        Calendar1->setFocusPolicy(Qt::StrongFocus);
        panelLayout->addWidget(Calendar1);
    } else {
        failure_ = hr == ole::REGDB_E_CLASSNOTREG ? QStringLiteral("it is not registered")
                                                  : QStringLiteral("error 0x%1").arg(static_cast<unsigned>(hr), 8, 16,
                                                                                     QLatin1Char('0'));
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdToDay);
    buttons->addStretch(1);
    buttons->addWidget(DateSelected);
    buttons->addWidget(Label1);
    buttons->addStretch(1);
    buttons->addWidget(cmdQuit);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(SSPanel1, 1);
    outer->addLayout(buttons);

    connect(cmdToDay, &ui::SSCommand::clicked, this, &frmCalendar::cmdToDay_Click);
    connect(cmdQuit, &ui::SSCommand::clicked, this, &QWidget::close);

    // Load: today is remembered, shown and given to the control.
    setDate(today_);
    if (Calendar1)
        Calendar1->setFocus();
}

frmCalendar::~frmCalendar() {
    if (Calendar1)
        Calendar1->UnadviseEvents(this);
}

void frmCalendar::setDate(const QString& date) {
    Label1->setText(date);
    if (!Calendar1)
        return;
    try {
        Calendar1->dispatchPut(QStringLiteral("Date"), ole::Variant::fromString(date));
    } catch (const ole::AutomationError&) {
        // A date the control refuses leaves it on the day it shows; the label still says today.
    }
}

void frmCalendar::OnEvent(ole::DISPID dispid, std::vector<ole::Variant>& args) {
    if (dispid == ole::DISPID_CLICK)
        Calendar1_Click();
    else if (dispid == ole::DISPID_KEYPRESS && !args.empty())
        Calendar1_KeyPress(args.front().toLong());
}

void frmCalendar::Calendar1_Click() {
    if (!Calendar1)
        return;
    QString date;
    int day = 0;
    try {
        date = Calendar1->dispatchGet(QStringLiteral("Date")).toString();
        day = Calendar1->dispatchGet(QStringLiteral("Day")).toLong();
    } catch (const ole::AutomationError&) {
        return;
    }
    Label1->setText(date);
    if (dateClicked)
        dateClicked(date, day);
}

void frmCalendar::Calendar1_KeyPress(int keyAscii) {
    if (keyAscii == 13)
        close();
}

void frmCalendar::cmdToDay_Click() {
    setDate(today_);
}

void frmCalendar::closeQuietly() {
    quiet_ = true;
    close();
    quiet_ = false;
}

void frmCalendar::closeEvent(QCloseEvent* event) {
    if (!quiet_ && mayClose && !mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace ledger
