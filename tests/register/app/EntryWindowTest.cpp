// The item entry window: its modes, field rules, guidance line, Save, Cancel and Exit.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/frmChqUP.h"

#include <QApplication>
#include <QDialog>

#include <QMenu>
#include <QRadioButton>
#include <limits>

using namespace apptest;
using ledger::frmChqUP;

namespace {

const QString kInputError = QStringLiteral("Input Error");
constexpr int kOkCancelQ = ui::vbOKCancel + ui::vbQuestion;

void openSample(Harness& h, const ledger::ChequeBook& book = sampleBook()) {
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.session().openFromDialog();
}

// The entry window's boxes and buttons by object name.
QLineEdit* box(const QWidget& w, const char* name) {
    return control<QLineEdit>(&w, name);
}
ui::SSCommand* cmd(const QWidget& w, const char* name) {
    return control<ui::SSCommand>(&w, name);
}

// Fills the fields as a user would type them and leaves each box.
void fill(frmChqUP& w, const QString& date, const QString& chq, const QString& particulars,
          const QString& code, bool deposit, const QString& amount) {
    box(w, "txtDate")->setText(date);
    w.txtDate_LostFocus();
    box(w, "txtChqNo")->setText(chq);
    w.txtChqNo_LostFocus();
    box(w, "txtParticulars")->setText(particulars);
    box(w, "txtTransCode")->setText(code);
    control<QRadioButton>(&w, deposit ? "Option1(0)" : "Option1(1)")->setChecked(true);
    box(w, "txtAmount")->setText(amount);
    w.txtAmount_LostFocus();
}

QAction* action(Harness& h, const char* name) {
    return h.window->findChild<QAction*>(QLatin1String(name));
}
ui::SSCommand* button(Harness& h, const char* name) {
    return h.window->findChild<ui::SSCommand*>(QLatin1String(name));
}

// Starts a command by the object name of its button or menu item.
void start(Harness& h, const QString& invoker) {
    if (QAction* a = action(h, invoker.toLatin1().constData()))
        a->trigger();
    else
        button(h, invoker.toLatin1().constData())->click();
}

} // namespace

class EntryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startedFrom_data();
    void startedFrom();
    void selectionRefusals_data();
    void selectionRefusals();
    void dateRules_data();
    void dateRules();
    void leavingTheDateBox_data();
    void leavingTheDateBox();
    void keystrokes_data();
    void keystrokes();
    void paste_data();
    void paste();
    void fieldClipboard();
    void guidance_data();
    void guidance();
    void threeNewItemsThenZeroAmountSaveAllExcept();
    void zeroAmountChoices_data();
    void zeroAmountChoices();
    void changeUnchangedAsks();
    void changeKeepsClearedMark();
    void changeZeroAmountQuestion_data();
    void changeZeroAmountQuestion();
    void duplicateIsNewAndUncleared();
    void cancelAndExit_data();
    void cancelAndExit();
    void addAutoDuplicateStoresDay();
    void farDateKeptThroughTwoDigitYear();
    void depositOrWithdrawMustBeChosen();
    void budgetAndCodeWithoutCodeFile();
    void tabOrder();
    void escapeAndEnter_data();
    void escapeAndEnter();
    void focusAfterRefusal_data();
    void focusAfterRefusal();
    void amountBeyondTheRegisterRange();
    void storedItemBecomesTheSelection();
    void keysAroundTheOptions_data();
    void keysAroundTheOptions();
    void calendarDayFillsTheDateBox_data();
    void calendarDayFillsTheDateBox();
    void everyControlHasAName_data();
    void everyControlHasAName();
};

void EntryWindowTest::startedFrom_data() {
    QTest::addColumn<QString>("invoker");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("date"); // as the fields start
    QTest::addColumn<QString>("amount");
    const QString newEntry = QStringLiteral("Ledgerine 95 - New Entry");
    const QString change = QStringLiteral("Ledgerine 95 - Item Change");
    const QString dup = QStringLiteral("Ledgerine 95 - Duplicated Entry");
    for (const char* n : {"cmdNewItem", "mnuNewTransaction", "popupNew"})
        QTest::newRow(n) << n << newEntry << QString() << QString();
    for (const char* n : {"cmdChange", "mnuChangeTrans", "popupChange"})
        QTest::newRow(n) << n << change << "10/04/26"
                         << "450.00";
    for (const char* n : {"cmdDefined", "mnuDefined", "popupDup"})
        QTest::newRow(n) << n << dup << "10/04/26"
                         << "450.00";
    QTest::newRow("mnuAddAutoDup") << "mnuAddAutoDup"
                                   << "Ledgerine 95 - Add Auto Duplicate"
                                   << "4"
                                   << "450.00";
}

void EntryWindowTest::startedFrom() {
    QFETCH(QString, invoker);
    QFETCH(QString, caption);
    QFETCH(QString, date);
    QFETCH(QString, amount);
    Harness h;
    openSample(h);
    h.list("lstChqList")->selectOnly(1);
    QString seen, seenDate, seenChq, seenParticulars, seenAmount;
    bool withdraw = false;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        seen = w.windowTitle();
        seenDate = box(w, "txtDate")->text();
        seenChq = box(w, "txtChqNo")->text();
        seenParticulars = box(w, "txtParticulars")->text();
        seenAmount = box(w, "txtAmount")->text();
        withdraw = control<QRadioButton>(&w, "Option1(1)")->isChecked();
        return int(QDialog::Rejected);
    });
    start(h, invoker);
    VERIFY_DIALOGUE(h);
    QCOMPARE(seen, caption);
    QCOMPARE(seenDate, date);
    QCOMPARE(seenAmount, amount);
    QCOMPARE(seenChq, amount.isEmpty() ? QStringLiteral("00000") : QStringLiteral("00101"));
    QCOMPARE(seenParticulars, amount.isEmpty() ? QString() : QStringLiteral("Maple Court Rentals"));
    QCOMPARE(withdraw, !amount.isEmpty());
    QCOMPARE(h.book()->changed, false);
}

