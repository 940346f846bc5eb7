#include "register/app/CalculatorLink.h"

#include "register/app/CalendarLink.h"
#include "register/app/QtText.h"
#include "register/app/frmChqList.h"
#include "register/app/frmChqUP.h"
#include "register/core/Options.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "winapi/Process.h"
#include "winapi/Window.h"

#include <QAction>
#include <QFile>

#include <algorithm>
#include <chrono>

namespace ledger {

CalculatorLink::CalculatorLink(frmChqList& main, ui::Prompter& prompter) : QObject(&main), prompter_(prompter) {}

CalculatorLink::~CalculatorLink() {
    collectEnded();
}

void CalculatorLink::attachEntryForm(frmChqUP& entry) {
    connect(&entry, &frmChqUP::calculatorRequested, this, &CalculatorLink::NmuCalc_Click);
}

void CalculatorLink::collectEnded() {
    std::erase_if(started_, [](int pid) { return winapi::waitForProcess(pid, std::chrono::milliseconds(0)).has_value(); });
}

void CalculatorLink::NmuCalc_Click() {
    collectEnded();
    const std::string caption(kCalculatorCaption);
    if (winapi::FindWindowA(nullptr, caption.c_str())) {
        QString question = qs(kCalculatorRunning);
        question.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (prompter_.msgBox(question, ui::vbYesNo + ui::vbQuestion, QStringLiteral("Ledgerine 95")) == ui::vbYes) {
            winapi::AppActivate(caption);
            winapi::SendKeys(winapi::FindWindowA(nullptr, caption.c_str()), kCalculatorCloseKeys);
        }
        return;
    }
    const int pid = program_.isEmpty() ? -1 : winapi::startProcess(QFile::encodeName(program_).toStdString());
    if (pid < 0) {
        prompter_.beep();
        prompter_.msgBox(qs(kCalculatorNotAvailable), ui::vbOKOnly + ui::vbInformation, qs(kRunCalculatorTitle));
        return;
    }
    started_.push_back(pid);
}

void attachEntryFormLinks(frmChqUP& entry) {
    QWidget* main = entry.parentWidget();
    if (!main)
        return;
    if (auto* calendar = main->findChild<CalendarLink*>(QString(), Qt::FindDirectChildrenOnly))
        calendar->attachEntryForm(entry);
    if (auto* calculator = main->findChild<CalculatorLink*>(QString(), Qt::FindDirectChildrenOnly))
        calculator->attachEntryForm(entry);
}

} // namespace ledger
