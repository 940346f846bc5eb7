// The reports through the main window: exports through txtDialog1 and the disk-error routine,
// the register printout on the recording printer and into a PDF file, the budget windows and the
// listing window with their totals, clipboard and print.

#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/ReportCommands.h"
#include "register/app/frmCodeselect.h"
#include "register/app/frmIncomeStatement.h"
#include "register/app/frmLgnBudget.h"
#include "ui/BarChart.h"

#include <QAction>
#include <QLayout>
#include <QMenu>

#include <QDir>
#include <QRegularExpression>

#include <cerrno>

using namespace apptest;

namespace {

const QByteArray kCodes = "\"Salary                   \",\"INC \",\"  1200.00\"\r\n"
                          "\"Rent                     \",\"RENT\",\"  -450.00\"\r\n";

// The date-range window, closed with OK as it opens (every item).
void acceptDates(Harness& h) {
    h.prompter.expectModal("frmSelectDates", [](QDialog&) { return QDialog::Accepted; });
}

ledger::ChequeBook longBook(int items) {
    ledger::ChequeBook b = sampleBook();
    for (int i = 0; i < items - 3; ++i)
        b.items.push_back(ledger::makeItem(runtime::oleFromCivil(2026, 11, 20), 0, "Line",
                                           -runtime::Currency::fromUnits(1), "X", ' '));
    return b;
}

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void commaExportWritesTheRegister();
    void failedExportLeavesTheOldFile();
    void printGoesLineByLineInTheRegisterFont();
    void printToPdfMakesItsPages();
    void missingPrintFontAsksFirst_data();
    void missingPrintFontAsksFirst();
    void budgetReportsNeedACodeFile();
    void budgetSummaryShowsCopiesAndPrints();
    void listingWindowPadsATypedCode();
    void chartPrintsOnAPageOfItsOwnOnlyAfterYes_data();
    void chartPrintsOnAPageOfItsOwnOnlyAfterYes();
    void registerPreviewShowsThePrintedPages_data();
    void registerPreviewShowsThePrintedPages();
};

void ReportWindowTest::commaExportWritesTheRegister() {
    Harness h;
    openBook(h, sampleBook());
    acceptDates(h);
    h.prompter.expectSaveFile(chosen(h.path("out.csv")));
    h.action("mnuComma")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("out.csv"),
             QByteArray("\"10/01/26\",0,\"Opening Balance          \",500,\"OPEN\",\"d\"\r\n"
                        "\"10/04/26\",101,\"Maple Court Rentals      \",-450,\"RENT\",\"c\"\r\n"
                        "\"11/03/26\",0,\"Payroll                  \",1200.25,\"INC \",\" \"\r\n"));
    QCOMPARE(h.panel("lblTips")->caption(), QString());
}

void ReportWindowTest::failedExportLeavesTheOldFile() {
    Harness h;
    openBook(h, sampleBook());
    h.writeFile("out.csv", "old");
    auto* reports = h.window->findChild<ledger::ReportCommands*>("ReportCommands");
    QVERIFY(reports);
    // The folder refuses the new file, as a read-only folder does.
    reports->setExportFault(
        [](runtime::ReplaceStep step) { return step == runtime::ReplaceStep::CreateTemp ? EACCES : 0; });
    acceptDates(h);
    h.prompter.expectSaveFile(chosen(h.path("out.csv")));
    // Retry once (the folder still refuses), then give up.
    const QString refused = QStringLiteral("Can't open your file for that type of access.");
    const int ari = ui::vbAbortRetryIgnore + ui::vbExclamation;
    h.prompter.expectMsgBox("Disk Error", refused, ari, ui::vbRetry);
    h.prompter.expectMsgBox("Disk Error", refused, ari, ui::vbAbort);
    h.action("mnuComma")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("out.csv"), QByteArray("old"));
    QCOMPARE(QDir(h.dir.path()).entryList({"out.csv*"}, QDir::Files), QStringList{"out.csv"});
}