void EntryWindowTest::selectionRefusals_data() {
    QTest::addColumn<QString>("invoker");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const QList<int> none, two{0, 2};
    QTest::newRow("new, no book") << "cmdNewItem" << false << none << "New Item"
                                  << "Cheque Book File not Opened";
    QTest::newRow("change, no book") << "cmdChange" << false << none << "Update Item"
                                     << "Cheque Book File not Opened";
    QTest::newRow("duplicate, no book") << "cmdDefined" << false << none << "Duplicated Entry"
                                        << "Cheque Book File not Opened";
    QTest::newRow("change, none") << "cmdChange" << true << none << "Ledgerine 95"
                                  << "No Item Selected!";
    QTest::newRow("change, two") << "popupChange" << true << two << "Ledgerine 95"
                                 << "Only one Item may be changed at a time!";
    QTest::newRow("duplicate, none") << "mnuDefined" << true << none << "Ledgerine 95"
                                     << "No Item Selected!";
    QTest::newRow("duplicate, two") << "cmdDefined" << true << two << "Ledgerine 95"
                                    << "Only one Item may be duplicated at a time!";
    QTest::newRow("add auto, none") << "mnuAddAutoDup" << true << none << "Ledgerine 95"
                                    << "No Item Selected!";
    QTest::newRow("add auto, two") << "mnuAddAutoDup" << true << two << "Ledgerine 95"
                                   << "Only one Item may be selected at a time!";
}

void EntryWindowTest::selectionRefusals() {
    QFETCH(QString, invoker);
    QFETCH(bool, open);
    QFETCH(QList<int>, selected);
    QFETCH(QString, title);
    QFETCH(QString, message);
    Harness h;
    if (open)
        openSample(h);
    for (int line : selected)
        h.list("lstChqList")->setSelected(line, true);
    h.prompter.expectMsgBox(title, message, kOkExcl, ui::vbOK);
    start(h, invoker);
    VERIFY_DIALOGUE(h);
    if (open) {
        QCOMPARE(h.book()->items.size(), std::size_t(3));
        QCOMPARE(h.book()->changed, false);
    }
}

void EntryWindowTest::dateRules_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("shown");
    const int entry = int(ledger::EntryMode::NewEntry), autoDup = int(ledger::EntryMode::AddAutoDup);
    QTest::newRow("february 30th") << entry << "02/30/97"
                                   << "Incorrect Date"
                                   << "02/30/97";
    QTest::newRow("last day of 99 unchanged") << entry << "12/31/99" << QString() << "12/31/99";
    QTest::newRow("short fields redisplayed") << entry << "1/5/2026" << QString() << "01/05/26";
    QTest::newRow("before 1980") << entry << "12/31/79"
                                 << "Incorrect Date"
                                 << "12/31/79";
    QTest::newRow("after 2099") << entry << "01/01/2100"
                                << "Incorrect Date"
                                << "01/01/2100";
    QTest::newRow("empty") << entry << ""
                           << "Incorrect Date"
                           << "";
    QTest::newRow("day 0") << autoDup << "0"
                           << "Day of month in error!"
                           << "0";
    QTest::newRow("day 32") << autoDup << "32"
                            << "Day of month in error!"
                            << "32";
    QTest::newRow("day 31") << autoDup << "31" << QString() << "31";
    QTest::newRow("day 1") << autoDup << "01" << QString() << "1";
}

void EntryWindowTest::dateRules() {
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    ScriptedPrompter prompter;
    ui::MemoryClipboard clipboard;
    frmChqUP w(static_cast<ledger::EntryMode>(mode), prompter, clipboard);
    if (!message.isEmpty())
        prompter.expectMsgBox(kInputError, message, kOkExcl, ui::vbOK);
    box(w, "txtDate")->setText(typed);
    QCOMPARE(w.txtDate_LostFocus(), message.isEmpty());
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    QCOMPARE(box(w, "txtDate")->text(), shown);
}

void EntryWindowTest::leavingTheDateBox_data() {
    QTest::addColumn<QString>("next"); // where the focus goes
    QTest::addColumn<bool>("checked");
    QTest::newRow("to the cheque number") << "txtChqNo" << true;
    QTest::newRow("by Enter") << "" << true;
    QTest::newRow("to Cancel") << "cmdUpdateCancel" << false;
    QTest::newRow("to Exit") << "cmdExit" << false;
    QTest::newRow("to Save, which checks it itself") << "cmdUpdateSave" << false;
    QTest::newRow("to the calendar, to fetch a date") << "cmdCalendar" << false;
}

void EntryWindowTest::leavingTheDateBox() {
    QFETCH(QString, next);
    QFETCH(bool, checked);
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    frmChqUP w(ledger::EntryMode::NewEntry, prompter, board);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    box(w, "txtDate")->setFocus();
    QTest::keyClicks(box(w, "txtDate"), "13/45/26");
    if (checked)
        prompter.expectMsgBox(kInputError, "Incorrect Date", kOkExcl, ui::vbOK);
    if (next.isEmpty())
        QTest::keyClick(box(w, "txtDate"), Qt::Key_Return);
    else
        w.findChild<QWidget*>(next)->setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    QCOMPARE(QApplication::focusWidget() == box(w, "txtDate"), checked); // a refused date keeps the focus
}

