#pragma once

#include <QObject>
#include <QString>

namespace ui {
class Prompter;
}

namespace ledger {

class frmChqList;

// The Options menu's list colours, list font and "Restore Ledgerine's Defaults", and the File
// menu's information window and the Help menu's About window. The rules are in core/Options.
class OptionCommands : public QObject {
    Q_OBJECT
public:
    // programFile: the program whose version record the About window shows.
    OptionCommands(frmChqList& window, ui::Prompter& prompter, QString programFile);

    void mnuTextColor_Click();
    void mnuBackColor_Click();
    void mnuCustFonts_Click();
    void mnuRestoreDefaults_Click();
    void mnuInfo_Click();
    void mnuAboutLedgrn_Click();

private:
    void chooseColor(bool text);

    frmChqList& window_;
    ui::Prompter& prompter_;
    QString programFile_;
};

} // namespace ledger