void ReportWindowTest::printGoesLineByLineInTheRegisterFont() {
    Harness h;
    openBook(h, longBook(56));
    acceptDates(h);
    h.prompter.expectPrint(ui::PrintDialogResult{});
    h.button("cmdPrint")->click();
    VERIFY_DIALOGUE(h);
    const QStringList& calls = h.printer.calls();
    QCOMPARE(calls.value(0), QStringLiteral("font Courier New 10"));
    QCOMPARE(calls.count(QStringLiteral("newPage")), 1);
    QCOMPARE(calls.indexOf(QStringLiteral("newPage")), 1 + 6 + 55); // font, header, 55 items
    QCOMPARE(calls.last(), QStringLiteral("endDoc"));
    QVERIFY(calls.value(calls.size() - 2).startsWith("line TOTALS -- Number of transactions:  56"));
    QCOMPARE(h.panel("lblTips")->caption(), QString());

    // Cancelling the print dialog ends the command without a word.
    acceptDates(h);
    h.prompter.expectPrint(std::nullopt);
    const qsizetype before = calls.size();
    h.action("mnuPrint")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.printer.calls().size(), before);
}

void ReportWindowTest::missingPrintFontAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes prints in the printer's own font") << int(ui::vbYes);
    QTest::newRow("No abandons the printout") << int(ui::vbNo);
}

void ReportWindowTest::missingPrintFontAsksFirst() {
    QFETCH(int, answer);
    Harness h;
    openBook(h, longBook(3));
    h.printer.setMissingFonts({QStringLiteral("Courier New")});
    acceptDates(h);
    h.prompter.expectPrint(ui::PrintDialogResult{});
    h.prompter.expectMsgBox("Print Error", "Courier New font not available.\rContinue with system default?",
                            ui::vbYesNo + ui::vbCritical, answer);
    h.button("cmdPrint")->click();
    VERIFY_DIALOGUE(h);
    const QStringList& calls = h.printer.calls();
    QCOMPARE(calls.filter(QStringLiteral("font ")).size(), 0);
    QCOMPARE(calls.contains(QStringLiteral("endDoc")), answer == ui::vbYes);
}

void ReportWindowTest::printToPdfMakesItsPages() {
    Harness h;
    openBook(h, longBook(120)); // 55 + 46 + 19 items: three pages
    acceptDates(h);
    ui::PrintDialogResult pdf;
    pdf.outputFile = h.path("register.pdf");
    h.prompter.expectPrint(pdf);
    h.action("mnuPrint")->trigger();
    VERIFY_DIALOGUE(h);
    const QByteArray bytes = h.readFile("register.pdf");
    QVERIFY(bytes.startsWith("%PDF"));
    // Page objects, not the page tree.
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?!s)"));
    QCOMPARE(QString::fromLatin1(bytes).count(pageObject), 3);
}

void ReportWindowTest::budgetReportsNeedACodeFile() {
    Harness h;
    openBook(h, sampleBook());
    h.prompter.expectMsgBox(kApp, "No Budget/Code file in use!", ui::vbOKOnly + ui::vbCritical, ui::vbOK);
    h.action("mnuBudgetSummary")->trigger();
    h.prompter.expectMsgBox(kApp, "No Budget/Code file in use!", ui::vbOKOnly + ui::vbCritical, ui::vbOK);
    h.action("mnuIncomeStmt")->trigger();
    VERIFY_DIALOGUE(h);
}

