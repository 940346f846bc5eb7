#include "register/app/frmStartup.h"

#include "register/app/ButtonPictures.h"
#include "ui/SSPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace ledger {

frmStartup::frmStartup(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(QStringLiteral("Ledgerine 95"));

    Panel3D1 = new ui::SSPanel(QStringLiteral("Panel3D1"), QString(), this);
    Panel3D1->setBevelWidth(3);
    Picture1 = new QLabel(Panel3D1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(buttonPicture(Picture::Ledger, 96));
    Picture1->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel(QStringLiteral("Ledgerine 95"), Panel3D1);
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    Panel3D2 = new ui::SSPanel(QStringLiteral("Panel3D2"), QStringLiteral("Version 5.0"), Panel3D1);
    Panel3D2->setBevelOuter(ui::SSPanel::Bevel::Inset);
    Panel3D2->setMinimumHeight(26);

    auto* inner = new QVBoxLayout(Panel3D1);
    inner->setContentsMargins(16, 16, 16, 16);
    inner->addWidget(Picture1);
    inner->addWidget(name);
    inner->addWidget(Panel3D2);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Panel3D1);
    resize(320, 240);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmStartup::Timer1_Timer);
    Timer1->start();
}

void frmStartup::Timer1_Timer() {
    Timer1->stop();
    emit showMainWindow();
    close();
}

} // namespace ledger
