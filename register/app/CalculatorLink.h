#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace ui {
class Clipboard;
class Prompter;
} // namespace ui

namespace ledger {

class frmChqList;
class frmChqUP;

// Runs the calculator Abacon (NmuCalc, the main window's Command3D1, the entry form's cmdAbacon):
// a running one, found by its caption, may be closed; otherwise a new one is started. The
// register never waits for it.
class CalculatorLink : public QObject {
    Q_OBJECT
public:
    CalculatorLink(frmChqList& main, ui::Prompter& prompter);
    ~CalculatorLink() override;

    // The calculator program found at start-up; empty: none was found.
    void setProgram(const QString& path) { program_ = path; }
    const QString& program() const { return program_; }
    // The calculators this register started and that may still run.
    const std::vector<int>& startedProcesses() const { return started_; }

    void NmuCalc_Click();
    void attachEntryForm(frmChqUP& entry);

private:
    // Collects calculators that have ended, so none lingers as a zombie.
    void collectEnded();

    ui::Prompter& prompter_;
    QString program_;
    std::vector<int> started_;
};

// Connects an entry form's calendar and calculator buttons to the main window's links; an entry
// form without a main window (its own tests) keeps them unconnected.
void attachEntryFormLinks(frmChqUP& entry);

} // namespace ledger
