#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;

namespace ui {
class Prompter;
class SSCommand;
} // namespace ui

namespace ledger {

// Search of the particulars. `find(text, from)` returns the matching line or -1; the window keeps
// where the last match was, so Next goes on after it.
class frmSearch : public QDialog {
    Q_OBJECT
public:
    using Finder = std::function<int(const QString& text, int from)>;
    frmSearch(ui::Prompter& prompter, Finder find, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr; // "Enter Search Text"
    QLineEdit* Text1 = nullptr;
    ui::SSCommand* Command3D1 = nullptr; // "&Search"
    ui::SSCommand* Command3D2 = nullptr; // "&Next"
    ui::SSCommand* Command3D3 = nullptr; // "&Cancel"

public slots:
    void Command3D1_Click();
    void Command3D2_Click();

private:
    ui::Prompter& prompter_;
    Finder find_;
    int lastMatch_ = -1;
};

} // namespace ledger
