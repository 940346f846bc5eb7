#pragma once

#ifndef Q_MOC_RUN // moc cannot read the standard headers the core pulls in
#include "register/app/ReportPrinting.h"
#include "register/core/Report.h"
#endif

#include <QDialog>

#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;

namespace ui {
class Clipboard;
class Printer;
class Prompter;
class SSCommand;
class Vx3dList;
} // namespace ui

namespace ledger {

// What the three report windows share: headings, the list lstSelectedCode, labelled totals in
// red or blue, print (ctlPrintSelection, mnuPrint, through the print dialog PrintDialog2), copy
// to the clipboard (mnuClipboard), a print preview (mnuPrintPreview), scrolling (UpArrow,
// DownArrow) and E&xit. The windows fill it.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    struct Services {
        ui::Prompter& prompter;
        ui::Clipboard& clipboard;
        ui::Printer& printer;
        QString fontFamily; // the register font of the settings
        runtime::OleDate today = 0;
    };

    ReportWindow(const Services& services, const QString& objectName, const QString& caption,
                 const QStringList& columns, QWidget* parent);

    QLabel* lblHeading = nullptr;
    QLabel* lblCodeFile = nullptr;
    QLabel* lblPeriod = nullptr;
    QLabel* lblTips = nullptr;
    ui::Vx3dList* lstSelectedCode = nullptr;
    ui::SSCommand* ctlPrintSelection = nullptr;
    ui::SSCommand* cmdExitSelect = nullptr;
    ui::SSCommand* UpArrow = nullptr;
    ui::SSCommand* DownArrow = nullptr;
    QMenuBar* menuBar = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintPreview = nullptr;
    QMenu* mnuCopy = nullptr;
    QAction* mnuClipboard = nullptr;

    // The label showing the total named `name` (its objectName).
    QLabel* total(const QString& name) const;

public slots:
    void print();
    void printPreview();
    void copyToClipboard();

protected:
    // A labelled total, red when below zero and blue otherwise.
    void addTotal(const QString& name, const QString& caption, const std::string& text,
                  runtime::Currency amount);
    virtual std::vector<PrintedPage> pages(const PageRange& range) const = 0;
    virtual std::string clipboardText() const = 0;
    virtual QString printTip() const = 0;
    // A picture to print after the text pages; the window may ask the user first.
    virtual std::optional<ReportPicture> printedPicture() { return std::nullopt; }

    Services services_;

private:
    void scroll(int step);
    QWidget* totals_ = nullptr;
};

} // namespace ledger
