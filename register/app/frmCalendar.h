#pragma once

#include "ole/ClassFactory.h"
#include "ole/Site.h"

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;

namespace ui {
class SSCommand;
class SSPanel;
} // namespace ui

namespace ledger {

// The class of the calendar control, as the window has always named it.
inline const QString kCalendarClassId = QStringLiteral("{0A9F72E0-91CE-101B-AFF8-00AA003E1700}");

// "Click to select date": the calendar control hosted through the component layer, a label with
// the chosen date, and buttons for today and to quit. Modeless; CalendarLink decides what closing
// asks and where a chosen date goes.
class frmCalendar : public QWidget, private ole::EventSink {
    Q_OBJECT
public:
    // today: the date as "m/dd/yyyy", shown and given to the control.
    frmCalendar(const QString& today, QWidget* parent);
    ~frmCalendar() override;

    // False when the control could not be created; failure() then says why.
    bool hasControl() const { return static_cast<bool>(control_); }
    const QString& failure() const { return failure_; }

    // The user closes the window (close box, Quit, Enter in the calendar): false keeps it open.
    std::function<bool()> mayClose;
    // A day was clicked; the control's Date and Day at that moment.
    std::function<void(const QString& date, int day)> dateClicked;

    // Closes without asking (the program itself closes it).
    void closeQuietly();

    ui::SSPanel* SSPanel1 = nullptr;
    ole::COleControl* Calendar1 = nullptr;
    ui::SSCommand* cmdToDay = nullptr;
    ui::SSCommand* cmdQuit = nullptr;
    QLabel* DateSelected = nullptr;
    QLabel* Label1 = nullptr;

    void Calendar1_Click();
    void Calendar1_KeyPress(int keyAscii);
    void cmdToDay_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnEvent(ole::DISPID dispid, std::vector<ole::Variant>& args) override;
    void setDate(const QString& date);

    QString today_;
    QString failure_;
    ole::SimpleSite site_;
    ole::CreatedControl control_;
    bool quiet_ = false;
};

} // namespace ledger
