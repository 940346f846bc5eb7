#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace ui {
class Prompter;
class SSCommand;
} // namespace ui

namespace ledger {

// What the password box shows until the lock is released.
inline constexpr const char* kLockedPlaceholder = "Locked - click the lock or press Enter";
// What the password protects, shown over the box; F1 opens the help topic that says more.
inline constexpr const char* kPasswordNotice =
    "The password keeps out casual eyes only: the cheque-book file stores it as plain text, "
    "as other programs reading these files expect. Press F1 for more.";
inline constexpr int kPasswordHelpContext = 220;

// "Enter Password": a masked box that takes input only once the lock is clicked or Enter is
// pressed. OK accepts the window when the password was typed twice alike; a mismatch rejects it.
class LGNPASSWORD : public QDialog {
    Q_OBJECT
public:
    explicit LGNPASSWORD(ui::Prompter& prompter, QWidget* parent = nullptr);

    // The verified password; empty means the cheque book is to have none.
    QString password() const { return password_; }

    QLineEdit* Text1 = nullptr;
    ui::SSCommand* Command3D2 = nullptr; // lock
    ui::SSCommand* Command3D1 = nullptr; // "&OK"
    QLabel* Label1 = nullptr;            // "Click on Lock or press Enter to permit &PassWord entry"

public slots:
    void Command3D2_Click();
    void Command3D1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Prompter& prompter_;
    QString password_;
};

} // namespace ledger
