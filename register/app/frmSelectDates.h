#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "runtime/OleDate.h"
#endif

#include <QDialog>

class QLabel;
class QLineEdit;

namespace ui {
class Prompter;
class SSCommand;
class SSPanel;
} // namespace ui

namespace ledger {

// The date-range window: a start and an end date, either left open ("mm/dd/yy", standing for
// 01/01/80 and 12/31/2099). A box is taken over when it is left; "&OK" takes over the box still
// being typed in and closes the window.
class frmSelectDates : public QDialog {
    Q_OBJECT
public:
    frmSelectDates(ui::Prompter& prompter, bool guidance, QWidget* parent = nullptr);

    void setRange(runtime::OleDate start, runtime::OleDate end);
    runtime::OleDate startDate() const { return start_; }
    runtime::OleDate endDate() const { return end_; }
    // A date was typed into the window.
    bool dateSelected() const { return dateSelected_; }

    QLabel* Label1 = nullptr; // heading
    QLabel* Label2 = nullptr; // "Start"
    QLabel* Label3 = nullptr; // "End"
    QLineEdit* txtStart = nullptr;
    QLineEdit* txtEnd = nullptr;
    ui::SSCommand* Command3D1 = nullptr;
    ui::SSPanel* Panel3D2 = nullptr; // hint, with guidance messages only

public slots:
    // False when the box holds text that is not a date.
    bool txtStart_LostFocus();
    bool txtEnd_LostFocus();
    void Command3D1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takeOver(QLineEdit* box, runtime::OleDate& date, runtime::OleDate openEnd);
    void showRange();

    ui::Prompter& prompter_;
    bool guidance_;
    bool checking_ = false;
    runtime::OleDate start_ = runtime::kRegisterMinDate;
    runtime::OleDate end_ = runtime::kRegisterMaxDate;
    bool dateSelected_ = false;
};

} // namespace ledger
