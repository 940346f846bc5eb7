#include "register/app/ReportWindow.h"

#include "register/app/ReportPrinting.h"
#include "register/core/BudgetReports.h"
#include "ui/Clipboard.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "ui/Vx3dList.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace ledger {

ReportWindow::ReportWindow(const Services& services, const QString& objectName, const QString& caption,
                           const QStringList& columns, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    menuBar = new QMenuBar(this);
    mnuPrint = menuBar->addAction(QStringLiteral("&Print"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrintPreview = menuBar->addAction(QStringLiteral("Print Pre&view..."));
    mnuPrintPreview->setObjectName(QStringLiteral("mnuPrintPreview"));
    mnuCopy = menuBar->addMenu(QStringLiteral("&Copy"));
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuClipboard = mnuCopy->addAction(QStringLiteral("&Selection to Clipboard"));
    mnuClipboard->setObjectName(QStringLiteral("mnuClipboard"));
    layout->setMenuBar(menuBar);

    const auto label = [this, layout](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        layout->addWidget(l);
        return l;
    };
    lblHeading = label("lblHeading");
    lblCodeFile = label("lblCodeFile");
    lblPeriod = label("lblPeriod");
    lstSelectedCode = new ui::Vx3dList(QStringLiteral("lstSelectedCode"), columns, this);
    // Particulars hold up to 25 characters; the default column width would cut them.
    if (const auto particulars = columns.indexOf(QStringLiteral("Particulars")); particulars >= 0)
        lstSelectedCode->setColumnWidth(static_cast<int>(particulars),
                                        lstSelectedCode->fontMetrics().averageCharWidth() * 27);
    layout->addWidget(lstSelectedCode, 1);
    totals_ = new QWidget(this);
    totals_->setLayout(new QGridLayout);
    layout->addWidget(totals_);
    lblTips = label("lblTips");

    auto* buttons = new QHBoxLayout;
    ctlPrintSelection =
        new ui::SSCommand(QStringLiteral("ctlPrintSelection"), QStringLiteral("&Print"), this);
    UpArrow = new ui::SSCommand(QStringLiteral("UpArrow"), QStringLiteral("Up"), this);
    DownArrow = new ui::SSCommand(QStringLiteral("DownArrow"), QStringLiteral("Down"), this);
    cmdExitSelect = new ui::SSCommand(QStringLiteral("cmdExitSelect"), QStringLiteral("E&xit"), this);
    for (ui::SSCommand* b : {ctlPrintSelection, UpArrow, DownArrow, cmdExitSelect})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(mnuPrint, &QAction::triggered, this, &ReportWindow::print);
    connect(ctlPrintSelection, &ui::SSCommand::clicked, this, &ReportWindow::print);
    connect(mnuPrintPreview, &QAction::triggered, this, &ReportWindow::printPreview);
    connect(mnuClipboard, &QAction::triggered, this, &ReportWindow::copyToClipboard);
    connect(cmdExitSelect, &ui::SSCommand::clicked, this, &QDialog::accept);
    connect(UpArrow, &ui::SSCommand::clicked, this, [this] { scroll(-1); });
    connect(DownArrow, &ui::SSCommand::clicked, this, [this] { scroll(1); });
    resize(720, 480);
}

void ReportWindow::addTotal(const QString& name, const QString& caption, const std::string& text,
                            runtime::Currency amount) {
    auto* grid = static_cast<QGridLayout*>(totals_->layout());
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption, totals_), row, 0);
    auto* value = new QLabel(qtext(text), totals_);
    value->setObjectName(name);
    const unsigned rgb = reportAmountColor(amount); // 0x00BBGGRR
    value->setStyleSheet(QStringLiteral("color: rgb(%1, %2, %3);")
                             .arg(rgb & 0xFF)
                             .arg((rgb >> 8) & 0xFF)
                             .arg((rgb >> 16) & 0xFF));
    grid->addWidget(value, row, 1);
}

QLabel* ReportWindow::total(const QString& name) const {
    return totals_->findChild<QLabel*>(name);
}

void ReportWindow::scroll(int step) {
    const int count = lstSelectedCode->ListCount();
    if (count == 0)
        return;
    lstSelectedCode->setListIndex(std::clamp(lstSelectedCode->ListIndex() + step, 0, count - 1));
}

void ReportWindow::print() {
    const std::optional<ui::PrintDialogResult> choice = askPrintDialog(services_.prompter);
    if (!choice)
        return;
    const std::optional<ReportPicture> picture = printedPicture();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lblTips->setText(QStringLiteral("Please Wait ") + printTip());
    printReport(services_.printer, services_.prompter, *choice, services_.fontFamily,
                pages(pageRangeOf(*choice)), picture);
    lblTips->clear();
    QApplication::restoreOverrideCursor();
}

void ReportWindow::printPreview() {
    const std::optional<ReportPicture> picture = printedPicture();
    const std::vector<PrintedPage> all = pages(PageRange());
    const std::optional<QString> font = printFont(services_.printer, services_.prompter, services_.fontFamily);
    if (!font)
        return;
    services_.prompter.printPreview(windowTitle(), [&](ui::Printer& printer) {
        renderReport(printer, *font, all, picture);
    });
}

void ReportWindow::copyToClipboard() {
    services_.clipboard.setText(qtext(clipboardText()));
}

} // namespace ledger
