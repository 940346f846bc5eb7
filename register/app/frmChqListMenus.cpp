// The menus of the main register window: names, captions, shortcuts, help contexts and the
// state each item starts in.
#include "register/app/frmChqList.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ledger {

namespace {

// Help context numbers go to the help viewer; the items carry them as a property.
constexpr const char* kHelpContext = "helpContext";

QAction* item(QMenu* menu, const char* name, const QString& caption, int helpContext = 0,
              const QKeySequence& shortcut = QKeySequence()) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (helpContext != 0)
        action->setProperty(kHelpContext, helpContext);
    menu->addAction(action);
    return action;
}

QMenu* submenu(QWidget* owner, QMenu* parent, const char* name, const QString& caption, int helpContext = 0) {
    auto* menu = new QMenu(caption, owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    if (helpContext != 0)
        menu->menuAction()->setProperty(kHelpContext, helpContext);
    if (parent)
        parent->addMenu(menu);
    return menu;
}

} // namespace

void frmChqList::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    auto top = [&](const char* name, const QString& caption) {
        QMenu* menu = submenu(this, nullptr, name, caption);
        bar->addMenu(menu);
        return menu;
    };

    FileList = top("FileList", QStringLiteral("&File"));
    mnuFileNew = item(FileList, "mnuFileNew", QStringLiteral("&New"), 201, QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileSelect = item(FileList, "mnuFileSelect", QStringLiteral("&Open"), 202, QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = item(FileList, "mnuFileClose", QStringLiteral("&Close"), 231, QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuFileSave = item(FileList, "mnuFileSave", QStringLiteral("&Save"), 203, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs = item(FileList, "mnuSaveAs", QStringLiteral("Save &As"), 204, QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuSaveText = submenu(this, FileList, "mnuSaveText", QStringLiteral("Save &Text"), 205);
    mnuSaveANSI = item(mnuSaveText, "mnuSaveANSI", QStringLiteral("&ANSI Text"), 205);
    mnuComma = item(mnuSaveText, "mnuComma", QStringLiteral("&Comma Delimited"), 205);
    // Saving is where the help describes the backups.
    mnuRestoreBackup = item(FileList, "mnuRestoreBackup", QStringLiteral("&Restore from backup..."), 203);
    mnuInfo = item(FileList, "mnuInfo", QStringLiteral("Infor&mation"), 227);
    mnuTransCodes = submenu(this, FileList, "mnuTransCodes", QStringLiteral("Budget/Code File &Maintenance"), 225);
    mnuCreateCodeFile = item(mnuTransCodes, "mnuCreateCodeFile", QStringLiteral("&Create File"), 225);
    mnuOpenCodes = item(mnuTransCodes, "mnuOpenCodes", QStringLiteral("&Open File"), 225);
    mnuSaveTransCodes = item(mnuTransCodes, "mnuSaveTransCodes", QStringLiteral("&Save File"), 225);
    mnuSaveCodeFile = item(mnuTransCodes, "mnuSaveCodeFile", QStringLiteral("Save &As"), 225);
    mnuEditCodes = item(mnuTransCodes, "mnuEditCodes", QStringLiteral("&Edit"), 225);
    mnuTransCodes->addSeparator();
    mnuDefault = item(mnuTransCodes, "mnuDefault", QStringLiteral("Set Current File to &Default"), 225);
    NmuCalc = item(FileList, "NmuCalc", QStringLiteral("Run &Abacon"), 206, QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuQuikMemos =
        item(FileList, "mnuQuikMemos", QStringLiteral("Run Calen&dar"), 207, QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuPrint = item(FileList, "mnuPrint", QStringLiteral("&Print"), 208, QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPrintPreview = item(FileList, "mnuPrintPreview", QStringLiteral("Print Pre&view..."), 208);
    mnuSepX = FileList->addSeparator();
    mnuSepX->setObjectName(QStringLiteral("mnuSepX"));
    for (int i = 0; i < static_cast<int>(mnuSelectFile.size()); ++i) {
        const QByteArray name = QStringLiteral("mnuSelectFile(%1)").arg(i).toLatin1();
        mnuSelectFile[static_cast<std::size_t>(i)] = item(FileList, name.constData(), QString());
    }
    FileList->addSeparator();
    ExitLedgrn = item(FileList, "ExitLedgrn", QStringLiteral("&Exit"), 209);

    mnuUpdate = top("mnuUpdate", QStringLiteral("&Update"));
    mnuNewTransaction = item(mnuUpdate, "mnuNewTransaction", QStringLiteral("&New"), 211,
                             QKeySequence(Qt::CTRL | Qt::Key_Insert));
    mnuChangeTrans =
        item(mnuUpdate, "mnuChangeTrans", QStringLiteral("&Change "), 210, QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuDeleteTransaction = item(mnuUpdate, "mnuDeleteTransaction", QStringLiteral("&Delete"), 212,
                                QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    mnuDefined = item(mnuUpdate, "mnuDefined", QStringLiteral("D&uplicate "), 213, QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuCleared =
        item(mnuUpdate, "mnuCleared", QStringLiteral("C&leared"), 310, QKeySequence(Qt::ALT | Qt::Key_Backspace));
    mnuCopy = item(mnuUpdate, "mnuCopy", QStringLiteral("C&opy"), 230, QKeySequence(Qt::CTRL | Qt::Key_C));

    mnuOptions = top("mnuOptions", QStringLiteral("&Options"));
    mnuSearch = item(mnuOptions, "mnuSearch", QStringLiteral("S&earch Particulars"), 214);
    mnuSort = submenu(this, mnuOptions, "mnuSort", QStringLiteral("&Sort "), 215);
    mnuCodeSort = item(mnuSort, "mnuCodeSort", QStringLiteral("On &Codes"), 215);
    mnuDateSort = item(mnuSort, "mnuDateSort", QStringLiteral("On &Dates"), 215);
    mnuSelect = item(mnuOptions, "mnuSelect", QStringLiteral("Select and &List by Code"), 216);
    mnuReconcile = item(mnuOptions, "mnuReconcile", QStringLiteral("&Reconcile Bank Statement"), 217);
    mnuChangeTitle = item(mnuOptions, "mnuChangeTitle", QStringLiteral("Change Cheque Book &Title"), 219);
    mnuPassWord = item(mnuOptions, "mnuPassWord", QStringLiteral("Change &PassWord"), 220);
    mnuBudgetPeriod = item(mnuOptions, "mnuBudgetPeriod", QStringLiteral("Select &Budget Period"), 226);
    mnuShowMsg = item(mnuOptions, "mnuShowMsg", QStringLiteral("Hide &Messages"), 218);
    mnuCustom = submenu(this, mnuOptions, "mnuCustom", QStringLiteral("&Customize List Boxes"), 312);
    mnuChgColor = submenu(this, mnuCustom, "mnuChgColor", QStringLiteral("Change &Colors"), 311);
    mnuTextColor = item(mnuChgColor, "mnuTextColor", QStringLiteral("&Text Color"), 311);
    mnuBackColor = item(mnuChgColor, "mnuBackColor", QStringLiteral("&BackGround Color"), 311);
    mnuCustFonts = item(mnuCustom, "mnuCustFonts", QStringLiteral("&Fonts"), 313);
    mnuRestoreDefaults = item(mnuOptions, "mnuRestoreDefaults", QStringLiteral("Restore Ledgerine's &Defaults"), 221);

    mnuAutoDup = top("mnuAutoDup", QStringLiteral("&Auto Duplicate"));
    mnuAddAutoDup = item(mnuAutoDup, "mnuAddAutoDup", QStringLiteral("&Add Auto Dup Items"), 222);
    mnuViewProcess = item(mnuAutoDup, "mnuViewProcess", QStringLiteral("&View/Process Auto Dup "), 223);

    mnuFinancial = top("mnuFinancial", QStringLiteral("F&inance"));
    mnuBudgetSummary = item(mnuFinancial, "mnuBudgetSummary", QStringLiteral("&Budget Summary"), 224);
    mnuIncomeStmt = item(mnuFinancial, "mnuIncomeStmt", QStringLiteral("&Income Statement"), 228);

    mnuHelp = top("mnuHelp", QStringLiteral("&Help"));
    mnuFeatures = item(mnuHelp, "mnuFeatures", QStringLiteral("Ledgerine 95 &Features"), 1100);
    mnuHelp->addSeparator();
    mnuHelpContents = item(mnuHelp, "mnuHelpContents", QStringLiteral("&Contents"), 100);
    mnuButtonbar = item(mnuHelp, "mnuButtonbar", QStringLiteral("&Buttonbar"), 600);
    mnuAccessHelp = item(mnuHelp, "mnuAccessHelp", QStringLiteral("&Keyboard"), 400);
    mnuMenulist = item(mnuHelp, "mnuMenulist", QStringLiteral("&Menus"), 200);
    mnuHelpTopics = item(mnuHelp, "mnuHelpTopics", QStringLiteral("&Topics"), 300);
    mnuHelp->addSeparator();
    mnuHelpSearch = item(mnuHelp, "mnuHelpSearch", QStringLiteral("&Search for Help on..."));
    mnuHelponHelp = item(mnuHelp, "mnuHelponHelp", QStringLiteral("&Using Help"));
    mnuHelp->addSeparator();
    mnuAboutLedgrn = item(mnuHelp, "mnuAboutLedgrn", QStringLiteral("&About"));

    // Never on the menu bar: opened by the lists' right mouse button.
    mnuPopup = submenu(this, nullptr, "mnuPopup", QStringLiteral("Popup"));
    popupNew = item(mnuPopup, "popupNew", QStringLiteral("New"), 211);
    popupChange = item(mnuPopup, "popupChange", QStringLiteral("Change"), 210);
    popupDelete = item(mnuPopup, "popupDelete", QStringLiteral("Delete"), 212);
    mnuPopup->addSeparator();
    popupDup = item(mnuPopup, "popupDup", QStringLiteral("Duplicate"), 213);
    popupCleared = item(mnuPopup, "popupCleared", QStringLiteral("Cleared"), 310);
    mnuPopup->addSeparator();
    mnuPopupCopy = item(mnuPopup, "mnuPopupCopy", QStringLiteral("Copy"), 230);
    mnuPopup1 = submenu(this, nullptr, "mnuPopup1", QStringLiteral("Popup1"));
    mnuRemoveAuto = item(mnuPopup1, "mnuRemoveAuto", QStringLiteral("Remove"), 301);
    mnuEditAuto = item(mnuPopup1, "mnuEditAuto", QStringLiteral("Edit"), 301);
    mnuProcessAuto = item(mnuPopup1, "mnuProcessAuto", QStringLiteral("Process"), 301);
    mnuCloseAuto = item(mnuPopup1, "mnuCloseAuto", QStringLiteral("Close"), 301);

    fileDependent_ = {mnuFileClose,     mnuFileSave,          mnuSaveAs,
                      mnuSaveText->menuAction(), mnuRestoreBackup, mnuPrint, mnuPrintPreview, mnuNewTransaction,
                      mnuChangeTrans,   mnuDeleteTransaction, mnuDefined,
                      mnuCleared,       mnuCopy,              mnuSearch,
                      mnuSort->menuAction(), mnuSelect,       mnuReconcile,
                      mnuChangeTitle,   mnuPassWord,          mnuAddAutoDup,
                      mnuViewProcess,   mnuFinancial->menuAction(), mnuBudgetSummary,
                      mnuIncomeStmt};
    mnuDefault->setEnabled(false); // until a budget/code file is loaded
    FileList->installEventFilter(this); // the shared access key A, see eventFilter
    mnuSepX->setVisible(false);
    for (QAction* recent : mnuSelectFile)
        recent->setVisible(false);
}

} // namespace ledger
