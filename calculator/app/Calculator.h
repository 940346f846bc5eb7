#pragma once

#include "calculator/app/Services.h"
#include "calculator/core/Engine.h"
#include "calculator/core/Message.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolBar;

namespace ui {
class SSCommand;
class SSPanel;
} // namespace ui

namespace abacon {

class LoanInpt;

// The calculator's main window, captioned "Abacon".
class Calculator : public QMainWindow {
    Q_OBJECT
public:
    explicit Calculator(Services services, QWidget* parent = nullptr);
    ~Calculator() override;

    const Engine& engine() const { return engine_; }
    bool helpShown() const { return helpOn_; }
    // The height the window is meant to have, in twips.
    int heightTwips() const;
    // Acts on a key string from another program ("%{F4}" closes; other characters are typed).
    void sendKeys(const QString& keys);
    LoanInpt* loanWindow() const { return loanInpt_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int faceHeight() const;
    QRect keyRect(int col, int row, int span = 1) const;
    void buildKeys(QWidget* central);
    void buildTape(QWidget* central);
    void buildPanels(QWidget* central);
    void buildMenus();
    void buildToolbar();
    void watchHints(QWidget* w);

    void tell(const Messages& messages);
    void refresh();
    void syncTape();
    void tapeSelectionChanged();
    void applyHeight();
    void keepFocus();

    void labelTape();
    void selectAll();
    void clearTape();
    void printTape();
    void copyRegister();
    void copyTape();
    void pasteRegister();
    void toggleHelp();
    void showStats();
    void showTrig();
    void cancelOptions();
    void showLoans();
    void showAbout();

    Services services_;
    Engine engine_;
    bool helpOn_ = false;
    unsigned tapeGeneration_ = 0;
    bool syncing_ = false;

    QLineEdit* Readout = nullptr;
    std::array<QPushButton*, 10> Number{};
    QPushButton* Decimal = nullptr;
    std::array<QPushButton*, 7> Operator{};
    QPushButton* CancelEntry = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* Memory = nullptr;
    QPushButton* RestoreMem = nullptr;
    QPushButton* ClearMem = nullptr;
    QPushButton* SqRoot = nullptr;
    QPushButton* SquareReg = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* ReverseSign = nullptr;
    QListWidget* List1 = nullptr;
    ui::SSCommand* SSCommand3 = nullptr;
    ui::SSCommand* Command1 = nullptr;
    ui::SSCommand* Command3 = nullptr;
    ui::SSCommand* Command2 = nullptr;
    ui::SSPanel* SSPanel1 = nullptr;
    ui::SSPanel* SSPanel2 = nullptr;
    std::array<QRadioButton*, 2> SSOption1{};
    QLabel* helpLine_ = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QAction* helpKey_ = nullptr;
    QAction* mnuHelpOnOff = nullptr;

    LoanInpt* loanInpt_ = nullptr;
};

} // namespace abacon
