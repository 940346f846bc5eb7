#pragma once

#include "register/app/ChequeBookSession.h"
#include "register/core/Settings.h"

#include <QMainWindow>
#include <QSize>
#include <QStringList>

#include <array>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace runtime {
class Clock;
}
namespace ui {
class Clipboard;
class Printer;
class Prompter;
class SSCommand;
class SSFrame;
class SSPanel;
class Vx3dList;
} // namespace ui

namespace ledger {

class CodeFileSession;
class RegisterModel;

// The main register window: button bar with hint line, the register list, the status panel with
// clock, balance and item count, the prompt panel shown while no cheque book is open, and the
// menus. The file commands' dialogue lives in ChequeBookSession; this class shows its state.
class frmChqList : public QMainWindow {
    Q_OBJECT
public:
    frmChqList(ui::Prompter& prompter, const runtime::Clock& clock, ui::Clipboard& clipboard, ui::Printer& printer,
               SettingsStore& settingsStore, QWidget* parent = nullptr);
    ~frmChqList() override;

    ChequeBookSession& session() { return session_; }
    // The budget/code file in use and its table.
    CodeFileSession& codeFiles() { return *codes_; }
    // The register list's rows: the open book's items.
    RegisterModel& registerModel() { return *registerModel_; }
    bool messagesShown() const { return messages_; }
    // The settings in use (the reports print in its register font).
    const Settings& settings() const { return settings_; }
    bool calendarOpen() const { return calendarOpen_; }
    // The option commands (OptionCommands) change the lists' colours, font and the sizes here;
    // they are written at exit. applyOptions puts sizes, colours, font and messages into effect.
    Settings& options() { return settings_; }
    void applyOptions() { applySettings(); }
    // The calendar window (CalendarLink) reports whether it is open.
    void setCalendarOpen(bool open) {
        calendarOpen_ = open;
        Form_Activate();
    }
    // Shows the open cheque book's balance and item count (the list follows the book by itself).
    void refreshRegister();
    // The exit sequence; true when the program may end (the settings have then been written).
    bool exitLedgerine();

