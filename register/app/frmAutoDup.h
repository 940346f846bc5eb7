#pragma once

#include <QDialog>

#include <array>

class QLabel;

namespace ui {
class SSCommand;
class SSPanel;
} // namespace ui

namespace ledger {

// The offer to process the auto-duplicate items that came due: done(1) ALL, done(2) SINGLE,
// done(3) Cancel.
class frmAutoDup : public QDialog {
    Q_OBJECT
public:
    enum Choice { All = 1, Single = 2, Cancel = 3 };
    explicit frmAutoDup(int due, QWidget* parent = nullptr);

    ui::SSPanel* Panel3D1 = nullptr;
    std::array<QLabel*, 5> Label1{}; // the count line, "PRESS" and the three choices
    std::array<ui::SSCommand*, 3> Command3D1{};
};

} // namespace ledger
