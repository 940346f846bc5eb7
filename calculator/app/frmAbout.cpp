#include "calculator/app/frmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ABACON_VERSION
#define ABACON_VERSION "1.0.0"
#endif

namespace abacon {

namespace {

// A small adding machine with its paper tape.
QPixmap picture() {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 240));
    p.drawRect(14, 1, 20, 18);
    p.setPen(QColor(0, 0, 128));
    for (int y = 5; y < 18; y += 4) {
        p.drawLine(18, y, 30, y);
    }
    p.setPen(Qt::black);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(4, 16, 40, 30);
    p.setBrush(QColor(224, 224, 224));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            p.drawRect(8 + c * 9, 22 + r * 8, 6, 5);
        }
    }
    return pm;
}

} // namespace

QString abaconVersion() {
    return QStringLiteral(ABACON_VERSION);
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Abacon"));
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture());
    image->setAlignment(Qt::AlignTop);
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setText(QStringLiteral("Abacon\nAdding-machine calculator with paper tape\n\nVersion: %1")
                       .arg(abaconVersion()));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(image);
    row->addWidget(label, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(row);
    outer->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
}

} // namespace abacon