void ReportWindowTest::budgetSummaryShowsCopiesAndPrints() {
    Harness h(QByteArray(), [](Harness& s) { s.writeFile("lgncodes.csv", kCodes); });
    openBook(h, sampleBook());
    acceptDates(h);
    QStringList rows;
    QString total, totalColor;
    h.prompter.expectModal("frmLgnBudget", [&](QDialog& d) {
        auto& w = static_cast<ledger::frmLgnBudget&>(d);
        for (int i = 0; i < w.lstSelectedCode->ListCount(); ++i)
            rows << w.lstSelectedCode->List(i);
        total = w.total("lblTotal")->text();
        totalColor = w.total("lblNotBudgeted")->styleSheet();
        w.mnuClipboard->trigger();
        w.ctlPrintSelection->click();
        return 0;
    });
    h.prompter.expectPrint(ui::PrintDialogResult{});
    h.prompter.expectMsgBox("Ledgerine - Budget Summary", "Print the chart with the report?",
                            ui::vbYesNo + ui::vbQuestion, ui::vbNo);
    h.action("mnuBudgetSummary")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(rows,
             (QStringList{"OPEN\tCode Not Found           \t      500.00\t            \t        0.00",
                          "RENT\tRent                     \t            \t    (450.00)\t    (450.00)",
                          "INC \tSalary                   \t    1,200.25\t            \t    1,200.00"}));
    QCOMPARE(total, QStringLiteral("$1,250.25"));
    QCOMPARE(totalColor, QStringLiteral("color: rgb(0, 0, 255);"));
    QVERIFY(h.clipboard.text().endsWith("\r\rNet Amount Budgeted = $750.25     Net Budget = $750.00\r"
                                        "Net not Budgeted = $500.00\rNet Total = $1,250.25"));
    QVERIFY(h.printer.calls().contains("line Total:" + QString(20, ' ') + "$1,250.25"));
}

void ReportWindowTest::listingWindowPadsATypedCode() {
    Harness h;
    const ledger::ChequeBook book = sampleBook();
    const ledger::ReportWindow::Services services{h.prompter, h.clipboard, h.printer, "Courier New",
                                                  runtime::oleFromCivil(2026, 12, 7)};
    ledger::frmCodeselect w(services, book, nullptr, "RE", {});
    QCOMPARE(w.windowTitle(), QStringLiteral("Cheque Book - Listing of Transaction Code RE  "));
    QCOMPARE(w.lstSelectedCode->ListCount(), 0);
    QCOMPARE(w.total("lblBudget")->text(), QStringLiteral("$0.00"));
    QCOMPARE(w.total("lblSelectionTotal")->text(), QStringLiteral("$0.00"));
    w.mnuClipboard->trigger();
    QCOMPARE(h.clipboard.text(),
             QStringLiteral("Selected Amount = $0.00\rBudget Amount   = $0.00\rNumber Selected = 0 "));
    // Only page 2 asked for: a one-page listing prints nothing but still ends its document.
    ui::PrintDialogResult page2;
    page2.range = ui::PrintRange::Pages;
    page2.fromPage = 2;
    page2.toPage = 2;
    h.prompter.expectPrint(page2);
    w.ctlPrintSelection->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.printer.calls(), (QStringList{"font Courier New 10", "endDoc"}));
}

void ReportWindowTest::chartPrintsOnAPageOfItsOwnOnlyAfterYes_data() {
    QTest::addColumn<bool>("statement");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<int>("answer");
    QTest::newRow("summaryPrintedWithChart") << false << false << ui::vbYes;
    QTest::newRow("summaryPrintedWithoutChart") << false << false << ui::vbNo;
    QTest::newRow("statementPreviewedWithChart") << true << true << ui::vbYes;
    QTest::newRow("statementPreviewedWithoutChart") << true << true << ui::vbNo;
}

