// The reports through the main window: exports through txtDialog1 and the disk-error routine,
// the register printout on the recording printer and into a PDF file, the budget windows and the
// listing window with their totals, clipboard and print.

#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/ReportCommands.h"
#include "register/app/frmCodeselect.h"
#include "register/app/frmLgnBudget.h"

#include <QDir>
#include <QRegularExpression>

#include <cerrno>

using namespace apptest;

namespace {

const QByteArray kCodes = "\"Salary                   \",\"INC \",\"  1200.00\"\r\n"
                          "\"Rent                     \",\"RENT\",\"  -450.00\"\r\n";

void openBook(Harness& h, const ledger::ChequeBook& book) {
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.window->mnuFileSelect->trigger();
    QVERIFY(h.book());
    h.prompter.reset();
}

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
    void budgetReportsNeedACodeFile();
    void budgetSummaryShowsCopiesAndPrints();
    void listingWindowPadsATypedCode();
};

void ReportWindowTest::commaExportWritesTheRegister() {
    Harness h;
    openBook(h, sampleBook());
    acceptDates(h);
    h.prompter.expectSaveFile(chosen(h.path("out.csv")));
    h.window->mnuComma->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("out.csv"),
             QByteArray("\"10/01/26\",0,\"Opening Balance          \",500,\"OPEN\",\"d\"\r\n"
                        "\"10/04/26\",101,\"Maple Court Rentals      \",-450,\"RENT\",\"c\"\r\n"
                        "\"11/03/26\",0,\"Payroll                  \",1200.25,\"INC \",\" \"\r\n"));
    QCOMPARE(h.window->lblTips->caption(), QString());
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
    h.window->mnuComma->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("out.csv"), QByteArray("old"));
    QCOMPARE(QDir(h.dir.path()).entryList({"out.csv*"}, QDir::Files), QStringList{"out.csv"});
}

void ReportWindowTest::printGoesLineByLineInTheRegisterFont() {
    Harness h;
    openBook(h, longBook(56));
    acceptDates(h);
    h.prompter.expectPrint(ui::PrintDialogResult{});
    h.window->cmdPrint->click();
    VERIFY_DIALOGUE(h);
    const QStringList& calls = h.printer.calls();
    QCOMPARE(calls.value(0), QStringLiteral("font Courier New 10"));
    QCOMPARE(calls.count(QStringLiteral("newPage")), 1);
    QCOMPARE(calls.indexOf(QStringLiteral("newPage")), 1 + 6 + 55); // font, header, 55 items
    QCOMPARE(calls.last(), QStringLiteral("endDoc"));
    QVERIFY(calls.value(calls.size() - 2).startsWith("line TOTALS -- Number of transactions:  56"));
    QCOMPARE(h.window->lblTips->caption(), QString());

    // Cancelling the print dialog ends the command without a word.
    acceptDates(h);
    h.prompter.expectPrint(std::nullopt);
    const qsizetype before = calls.size();
    h.window->mnuPrint->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.printer.calls().size(), before);
}

void ReportWindowTest::printToPdfMakesItsPages() {
    Harness h;
    openBook(h, longBook(120)); // 55 + 46 + 19 items: three pages
    acceptDates(h);
    ui::PrintDialogResult pdf;
    pdf.outputFile = h.path("register.pdf");
    h.prompter.expectPrint(pdf);
    h.window->mnuPrint->trigger();
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
    h.window->mnuBudgetSummary->trigger();
    h.prompter.expectMsgBox(kApp, "No Budget/Code file in use!", ui::vbOKOnly + ui::vbCritical, ui::vbOK);
    h.window->mnuIncomeStmt->trigger();
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
    h.window->mnuBudgetSummary->trigger();
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

int runReportWindowTest(int argc, char** argv) {
    ReportWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "ReportWindowTest.moc"