void EntryWindowTest::keystrokes_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("cheque digits only") << "txtChqNo"
                                        << "1a2-3"
                                        << "123";
    QTest::newRow("cheque five digits") << "txtChqNo"
                                        << "1234567"
                                        << "12345";
    QTest::newRow("cheque over 32767 refused") << "txtChqNo"
                                               << "40000"
                                               << "4000";
    QTest::newRow("amount digits and point") << "txtAmount"
                                             << "$1a2.3.4"
                                             << "12.34";
    QTest::newRow("amount no minus") << "txtAmount"
                                     << "-5"
                                     << "5";
    QTest::newRow("particulars 25 characters") << "txtParticulars"
                                               << "Twenty-six characters long"
                                               << "Twenty-six characters lon";
    QTest::newRow("code 4 characters") << "txtTransCode"
                                       << "GROCE"
                                       << "GROC";
}

void EntryWindowTest::keystrokes() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    ScriptedPrompter prompter;
    ui::MemoryClipboard clipboard;
    frmChqUP w(ledger::EntryMode::NewEntry, prompter, clipboard);
    auto* box = w.findChild<QLineEdit*>(field);
    QVERIFY(box);
    box->clear();
    QTest::keyClicks(box, keys);
    QCOMPARE(box->text(), text);
    QVERIFY(prompter.clean());
}

void EntryWindowTest::paste_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::newRow("calculator amount") << "txtAmount"
                                       << "$1,234.50" << int(ui::vbYes) << "1234.50";
    QTest::newRow("cheque number with words") << "txtChqNo"
                                              << "No. 4711" << int(ui::vbYes) << "4711";
    QTest::newRow("overlong particulars cut") << "txtParticulars" << QString(40, QLatin1Char('x'))
                                              << int(ui::vbYes) << QString(25, QLatin1Char('x'));
    QTest::newRow("several lines become one") << "txtParticulars"
                                              << "Rent\r\nMay 2026\n"
                                              << int(ui::vbYes) << "Rent May 2026 ";
    QTest::newRow("tab would split the line") << "txtParticulars"
                                              << "Rent\tMay" << int(ui::vbYes) << "Rent May";
    QTest::newRow("letters the file cannot hold")
        << "txtParticulars" << QStringLiteral("\u0141\u00f3d\u017a \u20ac") << int(ui::vbYes)
        << QStringLiteral("?\u00f3d? \u20ac");
    QTest::newRow("code on one line") << "txtTransCode"
                                      << "A\nB" << int(ui::vbYes) << "A B";
    QTest::newRow("amount over several lines") << "txtAmount"
                                               << "12\n.5" << int(ui::vbYes) << "12.5";
    QTest::newRow("eleven-digit amount refused") << "txtAmount"
                                                 << "12345678901" << int(ui::vbYes) << "";
    QTest::newRow("no field selected") << "txtAmount"
                                       << "12.00" << int(ui::vbNo) << "";
}

void EntryWindowTest::paste() {
    QFETCH(QString, field);
    QFETCH(QString, clipboard);
    QFETCH(int, answer);
    QFETCH(QString, text);
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    board.setText(clipboard);
    frmChqUP w(ledger::EntryMode::NewEntry, prompter, board);
    auto* box = w.findChild<QLineEdit*>(field);
    box->clear();
    box->setFocus();
    prompter.expectMsgBox(kApp,
                          "If copying an amount from Abacon select the amount field!\nIs a field selected?",
                          kYesNoQ, answer);
    if (answer == ui::vbNo)
        prompter.expectMsgBox(kApp, "You must select a field before you can paste any data! Try Again!",
                              ui::vbOKOnly + ui::vbCritical, ui::vbOK);
    control<QAction>(&w, "mnuPaste")->trigger();
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    QCOMPARE(box->text(), text);
}

void EntryWindowTest::fieldClipboard() {
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    frmChqUP w(ledger::EntryMode::NewEntry, prompter, board);
    box(w, "txtParticulars")->setFocus();
    QTest::keyClicks(box(w, "txtParticulars"), "Corner Grocer");
    box(w, "txtParticulars")->setSelection(7, 6);
    control<QAction>(&w, "mnuCopy")->trigger();
    QCOMPARE(board.text(), QStringLiteral("Grocer"));
    QCOMPARE(box(w, "txtParticulars")->text(), QStringLiteral("Corner Grocer"));
    box(w, "txtParticulars")->setSelection(0, 7);
    control<QAction>(&w, "mnuCut")->trigger();
    QCOMPARE(board.text(), QStringLiteral("Corner "));
    QCOMPARE(box(w, "txtParticulars")->text(), QStringLiteral("Grocer"));
    control<QAction>(&w, "mnuUndo")->trigger();
    QCOMPARE(box(w, "txtParticulars")->text(), QStringLiteral("Corner Grocer"));
    QVERIFY(prompter.clean());
}

