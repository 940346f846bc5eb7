#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace ui {
class SSPanel;
}

namespace ledger {

// The splash: a borderless 3-D panel with the product picture and the version. After one second
// its timer asks for the main window and the splash closes.
class frmStartup : public QWidget {
    Q_OBJECT
public:
    explicit frmStartup(QWidget* parent = nullptr);

    QTimer* Timer1 = nullptr;
    ui::SSPanel* Panel3D1 = nullptr; // the 3-D border holding everything
    QLabel* Picture1 = nullptr;
    ui::SSPanel* Panel3D2 = nullptr; // "Version 5.0"

signals:
    void showMainWindow();

public slots:
    void Timer1_Timer();
};

} // namespace ledger