    // --- What the commands show and read -------------------------------------------------------
    // The register list: its lines, the ones the user selected (in order) and a line's text.
    int registerLineCount() const;
    std::vector<int> selectedRegisterLines() const;
    QString registerLineText(int line) const;
    // Brings the line into view as the current and only selected one.
    void selectOnlyRegisterLine(int line);
    // Makes the line the current one; the user's selection stays.
    void setCurrentRegisterLine(int line);
    // The "Delete Transactions" panel, shown while the user confirms a delete.
    void showDeletePanel(bool shown);
    // The "Auto Duplicate Processing!" panel with the standing items, one line each.
    void showAutoDupPanel(bool shown);
    bool autoDupPanelShown() const;
    void showAutoDupLines(const QStringList& lines);
    std::vector<int> selectedAutoDupLines() const;
    void selectOnlyAutoDupLine(int line);
    // The hint line under the button bar; an empty text clears it.
    void showTip(const QString& text);
    // Puts the settings' font and colours on the register and auto-duplicate lists.
    void applyListLook();
    // The balance and the item count as the status panel shows them.
    QString balanceShown() const;
    QString itemCountShown() const;

public slots:
    void Timer2_Timer();
    void Form_Activate();
    void Panel3D1_Click();
    void mnuShowMsg_Click();
    void mnuSelectFile_Click(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Hint {
        ui::SSCommand* button;
        QString text;
        bool needsBook;
    };

    // The controls by area, in the window's order.
    void createControls();
    void buildButtonBar(QWidget* central);
    QWidget* buildRegisterArea(QWidget* central);
    void buildPromptPanel(QWidget* registerArea);
    void buildAutoDupFrame(QWidget* central);
    void buildDeleteFrame(QWidget* central);
    void buildStatusPanel(QWidget* central);
    void setListColumns();
    void setButtonHints();
    void createMenus();
    void connectCommands();
    // The command objects, each connected to the controls and menu items that run it.
    void createCommands();
    void applySettings();
    // The register list's size in twips: the settings' size changed by the window's resizing, or
    // the space it fills when the settings give none.
    QSize listSizeTwips() const;
    void placeRegisterList();
    void keepCurrentLineVisible();
    void showBookState();
    void updateRecentMenu();
    void showHint(ui::SSCommand* button);
    void showPopup(QMenu* menu, ui::Vx3dList* list, Qt::MouseButton button, QPoint pos);
    QString promptText() const;

    // --- Controls, in the window's own order (tests reach them by object name) -----------------
    QTimer* Timer2 = nullptr; // clock, 500 ms
    QTimer* Timer1 = nullptr; // 1000 ms, off at start
    ui::SSPanel* Panel3D2 = nullptr; // button bar
    ui::SSPanel* lblTips = nullptr;  // hint line
    ui::SSCommand* DownPointer = nullptr;
    ui::SSCommand* UpPointer = nullptr;
    ui::SSCommand* cmdReconcile = nullptr;
    ui::SSCommand* cmdSearch = nullptr;
    ui::SSCommand* cmdSelect = nullptr;
    ui::SSCommand* cmdSortCodes = nullptr;
    ui::SSCommand* cmdSortDates = nullptr;
    ui::SSCommand* Command3D5 = nullptr; // "&Quit"
    ui::SSCommand* Command3D4 = nullptr; // calendar
    ui::SSCommand* ctlCleared = nullptr;
    ui::SSCommand* cmdChange = nullptr;
    ui::SSCommand* cmdNewItem = nullptr;
    ui::SSCommand* cmdDelete = nullptr;
    ui::SSCommand* cmdDefined = nullptr;
    ui::SSCommand* Command3D1 = nullptr; // calculator
    ui::SSCommand* cmdPrint = nullptr;
    ui::SSCommand* Command3D3 = nullptr; // save
    ui::SSCommand* Command3D2 = nullptr; // open
    ui::SSPanel* Panel3D1 = nullptr;     // prompt panel
    ui::SSPanel* panelCompletion = nullptr;
    ui::SSPanel* panel1 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Image3 = nullptr;
    ui::SSCommand* Command3D6 = nullptr;
    ui::SSPanel* SSPanel1 = nullptr; // status panel, caption = time of day
    QLabel* lblBalance = nullptr;
    QLabel* Label1 = nullptr; // " Balance"
    QLabel* Label6 = nullptr; // "No. Items"
    QLabel* lblTransNumber = nullptr;
    ui::SSFrame* SSFrame2 = nullptr; // "Auto Duplicate Processing!"
    ui::SSCommand* cmdAutoDupEdit = nullptr;
    ui::SSCommand* cmdAutoDupProcess = nullptr;
    ui::SSCommand* cmdAutoDupRemove = nullptr;
    ui::SSCommand* cmdAutoDupClose = nullptr;
    ui::SSFrame* SSFrame1 = nullptr; // "Delete Transactions"
    ui::SSCommand* picChkmark = nullptr; // the picture to click
    QLabel* Label3 = nullptr; // "C&lick to Delete"
    ui::SSCommand* cmdDelCancel = nullptr;
    ui::Vx3dList* lstDupList = nullptr;
    ui::Vx3dList* lstChqList = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;

    // --- Menus ----------------------------------------------------------------------------------
    QMenu* FileList = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileSelect = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QMenu* mnuSaveText = nullptr;
    QAction* mnuSaveANSI = nullptr;
    QAction* mnuComma = nullptr;
    QAction* mnuRestoreBackup = nullptr;
    QAction* mnuInfo = nullptr;
    QMenu* mnuTransCodes = nullptr;
    QAction* mnuCreateCodeFile = nullptr;
    QAction* mnuOpenCodes = nullptr;
    QAction* mnuSaveTransCodes = nullptr;
    QAction* mnuSaveCodeFile = nullptr;
    QAction* mnuEditCodes = nullptr;
    QAction* mnuDefault = nullptr;
    QAction* NmuCalc = nullptr;
    QAction* mnuQuikMemos = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintPreview = nullptr;
    QAction* mnuSepX = nullptr;
    std::array<QAction*, 4> mnuSelectFile{};
    QAction* ExitLedgrn = nullptr;

    QMenu* mnuUpdate = nullptr;
    QAction* mnuNewTransaction = nullptr;
    QAction* mnuChangeTrans = nullptr;
    QAction* mnuDeleteTransaction = nullptr;
    QAction* mnuDefined = nullptr;
    QAction* mnuCleared = nullptr;
    QAction* mnuCopy = nullptr;

    QMenu* mnuOptions = nullptr;
    QAction* mnuSearch = nullptr;
    QMenu* mnuSort = nullptr;
    QAction* mnuCodeSort = nullptr;
    QAction* mnuDateSort = nullptr;
    QAction* mnuSelect = nullptr;
    QAction* mnuReconcile = nullptr;
    QAction* mnuChangeTitle = nullptr;
    QAction* mnuPassWord = nullptr;
    QAction* mnuBudgetPeriod = nullptr;
    QAction* mnuShowMsg = nullptr;
    QMenu* mnuCustom = nullptr;
    QMenu* mnuChgColor = nullptr;
    QAction* mnuTextColor = nullptr;
    QAction* mnuBackColor = nullptr;
    QAction* mnuCustFonts = nullptr;
    QAction* mnuRestoreDefaults = nullptr;

    QMenu* mnuAutoDup = nullptr;
    QAction* mnuAddAutoDup = nullptr;
    QAction* mnuViewProcess = nullptr;

    QMenu* mnuFinancial = nullptr;
    QAction* mnuBudgetSummary = nullptr;
    QAction* mnuIncomeStmt = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuFeatures = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuButtonbar = nullptr;
    QAction* mnuAccessHelp = nullptr;
    QAction* mnuMenulist = nullptr;
    QAction* mnuHelpTopics = nullptr;
    QAction* mnuHelpSearch = nullptr;
    QAction* mnuHelponHelp = nullptr;
    QAction* mnuAboutLedgrn = nullptr;

    QMenu* mnuPopup = nullptr; // pop-up of the register list
    QAction* popupNew = nullptr;
    QAction* popupChange = nullptr;
    QAction* popupDelete = nullptr;
    QAction* popupDup = nullptr;
    QAction* popupCleared = nullptr;
    QAction* mnuPopupCopy = nullptr;
    QMenu* mnuPopup1 = nullptr; // pop-up of the auto-duplicate list
    QAction* mnuRemoveAuto = nullptr;
    QAction* mnuEditAuto = nullptr;
    QAction* mnuProcessAuto = nullptr;
    QAction* mnuCloseAuto = nullptr;

    ui::Prompter& prompter_;
    const runtime::Clock& clock_;
    ui::Clipboard& clipboard_;
    ui::Printer& printer_;
    SettingsStore& store_;
    Settings settings_;
    ChequeBookSession session_;
    CodeFileSession* codes_ = nullptr; // owned by the window
    RegisterModel* registerModel_ = nullptr; // owned by the window
    bool messages_ = true;
    bool calendarOpen_ = false;
    bool promptCreate_ = false; // the prompt panel invites creating rather than opening
    bool exiting_ = false;
    QSize formAtStart_; // pixels, as the settings asked for
    QSize listTwips_;   // from the settings; 0 fills the register area
    std::vector<Hint> hints_;
    std::vector<QAction*> fileDependent_; // enabled only while a cheque book is open
};

// The settings a first start uses: the window's built-in sizes, list font and colours.
Settings builtInSettings();


} // namespace ledger