void EntryWindowTest::guidance_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("codeFile");
    QTest::addColumn<QString>("text");
    const int n = int(ledger::EntryMode::NewEntry), c = int(ledger::EntryMode::Change),
              d = int(ledger::EntryMode::Duplicate), e = int(ledger::EntryMode::EditAutoDup);
    QTest::newRow("date") << n << "txtDate" << false << "Enter date as mm/dd/yy";
    QTest::newRow("day") << e << "txtDate" << false << "Enter Day of month for Check.";
    QTest::newRow("cheque empty") << n << "txtChqNo" << false
                                  << "If writing a Cheque, Enter number from your cheque book.";
    QTest::newRow("cheque present") << c << "txtChqNo" << false
                                    << "TO CLEAR - Click on Zero or Press Backspace";
    QTest::newRow("particulars") << n << "txtParticulars" << false
                                 << "Enter brief description of transaction";
    QTest::newRow("code with file") << n << "txtTransCode" << true << "Press ESC for Code Selection.";
    QTest::newRow("code without file") << n << "txtTransCode" << false << "Code Selection Not Available";
    QTest::newRow("options") << n << "Option1(1)" << false
                             << "Click Deposit button for deposit, Withdraw for a Check or Cash";
    QTest::newRow("amount new") << n << "txtAmount" << false << "Enter New Transaction Amount";
    QTest::newRow("amount change") << c << "txtAmount" << false << "Enter Amount (if changed)";
    QTest::newRow("amount duplicate") << d << "txtAmount" << false << "Enter an Amount or Click on Cancel!";
    QTest::newRow("select code") << n << "cmdSeleCodes" << false
                                 << "Click on Select Code - or - Press ESC for Code Selection";
    QTest::newRow("save new") << n << "cmdUpdateSave" << false
                              << "Click on Save to Continue New Item Entries - Exit to return.";
    QTest::newRow("save change") << c << "cmdUpdateSave" << false
                                 << "Click on Save to Accept Item and return.";
}

void EntryWindowTest::guidance() {
    QFETCH(int, mode);
    QFETCH(QString, field);
    QFETCH(bool, codeFile);
    QFETCH(QString, text);
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    for (bool shown : {true, false}) {
        frmChqUP w(static_cast<ledger::EntryMode>(mode), prompter, board);
        w.setGuidanceShown(shown);
        w.setCodeFileLoaded(codeFile);
        if (mode == int(ledger::EntryMode::Change))
            w.setItem(sampleBook().items[1]);
        auto* target = w.findChild<QWidget*>(field);
        QVERIFY(target);
        w.fieldGotFocus(target);
        QCOMPARE(control<ui::SSPanel>(&w, "lblCodeMsg")->caption(), shown ? text : QString());
    }
    // Typing and finishing the amount.
    frmChqUP w(static_cast<ledger::EntryMode>(mode), prompter, board);
    QTest::keyClicks(box(w, "txtAmount"), "5");
    QCOMPARE(control<ui::SSPanel>(&w, "lblCodeMsg")->caption(),
             QStringLiteral("Press Tab to Complete Transaction Amount!"));
    w.txtAmount_LostFocus();
    QCOMPARE(box(w, "txtAmount")->text(), QStringLiteral("5.00"));
    QCOMPARE(control<ui::SSPanel>(&w, "lblCodeMsg")->caption(),
             mode == int(ledger::EntryMode::NewEntry)
                 ? QStringLiteral("Click Save to continue New Entries / Exit to save and close")
                 : QStringLiteral("Select Save or Cancel Entry"));
}

void EntryWindowTest::threeNewItemsThenZeroAmountSaveAllExcept() {
    Harness h;
    openSample(h);
    QString balanceShown;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        fill(w, "12/01/26", "102", "Corner Grocer", "GROC", false, "45.1");
        cmd(w, "cmdUpdateSave")->click();
        fill(w, "11/20/26", "", "Refund", "MISC", true, "$5");
        cmd(w, "cmdUpdateSave")->click();
        fill(w, "12/05/26", "103", "Power Company", "UTIL", false, "100");
        cmd(w, "cmdUpdateSave")->click();
        balanceShown = control<QLabel>(&w, "lblBalance")->text();
        fill(w, "12/06/26", "", "Nothing", "", false, "");
        cmd(w, "cmdUpdateSave")->click(); // the zero-amount window decides
        return int(QDialog::Rejected);
    });
    h.prompter.expectModal("frmZeroAmt", [](QDialog& d) {
        cmd(d, "SSCommand3")->click();
        return 0;
    });
    h.button("cmdNewItem")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.lineCount(), 6);
    QCOMPARE(balanceShown, QStringLiteral("$1,110.15"));
    QCOMPARE(h.line(2),
             QStringLiteral(" \t3\t11/03/26\t00000\tPayroll                  \t1,200.25\t\tINC \t1,250.25"));
    QCOMPARE(h.line(3),
             QStringLiteral(" \t4\t11/20/26\t00000\tRefund                   \t5.00\t\tMISC\t1,255.25"));
    QCOMPARE(h.line(4),
             QStringLiteral(" \t5\t12/01/26\t00102\tCorner Grocer            \t\t45.10\tGROC\t1,210.15"));
    QCOMPARE(h.line(5),
             QStringLiteral(" \t6\t12/05/26\t00103\tPower Company            \t\t100.00\tUTIL\t1,110.15"));
    QCOMPARE(h.label("lblBalance")->text(), QStringLiteral("$1,110.15"));
    QCOMPARE(h.label("lblTransNumber")->text(), QStringLiteral("6 "));
    QVERIFY(h.book()->changed);
}

void EntryWindowTest::zeroAmountChoices_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("items");
    QTest::addColumn<bool>("closed");
    QTest::newRow("return to amount") << int(ledger::frmZeroAmt::ReturnToAmount) << 3 << false;
    QTest::newRow("create zero item") << int(ledger::frmZeroAmt::CreateZeroItem) << 4 << true;
    QTest::newRow("save all except zero") << int(ledger::frmZeroAmt::SaveAllExceptZero) << 3 << true;
}