void ReportWindowTest::chartPrintsOnAPageOfItsOwnOnlyAfterYes() {
    QFETCH(bool, statement);
    QFETCH(bool, preview);
    QFETCH(int, answer);
    const QString window = statement ? QStringLiteral("frmIncomeStatement") : QStringLiteral("frmLgnBudget");
    const QString caption = statement ? QStringLiteral("Income Statement") : QStringLiteral("Ledgerine - Budget Summary");
    const QString chartName = statement ? QStringLiteral("Income against Expense") : QStringLiteral("Budget against Actual");
    Harness h(QByteArray(), [](Harness& s) { s.writeFile("lgncodes.csv", kCodes); });
    openBook(h, sampleBook());
    acceptDates(h);
    QStringList labels;
    bool shown = false, hidden = false;
    int narrow = 0, wide = 0;
    h.prompter.expectModal(window, [&](QDialog& d) {
        auto& w = static_cast<ledger::BudgetReportWindow&>(d);
        labels = w.chtReport->data().labels;
        shown = w.chtReport->isVisible();
        narrow = w.chtReport->width();
        w.resize(w.width() + 200, w.height());
        w.layout()->activate();
        wide = w.chtReport->width();
        w.mnuChart->trigger();
        hidden = !w.chtReport->isVisible();
        w.mnuChart->trigger();
        if (preview)
            w.mnuPrintPreview->trigger();
        else
            w.ctlPrintSelection->click();
        return 0;
    });
    if (!preview)
        h.prompter.expectPrint(ui::PrintDialogResult{});
    h.prompter.expectMsgBox(caption, "Print the chart with the report?", ui::vbYesNo + ui::vbQuestion, answer);
    if (preview)
        h.prompter.expectPreview(caption, false);
    (statement ? h.action("mnuIncomeStmt") : h.action("mnuBudgetSummary"))->trigger();
    VERIFY_DIALOGUE(h);

    // Income rows first in the statement, OPEN (not in the code file) among the others as XXXX.
    QCOMPARE(labels, statement ? (QStringList{"INC", "XXXX", "RENT"}) : (QStringList{"OPEN", "RENT", "INC"}));
    QVERIFY(shown);
    QVERIFY(hidden);
    QCOMPARE(wide, narrow + 200);

    const ui::RecordingPrinter& printer = preview ? h.prompter.previewed() : h.printer;
    QVERIFY(printer.ended());
    const QStringList& calls = printer.calls();
    if (answer == ui::vbYes) {
        QCOMPARE(calls.mid(calls.size() - 2), (QStringList{"page chart " + chartName, "endDoc"}));
        QCOMPARE(printer.pages().size(), 2); // the text page, then the chart's own
        QVERIFY(printer.pages().last().isEmpty());
        // The bars are painted in the list colours: the income of INC in blue.
        const QImage& picture = printer.lastPicture();
        bool blue = false;
        for (int y = 0; y < picture.height() && !blue; y += 2)
            for (int x = 0; x < picture.width() && !blue; x += 2)
                blue = picture.pixelColor(x, y) == QColor(0, 0, 255);
        QVERIFY(blue);
    } else {
        QVERIFY(calls.filter(QRegularExpression("^page ")).isEmpty());
        QCOMPARE(printer.pages().size(), 1);
    }
    QCOMPARE(calls.filter(QRegularExpression("^line ")).size(), 14); // the same text either way
}

void ReportWindowTest::registerPreviewShowsThePrintedPages_data() {
    QTest::addColumn<bool>("printFromPreview");
    QTest::newRow("closed") << false;
    QTest::newRow("printedFromThePreview") << true;
}

void ReportWindowTest::registerPreviewShowsThePrintedPages() {
    QFETCH(bool, printFromPreview);
    Harness h;
    auto* preview = h.window->findChild<QAction*>("mnuPrintPreview");
    QVERIFY(preview);
    QCOMPARE(preview->text(), QStringLiteral("Print Pre&view..."));
    const QList<QAction*> file = h.control<QMenu>("FileList")->actions();
    QCOMPARE(file.indexOf(preview), file.indexOf(h.action("mnuPrint")) + 1);
    QVERIFY(!preview->isEnabled()); // no book open, like Print

    openBook(h, longBook(56));
    QVERIFY(preview->isEnabled());
    acceptDates(h);
    h.prompter.expectPrint(ui::PrintDialogResult{});
    h.action("mnuPrint")->trigger();
    const QStringList printed = h.printer.calls();

    acceptDates(h);
    h.prompter.expectPreview("Print Preview - Household", printFromPreview);
    preview->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.previewed().calls(), printed);
    QCOMPARE(h.prompter.printedFromPreview().calls(), printFromPreview ? printed : QStringList());
    QCOMPARE(h.printer.calls(), printed); // the preview prints on its own printer, never the default
}

int runReportWindowTest(int argc, char** argv) {
    ReportWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "ReportWindowTest.moc"
