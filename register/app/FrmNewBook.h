#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;

namespace runtime {
class Currency;
}
namespace ui {
class Prompter;
class SSCommand;
class SSPanel;
} // namespace ui

namespace ledger {

// "Create a New Cheque Book": title, starting balance and, when one was wanted, a password that is
// verified by typing it again. Accepted only when the entries pass their length rules.
class FrmNewBook : public QDialog {
    Q_OBJECT
public:
    FrmNewBook(ui::Prompter& prompter, bool wantPassword, QWidget* parent = nullptr);

    // The title as typed, without trailing blanks.
    QString bookTitle() const;
    // The verified password; empty when none was wanted or it was not verified.
    QString password() const { return password_; }
    runtime::Currency startingBalance() const;

    QLineEdit* Text1 = nullptr; // title
    QLineEdit* Text2 = nullptr; // password, masked, locked until Command3D1 is clicked
    QLineEdit* Text3 = nullptr; // starting balance
    ui::SSCommand* Command3D1 = nullptr; // lock
    ui::SSCommand* Command3D2 = nullptr; // "&OK"
    QLabel* Label1 = nullptr;            // "Cheque Book Title"
    QLabel* Label2 = nullptr;            // "Starting Balance"
    QLabel* Label3 = nullptr;            // "Click on Lock to permit &PassWord entry"
    ui::SSPanel* lblMessage = nullptr;   // guidance line

public slots:
    void Command3D1_Click();
    void Command3D2_Click();
    void Text3_GotFocus();
    void Text3_LostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Prompter& prompter_;
    bool wantPassword_;
    std::int64_t balanceTicks_ = 0; // ten-thousandths
    QString password_;
};

// The starting balance an entry stands for: a leading "$" and thousands separators are dropped,
// "(25.00)" is negative, then the number the text starts with is taken as the classic Val reads it.
// std::nullopt when the number is too large for a currency value.
std::optional<runtime::Currency> startingBalanceFromEntry(const QString& text);

} // namespace ledger