void EntryWindowTest::zeroAmountChoices() {
    QFETCH(int, choice);
    QFETCH(int, items);
    QFETCH(bool, closed);
    Harness h;
    openSample(h);
    bool visibleAfter = false;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        fill(w, "12/06/26", "", "Zero", "", true, "0");
        cmd(w, "cmdUpdateSave")->click();
        visibleAfter = w.isVisible();
        return int(QDialog::Rejected);
    });
    h.prompter.expectModal("frmZeroAmt", [choice](QDialog& d) {
        QTest::qWait(0);
        cmd(d, choice == 1 ? "SSCommand1" : choice == 2 ? "SSCommand2" : "SSCommand3")->click();
        return 0;
    });
    h.action("mnuNewTransaction")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(visibleAfter, !closed);
    QCOMPARE(h.lineCount(), items);
    if (items == 4)
        QCOMPARE(h.line(3),
                 QStringLiteral(" \t4\t12/06/26\t00000\tZero                     \t0.00\t\t    \t1,250.25"));
}

void EntryWindowTest::changeUnchangedAsks() {
    Harness h;
    openSample(h);
    h.list("lstChqList")->selectOnly(1);
    h.prompter.expectModal("frmChqUP", [](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        cmd(w, "cmdUpdateSave")->click(); // Continue: back to the fields
        const bool stillOpen = w.isVisible();
        cmd(w, "cmdUpdateSave")->click(); // Cancel: leave without changes
        return stillOpen && !w.isVisible() ? 7 : 0;
    });
    h.prompter.expectMsgBox("Cheque Book Changes", "No changes to transaction! Continue or Cancel?",
                            kOkCancelQ, ui::vbOK);
    h.prompter.expectMsgBox("Cheque Book Changes", "No changes to transaction! Continue or Cancel?",
                            kOkCancelQ, ui::vbCancel);
    h.button("cmdChange")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.transcript().at(1).answer, QStringLiteral("0")); // the window closed itself
    for (int i = 0; i < 3; ++i)
        QCOMPARE(h.line(i), kSampleLines[i]);
    QCOMPARE(h.book()->changed, false);
}

void EntryWindowTest::changeKeepsClearedMark() {
    Harness h;
    openSample(h);
    h.list("lstChqList")->selectOnly(1);
    h.prompter.expectModal("frmChqUP", [](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        box(w, "txtAmount")->setText(QStringLiteral("475"));
        w.txtAmount_LostFocus();
        cmd(w, "cmdUpdateSave")->click();
        return 0;
    });
    h.action("popupChange")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.lineCount(), 3);
    QCOMPARE(h.line(1),
             QStringLiteral("c\t2\t10/04/26\t00101\tMaple Court Rentals      \t\t475.00\tRENT\t25.00"));
    QCOMPARE(h.label("lblBalance")->text(), QStringLiteral("$1,225.25"));
    QVERIFY(h.book()->changed);
}

void EntryWindowTest::changeZeroAmountQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("amountShown");
    QTest::newRow("yes returns to amount") << int(ui::vbYes) << "450.00";
    QTest::newRow("no saves") << int(ui::vbNo) << "0.00";
}

void EntryWindowTest::changeZeroAmountQuestion() {
    QFETCH(int, answer);
    QFETCH(QString, amountShown);
    Harness h;
    openSample(h);
    h.list("lstChqList")->selectOnly(1);
    h.prompter.expectModal("frmChqUP", [](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        box(w, "txtAmount")->setText(QStringLiteral("0"));
        cmd(w, "cmdUpdateSave")->click();
        return 0;
    });
    h.prompter.expectMsgBox("Zero Amount",
                            "Zero amount entered!\nYes to return to Amount entry box.\nNo to Save.", kYesNoQ,
                            answer);
    h.action("mnuChangeTrans")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.list("lstChqList")->field(1, 6), amountShown);
    QCOMPARE(h.book()->changed, answer == ui::vbNo);
}

void EntryWindowTest::duplicateIsNewAndUncleared() {
    Harness h;
    openSample(h);
    h.list("lstChqList")->selectOnly(1); // the cleared cheque
    h.prompter.expectModal("frmChqUP", [](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        box(w, "txtDate")->setText(QStringLiteral("11/04/26"));
        w.txtDate_LostFocus();
        box(w, "txtChqNo")->setText(QStringLiteral("104"));
        cmd(w, "cmdUpdateSave")->click();
        return 0;
    });
    h.button("cmdDefined")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.lineCount(), 4);
    QCOMPARE(h.line(1), kSampleLines[1]);
    QCOMPARE(h.line(2),
             QStringLiteral(" \t3\t11/03/26\t00000\tPayroll                  \t1,200.25\t\tINC \t1,250.25"));
    QCOMPARE(h.line(3),
             QStringLiteral(" \t4\t11/04/26\t00104\tMaple Court Rentals      \t\t450.00\tRENT\t800.25"));
}

