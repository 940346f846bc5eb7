// Which button and menu item of the main register window runs which command. The command objects
// work on the session, the model and the window's own operations; only the window knows its
// controls.
#include "register/app/frmChqList.h"

#include "help/viewer/WinHelp.h"
#include "register/app/BackupCommands.h"
#include "register/app/CalculatorLink.h"
#include "register/app/CalendarLink.h"
#include "register/app/CodeCommands.h"
#include "register/app/OptionCommands.h"
#include "register/app/RegisterCommands.h"
#include "register/app/RegisterHelp.h"
#include "register/app/ReportCommands.h"
#include "ui/SSCommand.h"
#include "ui/Vx3dList.h"

#include <QAction>
#include <QCoreApplication>

#include <cstdint>
#include <tuple>

namespace ledger {

namespace {

template <class Target, class Slot> void onClick(ui::SSCommand* button, Target* target, Slot slot) {
    QObject::connect(button, &ui::SSCommand::clicked, target, slot);
}

template <class Target, class Slot> void onMenu(QAction* item, Target* target, Slot slot) {
    QObject::connect(item, &QAction::triggered, target, slot);
}

} // namespace

void frmChqList::createCommands() {
    // Every command object is owned by the window.
    auto* help = new RegisterHelp(*this, prompter_);
    const auto atContext = [help](QAction* item, int context) {
        connect(item, &QAction::triggered, help, [help, context] { help->context(context); });
    };
    atContext(mnuFeatures, 1100);
    connect(mnuHelpContents, &QAction::triggered, help, [help] { help->help(::help::HELP_CONTENTS, 0); });
    atContext(mnuButtonbar, 600);
    atContext(mnuAccessHelp, 400);
    atContext(mnuMenulist, 200);
    atContext(mnuHelpTopics, 300);
    connect(mnuHelpSearch, &QAction::triggered, help, [help] {
        static const char emptyKey[] = "";
        help->help(::help::HELP_PARTIALKEY, reinterpret_cast<std::uintptr_t>(emptyKey));
    });
    connect(mnuHelponHelp, &QAction::triggered, help, [help] { help->help(::help::HELP_HELPONHELP, 0); });

    // The lock and the backups of the open book.
    auto* backups = new BackupCommands(*this, prompter_, clock_);
    session_.setBookGuard(&backups->guard());
    onMenu(mnuRestoreBackup, backups, &BackupCommands::restoreFromBackup);

    auto* items = new RegisterCommands(*this, prompter_, clock_, clipboard_);
    for (auto [button, menu, popup, slot] :
         {std::tuple{cmdNewItem, mnuNewTransaction, popupNew, &RegisterCommands::newItem},
          std::tuple{cmdChange, mnuChangeTrans, popupChange, &RegisterCommands::changeItem},
          std::tuple{cmdDefined, mnuDefined, popupDup, &RegisterCommands::duplicateItem},
          std::tuple{ctlCleared, mnuCleared, popupCleared, &RegisterCommands::toggleCleared},
          std::tuple{cmdDelete, mnuDeleteTransaction, popupDelete, &RegisterCommands::startDelete}}) {
        onClick(button, items, slot);
        onMenu(menu, items, slot);
        onMenu(popup, items, slot);
    }
    onMenu(mnuAddAutoDup, items, &RegisterCommands::addAutoDup);
    for (auto [button, menu, slot] :
         {std::tuple{cmdSortDates, mnuDateSort, &RegisterCommands::sortOnDates},
          std::tuple{cmdSortCodes, mnuCodeSort, &RegisterCommands::sortOnCodes},
          std::tuple{cmdSearch, mnuSearch, &RegisterCommands::search},
          std::tuple{cmdReconcile, mnuReconcile, &RegisterCommands::reconcile},
          std::tuple{cmdAutoDupEdit, mnuEditAuto, &RegisterCommands::editAutoDup},
          std::tuple{cmdAutoDupProcess, mnuProcessAuto, &RegisterCommands::processAutoDup},
          std::tuple{cmdAutoDupRemove, mnuRemoveAuto, &RegisterCommands::removeAutoDup},
          std::tuple{cmdAutoDupClose, mnuCloseAuto, &RegisterCommands::closeAutoDups}}) {
        onClick(button, items, slot);
        onMenu(menu, items, slot);
    }
    connect(lstChqList, &ui::Vx3dList::dblClick, items, &RegisterCommands::toggleCleared);
    onClick(picChkmark, items, &RegisterCommands::confirmDelete);
    onClick(cmdDelCancel, items, &RegisterCommands::cancelDelete);
    onMenu(mnuCopy, items, &RegisterCommands::copyItems);
    onMenu(mnuPopupCopy, items, &RegisterCommands::copyItems);
    onClick(UpPointer, items, &RegisterCommands::firstItem);
    onClick(DownPointer, items, &RegisterCommands::lastItem);
    onMenu(mnuViewProcess, items, &RegisterCommands::viewAutoDups);

    auto* codes = new CodeCommands(*this, prompter_);
    onMenu(mnuCreateCodeFile, codes, &CodeCommands::createFile);
    onMenu(mnuEditCodes, codes, &CodeCommands::editCodes);
    onMenu(mnuSelect, codes, &CodeCommands::selectAndList);
    onClick(cmdSelect, codes, &CodeCommands::selectAndList);
    onMenu(mnuBudgetPeriod, codes, &CodeCommands::selectBudgetPeriod);

    auto* reports = new ReportCommands(*this, prompter_, clock_, clipboard_, printer_);
    onMenu(mnuPrint, reports, &ReportCommands::printRegister);
    onMenu(mnuPrintPreview, reports, &ReportCommands::previewRegister);
    onClick(cmdPrint, reports, &ReportCommands::printRegister);
    onMenu(mnuSaveANSI, reports, &ReportCommands::saveAnsi);
    onMenu(mnuComma, reports, &ReportCommands::saveComma);
    onMenu(mnuBudgetSummary, reports, &ReportCommands::budgetSummary);
    onMenu(mnuIncomeStmt, reports, &ReportCommands::incomeStatement);
    connect(codes, &CodeCommands::listingChosen, reports, &ReportCommands::showCodeListing);

    auto* options = new OptionCommands(*this, prompter_, QCoreApplication::applicationFilePath());
    onMenu(mnuTextColor, options, &OptionCommands::mnuTextColor_Click);
    onMenu(mnuBackColor, options, &OptionCommands::mnuBackColor_Click);
    onMenu(mnuCustFonts, options, &OptionCommands::mnuCustFonts_Click);
    onMenu(mnuRestoreDefaults, options, &OptionCommands::mnuRestoreDefaults_Click);
    onMenu(mnuInfo, options, &OptionCommands::mnuInfo_Click);
    onMenu(mnuAboutLedgrn, options, &OptionCommands::mnuAboutLedgrn_Click);

    auto* calendar = new CalendarLink(*this, prompter_, clock_);
    onMenu(mnuQuikMemos, calendar, &CalendarLink::mnuQuikMemos_Click);
    onClick(Command3D4, calendar, &CalendarLink::mnuQuikMemos_Click);

    auto* calculator = new CalculatorLink(*this, prompter_);
    onMenu(NmuCalc, calculator, &CalculatorLink::NmuCalc_Click);
    onClick(Command3D1, calculator, &CalculatorLink::NmuCalc_Click);
}

} // namespace ledger
