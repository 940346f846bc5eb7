#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "register/core/CodeFile.h"
#endif

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace ui {
class Prompter;
class SSCommand;
} // namespace ui

namespace ledger {

// The code picker: one line per code record; a click on a line chooses that record, "&Exit"
// chooses none (kNoCodeChosen).
class frmSelectCodes : public QDialog {
    Q_OBJECT
public:
    frmSelectCodes(const CodeTable& table, const QString& fileTitle, QWidget* parent = nullptr);

    // The index of the chosen record, or kNoCodeChosen.
    int result() const { return result_; }

    // Shows the picker modally through the prompter and returns its result.
    static int pick(ui::Prompter& prompter, const CodeTable& table, const QString& fileTitle,
                    QWidget* parent = nullptr);

    QListWidget* lstTransCodes = nullptr;
    ui::SSCommand* cmdNoCode = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

public slots:
    void lstTransCodes_Click(QListWidgetItem* line);
    void cmdNoCode_Click();
    // Closing the window chooses nothing, like "&Exit".
    void reject() override;

private:
    const CodeTable& table_;
    int result_ = kNoCodeChosen;
};

// The fixed-pitch font of the code lists, whose columns are made of blanks.
QFont codeListFont();

} // namespace ledger