void EntryWindowTest::cancelAndExit_data() {
    QTest::addColumn<int>("mode"); // 0 new entry, 1 change
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer"); // to "Continue with New Entries?"; 0: not asked
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("dateAfter");
    QTest::newRow("new, cancel, yes clears") << 0 << "cmdUpdateCancel" << int(ui::vbYes) << true << "";
    QTest::newRow("new, cancel, no closes") << 0 << "cmdUpdateCancel" << int(ui::vbNo) << false << "12/01/26";
    QTest::newRow("new, exit closes") << 0 << "cmdExit" << 0 << false << "12/01/26";
    QTest::newRow("change, cancel closes") << 1 << "cmdUpdateCancel" << 0 << false << "12/01/26";
    QTest::newRow("change, exit closes") << 1 << "cmdExit" << 0 << false << "12/01/26";
}

void EntryWindowTest::cancelAndExit() {
    QFETCH(int, mode);
    QFETCH(QString, button);
    QFETCH(int, answer);
    QFETCH(bool, open);
    QFETCH(QString, dateAfter);
    Harness h;
    openSample(h);
    h.list("lstChqList")->selectOnly(0);
    bool stillOpen = false;
    QString date;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        fill(w, "12/01/26", "7", "Unsaved", "X", true, "9");
        w.findChild<ui::SSCommand*>(button)->click();
        stillOpen = w.isVisible();
        date = box(w, "txtDate")->text();
        return 0;
    });
    if (answer != 0)
        h.prompter.expectMsgBox("Ledgerine 95 - New Entry", "Continue with New Entries?", kYesNoQ, answer);
    (mode == 0 ? h.button("cmdNewItem") : h.button("cmdChange"))->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(stillOpen, open);
    QCOMPARE(date, dateAfter);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(h.line(i), kSampleLines[i]);
    QCOMPARE(h.book()->changed, false);
}

void EntryWindowTest::addAutoDuplicateStoresDay() {
    Harness h;
    openSample(h);
    h.list("lstChqList")->selectOnly(2);
    QString dayShown;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        dayShown = box(w, "txtDate")->text();
        box(w, "txtDate")->setText(QStringLiteral("15"));
        cmd(w, "cmdUpdateSave")->click();
        return 0;
    });
    h.action("mnuAddAutoDup")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(dayShown, QStringLiteral("3"));
    QCOMPARE(h.book()->autoDupItems.size(), std::size_t(1));
    const ledger::Item& a = h.book()->autoDupItems[0];
    QCOMPARE(a.status, 'A');
    QCOMPARE(a.date, 15.0);
    QCOMPARE(ledger::trimRight(a.particulars), std::string("Payroll"));
    QCOMPARE(h.lineCount(), 3);
    QVERIFY(h.book()->changed);
}

void EntryWindowTest::farDateKeptThroughTwoDigitYear() {
    // "12/31/2099" is shown as "12/31/99"; saving must not turn it into 1999.
    Harness h;
    openSample(h);
    QString shown;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        fill(w, "12/31/2099", "", "Far away", "", true, "1");
        shown = box(w, "txtDate")->text();
        cmd(w, "cmdUpdateSave")->click();
        cmd(w, "cmdExit")->click();
        return 0;
    });
    h.button("cmdNewItem")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(shown, QStringLiteral("12/31/99"));
    QCOMPARE(h.book()->items.back().date, runtime::kRegisterMaxDate);
}

void EntryWindowTest::depositOrWithdrawMustBeChosen() {
    Harness h;
    openSample(h);
    h.prompter.expectModal("frmChqUP", [](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        box(w, "txtDate")->setText(QStringLiteral("12/01/26"));
        box(w, "txtAmount")->setText(QStringLiteral("10"));
        cmd(w, "cmdUpdateSave")->click();
        return 0;
    });
    h.prompter.expectMsgBox(kInputError, "Click Deposit button for deposit, Withdraw for a Check or Cash",
                            kOkExcl, ui::vbOK);
    h.button("cmdNewItem")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.lineCount(), 3);
}

void EntryWindowTest::budgetAndCodeWithoutCodeFile() {
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    frmChqUP w(ledger::EntryMode::NewEntry, prompter, board);
    prompter.expectMsgBox(kApp, "No Budget Information Available!", ui::vbOKOnly + ui::vbCritical, ui::vbOK)
        .expectMsgBox(kApp, "No Budget Information Available!", ui::vbOKOnly + ui::vbCritical, ui::vbOK);
    cmd(w, "cmdBudget")->click();
    control<QAction>(&w, "mnuBudgetStatus")->trigger();
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    QVERIFY(control<ui::SSPanel>(&w, "Panel3D2")->isHidden());
    w.setGuidanceShown(false);
    QTest::keyClick(box(w, "txtTransCode"), Qt::Key_Escape);
    QCOMPARE(control<ui::SSPanel>(&w, "lblCodeMsg")->caption(),
             QStringLiteral("Code Selection Not Available"));
    // Backspace and the Zero button clear the cheque number.
    box(w, "txtChqNo")->setText(QStringLiteral("123"));
    QTest::keyClick(box(w, "txtChqNo"), Qt::Key_Backspace);
    QCOMPARE(box(w, "txtChqNo")->text(), QStringLiteral("00000"));
    box(w, "txtChqNo")->setText(QStringLiteral("55"));
    cmd(w, "cmdZeroChqno")->click();
    QCOMPARE(box(w, "txtChqNo")->text(), QStringLiteral("00000"));
}

