#include "vxrun/AboutDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vxrun {

CVxAboutDlg::CVxAboutDlg(QWidget* parent, int flag) : QDialog(parent) {
    setObjectName("CVxAboutDlg");
    setWindowTitle("About Tessary Controls");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel("Tessary 5.01 3-D Calendar Control", this);
    title->setObjectName("lblTitle");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    auto* version = new QLabel("Version 5.01", this);
    version->setObjectName("lblVersion");
    layout->addWidget(version);
    if (flag != 0) {
        auto* module = new QLabel("Runtime VXRUN32 5.01", this);
        module->setObjectName("lblModule");
        layout->addWidget(module);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setModal(true);
}

int CVxAboutDlg::DoModal(const std::function<int(QDialog&)>& runModal) {
    return runModal ? runModal(*this) : Rejected;
}

} // namespace vxrun
