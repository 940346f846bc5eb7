#include "register/app/frmAutoDup.h"

#include "register/core/AutoDuplicate.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ledger {

frmAutoDup::frmAutoDup(int due, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAutoDup"));
    setWindowTitle(QStringLiteral("Ledgerine 95"));
    Panel3D1 = new ui::SSPanel(QStringLiteral("Panel3D1"), QString(), this);
    Panel3D1->setBevelOuter(ui::SSPanel::Bevel::Inset);
    const QString texts[] = {QString::fromStdString(autoDupDueText(due)), QStringLiteral("PRESS"),
                             QStringLiteral("ALL to process all of them NOW!"),
                             QStringLiteral("SINGLE - to view && process one at a time."),
                             QStringLiteral("Cancel - to bypass processing.")};
    auto* lines = new QVBoxLayout(Panel3D1);
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        // "&&" is how a caption writes a plain "&".
        Label1[i] =
            new QLabel(QString(texts[i]).replace(QStringLiteral("&&"), QStringLiteral("&")), Panel3D1);
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1[i]->setAlignment(Qt::AlignCenter);
        lines->addWidget(Label1[i]);
    }
    QFont bold = Label1[0]->font();
    bold.setBold(true);
    Label1[0]->setFont(bold);
    Label1[1]->setFont(bold);

    const QString captions[] = {QStringLiteral("&ALL"), QStringLiteral("&SINGLE"), QStringLiteral("&Cancel")};
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* b = new ui::SSCommand(QStringLiteral("Command3D1(%1)").arg(i), captions[i], this);
        b->setIndex(i);
        b->setMinimumSize(90, 30);
        Command3D1[static_cast<std::size_t>(i)] = b;
        buttons->addWidget(b);
        connect(b, &ui::SSCommand::clicked, this, [this, i] { done(i + 1); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel3D1);
    layout->addLayout(buttons);
}

} // namespace ledger