namespace {

// An entry window shown and active, so that keys and focus behave as for a user.
void showActive(QDialog& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

} // namespace

void EntryWindowTest::tabOrder() {
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    frmChqUP w(ledger::EntryMode::Change, prompter, board);
    w.setItem(sampleBook().items[1]);
    showActive(w);
    box(w, "txtDate")->setFocus();
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    // The fields as a cheque reads, the chosen option only, then the buttons.
    QCOMPARE(seen, (QStringList{"txtDate", "txtChqNo", "txtParticulars", "txtTransCode", "cmdSeleCodes",
                                "Option1(1)", "txtAmount", "cmdUpdateSave", "cmdUpdateCancel", "cmdExit",
                                "cmdBudget", "cmdCalendar", "cmdAbacon", "txtDate"}));
}

void EntryWindowTest::escapeAndEnter_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("asked"); // "Continue with New Entries?", answered No
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("items"); // in the register afterwards
    const int n = int(ledger::EntryMode::NewEntry), c = int(ledger::EntryMode::Change);
    QTest::newRow("escape in a new entry asks first")
        << n << "txtParticulars" << int(Qt::Key_Escape) << true << false << 3;
    QTest::newRow("escape in a change closes")
        << c << "txtAmount" << int(Qt::Key_Escape) << false << false << 3;
    QTest::newRow("escape in the code box selects codes")
        << n << "txtTransCode" << int(Qt::Key_Escape) << false << true << 3;
    QTest::newRow("enter on Save saves") << n << "cmdUpdateSave" << int(Qt::Key_Return) << false << true << 4;
    QTest::newRow("enter on Exit leaves") << n << "cmdExit" << int(Qt::Key_Enter) << false << false << 3;
    QTest::newRow("enter on an option moves on")
        << n << "Option1(0)" << int(Qt::Key_Return) << false << true << 3;
}

void EntryWindowTest::escapeAndEnter() {
    QFETCH(int, mode);
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(bool, asked);
    QFETCH(bool, open);
    QFETCH(int, items);
    Harness h;
    openSample(h);
    h.list("lstChqList")->selectOnly(1);
    bool stillOpen = false;
    QString focus;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        showActive(w);
        if (w.mode() == ledger::EntryMode::NewEntry)
            fill(w, "12/01/26", "", "Typed", "", true, "5");
        auto* target = w.findChild<QWidget*>(field);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QTest::qWait(0);
        stillOpen = w.isVisible();
        focus = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        return 0;
    });
    if (asked)
        h.prompter.expectMsgBox("Ledgerine 95 - New Entry", "Continue with New Entries?", kYesNoQ, ui::vbNo);
    (mode == int(ledger::EntryMode::NewEntry) ? h.button("cmdNewItem") : h.button("cmdChange"))->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(stillOpen, open);
    QCOMPARE(h.lineCount(), items);
    if (field == QLatin1String("txtTransCode"))
        QCOMPARE(focus, field);
    if (field == QLatin1String("Option1(0)"))
        QCOMPARE(focus, QStringLiteral("txtAmount"));
}

void EntryWindowTest::focusAfterRefusal_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("option");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("bad date, told once") << "13/45/26" << true << "Incorrect Date"
                                         << "txtDate";
    QTest::newRow("no option chosen")
        << "12/01/26" << false << "Click Deposit button for deposit, Withdraw for a Check or Cash"
        << "Option1(0)";
}

void EntryWindowTest::focusAfterRefusal() {
    QFETCH(QString, date);
    QFETCH(bool, option);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    frmChqUP w(ledger::EntryMode::NewEntry, prompter, board);
    int stored = 0;
    w.store = [&stored](const ledger::Item&) {
        ++stored;
        return true;
    };
    showActive(w);
    box(w, "txtAmount")->setText(QStringLiteral("5"));
    if (option)
        control<QRadioButton>(&w, "Option1(1)")->setChecked(true);
    box(w, "txtDate")->setFocus();
    QTest::keyClicks(box(w, "txtDate"), date);
    prompter.expectMsgBox(kInputError, message, kOkExcl, ui::vbOK);
    // The mouse takes the focus to Save before the click: the date is still checked only once.
    QTest::mouseClick(cmd(w, "cmdUpdateSave"), Qt::LeftButton);
    QTest::qWait(0);
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(stored, 0);
}

void EntryWindowTest::amountBeyondTheRegisterRange() {
    Harness h;
    ledger::ChequeBook b = sampleBook();
    b.items.push_back(ledger::makeItem(
        runtime::oleFromCivil(2026, 11, 5), 0, "Lottery",
        runtime::Currency::fromTicks(std::numeric_limits<std::int64_t>::max() - 30000000), "WIN"));
    openSample(h, b);
    QString focus;
    bool stillOpen = false;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        fill(w, "12/01/26", "", "One too many", "", true, "9999999999.99");
        cmd(w, "cmdUpdateSave")->click();
        stillOpen = w.isVisible();
        focus = w.focusWidget() ? w.focusWidget()->objectName() : QString();
        return 0;
    });
    h.prompter.expectMsgBox(kInputError, "Amount too large for the register's balance!", kOkExcl, ui::vbOK);
    h.button("cmdNewItem")->click();
    VERIFY_DIALOGUE(h);
    QVERIFY(stillOpen);
    QCOMPARE(focus, QStringLiteral("txtAmount"));
    QCOMPARE(h.lineCount(), 4);
    QCOMPARE(h.book()->changed, false);
}

void EntryWindowTest::storedItemBecomesTheSelection() {
    Harness h;
    openSample(h);
    h.list("lstChqList")->selectOnly(2);
    h.prompter.expectModal("frmChqUP", [](QDialog& d) {
        auto& w = static_cast<frmChqUP&>(d);
        box(w, "txtDate")->setText(QStringLiteral("10/02/26")); // moves before the rent cheque
        w.txtDate_LostFocus();
        cmd(w, "cmdUpdateSave")->click();
        return 0;
    });
    h.button("cmdChange")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.list("lstChqList")->field(1, 4).trimmed(), QStringLiteral("Payroll"));
    QCOMPARE(h.list("lstChqList")->selectedLines(), std::vector<int>{1});
    QCOMPARE(h.list("lstChqList")->ListIndex(), 1);
}

void EntryWindowTest::keysAroundTheOptions_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("text"); // typed into the start box first
    QTest::addColumn<int>("chosen");   // the option chosen beforehand, -1: none
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("textAfter");
    const int tab = Qt::Key_Tab, backtab = Qt::Key_Backtab, ret = Qt::Key_Return, bs = Qt::Key_Backspace;
    QTest::newRow("backtab from the amount enters at the chosen option")
        << "txtAmount" << "5" << 1 << backtab << "Option1(1)" << "5.00";
    QTest::newRow("tab with none chosen enters at Deposit")
        << "cmdSeleCodes" << "" << -1 << tab << "Option1(0)" << "";
    QTest::newRow("backtab leaves the options for Select Code")
        << "Option1(1)" << "" << 1 << backtab << "cmdSeleCodes" << "";
    QTest::newRow("tab leaves the options for the amount") << "Option1(0)" << "" << 0 << tab << "txtAmount" << "";
    QTest::newRow("enter in a box moves on") << "txtParticulars" << "Rent" << -1 << ret << "txtTransCode"
                                             << "Rent";
    QTest::newRow("backspace zeroes the cheque number") << "txtChqNo" << "123" << -1 << bs << "txtChqNo"
                                                        << "00000";
    QTest::newRow("backspace elsewhere deletes a character")
        << "txtParticulars" << "Rent" << -1 << bs << "txtParticulars" << "Ren";
}

void EntryWindowTest::keysAroundTheOptions() {
    QFETCH(QString, start);
    QFETCH(QString, text);
    QFETCH(int, chosen);
    QFETCH(int, key);
    QFETCH(QString, focus);
    QFETCH(QString, textAfter);
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    frmChqUP w(ledger::EntryMode::NewEntry, prompter, board);
    box(w, "txtDate")->setText(QStringLiteral("12/01/26")); // leaving the date box checks it
    showActive(w);
    if (chosen >= 0)
        control<QRadioButton>(&w, chosen == 0 ? "Option1(0)" : "Option1(1)")->setChecked(true);
    auto* target = control<QWidget>(&w, start.toLatin1().constData());
    target->setFocus();
    auto* startBox = qobject_cast<QLineEdit*>(target);
    if (startBox)
        QTest::keyClicks(startBox, text);
    QTest::keyClick(target, Qt::Key(key));
    QTest::qWait(0);
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    if (startBox)
        QCOMPARE(startBox->text(), textAfter);
}

void EntryWindowTest::calendarDayFillsTheDateBox_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("shown");
    QTest::newRow("new item takes the date") << int(ledger::EntryMode::NewEntry) << "12/03/2026";
    QTest::newRow("change takes the date") << int(ledger::EntryMode::Change) << "12/03/2026";
    QTest::newRow("standing item takes the day") << int(ledger::EntryMode::AddAutoDup) << "3";
    QTest::newRow("edited standing item takes the day") << int(ledger::EntryMode::EditAutoDup) << "3";
}

void EntryWindowTest::calendarDayFillsTheDateBox() {
    QFETCH(int, mode);
    QFETCH(QString, shown);
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    frmChqUP w(static_cast<ledger::EntryMode>(mode), prompter, board);
    w.setItem(sampleBook().items[1]);
    showActive(w);
    box(w, "txtAmount")->setFocus();
    w.putChosenDate(QStringLiteral("12/03/2026"), 3);
    QCOMPARE(box(w, "txtDate")->text(), shown);
    QCOMPARE(QApplication::focusWidget(), box(w, "txtDate"));
    // The day is checked like a typed one when the box is left.
    QVERIFY(w.txtDate_LostFocus());
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
}

void EntryWindowTest::everyControlHasAName_data() {
    QTest::addColumn<int>("mode"); // -1: the zero-amount window
    QTest::newRow("new entry") << int(ledger::EntryMode::NewEntry);
    QTest::newRow("edit auto duplicate") << int(ledger::EntryMode::EditAutoDup);
    QTest::newRow("zero amount") << -1;
}

void EntryWindowTest::everyControlHasAName() {
    QFETCH(int, mode);
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    std::unique_ptr<QDialog> w;
    if (mode < 0)
        w = std::make_unique<ledger::frmZeroAmt>();
    else
        w = std::make_unique<frmChqUP>(static_cast<ledger::EntryMode>(mode), prompter, board);
    // Tests and the links reach the controls by name: each one has its own.
    QStringList names;
    for (const QObject* o : w->findChildren<QObject*>()) {
        const auto* action = qobject_cast<const QAction*>(o);
        const auto* menu = qobject_cast<const QMenu*>(o->parent());
        const bool menuOwn = action && (action->isSeparator() || (menu && menu->menuAction() == action));
        if ((!action && !o->isWidgetType()) || menuOwn || o->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (o->objectName().isEmpty())
            QFAIL(qPrintable(QStringLiteral("a %1 without a name").arg(o->metaObject()->className())));
        names << o->objectName();
    }
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    QVERIFY(names.contains(mode < 0 ? QStringLiteral("SSCommand3") : QStringLiteral("Option1(1)")));
}

int runEntryWindowTest(int argc, char** argv) {
    EntryWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "EntryWindowTest.moc"
