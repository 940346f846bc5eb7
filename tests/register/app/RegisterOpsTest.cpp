// The register list's operations through the main window: guard, sort, search, cleared marks,
// delete, copy, first and last.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/frmSearch.h"

using namespace apptest;
using runtime::Currency;

namespace {

void open(Harness& h, const ledger::ChequeBook& book = sampleBook()) {
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.session().openFromDialog();
}

QStringList lines(Harness& h) {
    QStringList out;
    for (int i = 0; i < h.lineCount(); ++i)
        out << h.line(i);
    return out;
}

// Particulars of each line, in list order.
QString order(Harness& h) {
    QStringList out;
    for (int i = 0; i < h.lineCount(); ++i)
        out << h.list("lstChqList")->field(i, 4).trimmed();
    return out.join(QLatin1Char(','));
}

void select(Harness& h, const QList<int>& selected) {
    h.list("lstChqList")->clearSelection();
    for (int line : selected)
        h.list("lstChqList")->setSelected(line, true);
}

ledger::ChequeBook bookOf(const std::vector<std::tuple<int, const char*, const char*, int>>& rows) {
    ledger::ChequeBook b = sampleBook();
    b.items.clear();
    for (const auto& [day, particulars, code, units] : rows)
        b.items.push_back(ledger::makeItem(runtime::oleFromCivil(2026, 11, day), 0, particulars,
                                           Currency::fromUnits(units), code));
    return b;
}

// The progress texts the main window was given while a command ran.
struct Progress {
    explicit Progress(Harness& h) {
        QObject::connect(&h.session(), &ledger::ChequeBookSession::progress, &context,
                         [this](const QString& text) {
                             if (!text.isEmpty())
                                 seen << text;
                         });
    }
    QObject context;
    QStringList seen;
};

} // namespace

class RegisterOpsTest : public QObject {
    Q_OBJECT
private slots:
    void guard_data();
    void guard();
    void sort_data();
    void sort();
    void toggleCleared_data();
    void toggleCleared();
    void deleteNonContiguous_data();
    void deleteNonContiguous();
    void deleteBackupKeepsBookPath();
    void deleteCancel();
    void copyLinesByteForByte();
    void search_data();
    void search();
    void firstAndLast();
    void negativeBalanceInParentheses();
    void lineAfterDelete_data();
    void lineAfterDelete();
};

void RegisterOpsTest::guard_data() {
    QTest::addColumn<QString>("invoker");
    QTest::addColumn<bool>("open"); // an open book with an empty register
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const QString notOpen = QStringLiteral("Cheque Book File not Opened");
    const QString noLine = QStringLiteral("Please make a transaction selection!");
    const char* rows[][2] = {{"cmdSortDates", "Date Sort"},     {"cmdSortCodes", "Code Sort"},
                             {"cmdSearch", "Search"},           {"ctlCleared", "Transaction Cleared"},
                             {"cmdDelete", "Delete Item"},      {"cmdChange", "Update Item"},
                             {"cmdDefined", "Duplicated Entry"}};
    for (const auto& r : rows) {
        QTest::newRow(qPrintable(QStringLiteral("%1, no book").arg(r[0])))
            << r[0] << false << r[1] << notOpen;
        QTest::newRow(qPrintable(QStringLiteral("%1, empty register").arg(r[0])))
            << r[0] << true << r[1] << noLine;
    }
    QTest::newRow("copy, empty register") << "mnuCopy" << true << "Copy Items" << noLine;
    QTest::newRow("new item, no book") << "cmdNewItem" << false << "New Item" << notOpen;
    // The menu and pop-up items run the same commands, each exactly once (one box, not two).
    const char* items[][2] = {
        {"mnuDateSort", "Date Sort"},         {"mnuCodeSort", "Code Sort"},
        {"mnuSearch", "Search"},              {"mnuCleared", "Transaction Cleared"},
        {"popupCleared", "Transaction Cleared"}, {"mnuDeleteTransaction", "Delete Item"},
        {"popupDelete", "Delete Item"},       {"mnuChangeTrans", "Update Item"},
        {"popupChange", "Update Item"},       {"mnuDefined", "Duplicated Entry"},
        {"popupDup", "Duplicated Entry"},     {"mnuPopupCopy", "Copy Items"},
        {"mnuAddAutoDup", "Ledgerine 95"}};
    for (const auto& r : items)
        QTest::newRow(qPrintable(QStringLiteral("%1, empty register").arg(r[0])))
            << r[0] << true << r[1] << noLine;
    QTest::newRow("new item from the pop-up, no book") << "popupNew" << false << "New Item" << notOpen;
}

void RegisterOpsTest::guard() {
    QFETCH(QString, invoker);
    QFETCH(bool, open);
    QFETCH(QString, title);
    QFETCH(QString, message);
    Harness h;
    if (open) {
        ledger::ChequeBook empty = sampleBook();
        empty.items.clear();
        ::open(h, empty);
    }
    h.prompter.expectMsgBox(title, message, kOkExcl, ui::vbOK);
    if (auto* a = h.window->findChild<QAction*>(invoker))
        a->trigger();
    else
        h.window->findChild<ui::SSCommand*>(invoker)->click();
    VERIFY_DIALOGUE(h);
    if (open)
        QCOMPARE(h.book()->changed, false);
}

void RegisterOpsTest::sort_data() {
    QTest::addColumn<QString>("invoker");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<char>("letter");
    // Registers written in this order; the opening sort is on dates.
    QTest::newRow("codes, equal keys as the passes leave them") << "cmdSortCodes"
                                                                << "a,b,c,d,e"
                                                                << "d,b,e,c,a" << 'C';
    QTest::newRow("codes from the menu") << "mnuCodeSort"
                                         << "a,b,c,d,e"
                                         << "d,b,e,c,a" << 'C';
    QTest::newRow("dates, already sorted unchanged") << "cmdSortDates"
                                                     << "a,b,c,d,e"
                                                     << "a,b,c,d,e" << 'D';
    QTest::newRow("dates from the menu") << "mnuDateSort"
                                         << "a,b,c,d,e"
                                         << "a,b,c,d,e" << 'D';
}

void RegisterOpsTest::sort() {
    QFETCH(QString, invoker);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(char, letter);
    Harness h;
    // Dates ascending; codes B A B A A: with gaps 3 and 1, d jumps over a, then e over c and a.
    open(h,
         bookOf({{1, "a", "B", 1}, {2, "b", "A", 1}, {3, "c", "B", 1}, {4, "d", "A", 1}, {5, "e", "A", 1}}));
    QCOMPARE(order(h), before);
    Progress progress(h);
    if (auto* a = h.window->findChild<QAction*>(invoker))
        a->trigger();
    else
        h.window->findChild<ui::SSCommand*>(invoker)->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(order(h), after);
    QCOMPARE(static_cast<char>(h.book()->sortOrder), letter);
    QCOMPARE(progress.seen, QStringList{QStringLiteral("Sorting Cheque Book - Household on %1 sequence")
                                            .arg(letter == 'C' ? "CODE" : "DATE")});
    QVERIFY(h.book()->changed);
    QCOMPARE(h.panel("lblTips")->caption(), QString());
    // Item numbers and balances follow the new order.
    QCOMPARE(h.list("lstChqList")->field(0, 1), QStringLiteral("1"));
    QCOMPARE(h.list("lstChqList")->field(4, 8), QStringLiteral("5.00"));
}

void RegisterOpsTest::toggleCleared_data() {
    QTest::addColumn<QString>("invoker");
    for (const char* n : {"mnuCleared", "ctlCleared", "popupCleared", "dblClick"})
        QTest::newRow(n) << n;
}

void RegisterOpsTest::toggleCleared() {
    QFETCH(QString, invoker);
    Harness h;
    open(h);
    auto run = [&] {
        if (invoker == QLatin1String("dblClick"))
            emit h.list("lstChqList")->dblClick();
        else if (auto* a = h.window->findChild<QAction*>(invoker))
            a->trigger();
        else
            h.window->findChild<ui::SSCommand*>(invoker)->click();
    };
    h.prompter.expectMsgBox(kApp, "No Items selected to Clear!", kOkExcl, ui::vbOK);
    select(h, {});
    run();
    QCOMPARE(h.book()->changed, false);

    select(h, {1, 2}); // a cleared cheque and an uncleared deposit
    run();
    QCOMPARE(lines(h), (QStringList{kSampleLines[0], QString(kSampleLines[1]).replace(0, 1, QLatin1Char(' ')),
                                    QString(kSampleLines[2]).replace(0, 1, QLatin1Char('d'))}));
    QVERIFY(h.book()->changed);
    QCOMPARE(h.book()->items[1].status, ' ');
    QCOMPARE(h.book()->items[2].status, 'd');
    run();
    QCOMPARE(lines(h), kSampleLines);
    select(h, {1});
    run();
    run();
    run();
    QCOMPARE(h.book()->items[1].status, ' '); // a withdrawal toggles through "c"
    run();
    QCOMPARE(h.line(1), kSampleLines[1]);
    VERIFY_DIALOGUE(h);
}

void RegisterOpsTest::deleteNonContiguous_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("confirm");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("balance");
    QTest::newRow("first and third") << QList<int>{0, 2, 3} << int(ui::vbYes) << "b,e"
                                     << "($3.00)";
    QTest::newRow("all but one") << QList<int>{0, 1, 2, 4} << int(ui::vbYes) << "d"
                                 << "($4.00)";
    QTest::newRow("no to continue") << QList<int>{1, 3} << int(ui::vbNo) << "a,b,c,d,e"
                                    << "($3.00)";
}

void RegisterOpsTest::deleteNonContiguous() {
    QFETCH(QList<int>, selected);
    QFETCH(int, confirm);
    QFETCH(QString, left);
    QFETCH(QString, balance);
    Harness h;
    open(
        h,
        bookOf({{1, "a", "X", 1}, {2, "b", "X", 2}, {3, "c", "X", 3}, {4, "d", "X", -4}, {5, "e", "X", -5}}));
    select(h, selected);
    h.button("cmdDelete")->click();
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Selected Transaction(s) to be Deleted!"));
    QVERIFY(h.frame("SSFrame1")->isVisibleTo(h.window.get()));
    h.prompter
        .expectMsgBox(kApp, "Save backup Ledgerine file before deleteing selected item(s)?", kYesNoQ,
                      ui::vbNo)
        .expectMsgBox(kApp, "Deleted items CANNOT be recovered\n         CONTINUE?", kYesNoQ, confirm);
    Progress progress(h);
    h.button("picChkmark")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(order(h), left);
    QCOMPARE(h.label("lblBalance")->text(), balance);
    QCOMPARE(h.book()->changed, confirm == ui::vbYes);
    QCOMPARE(progress.seen,
             confirm == ui::vbYes ? QStringList{"Please wait! Deleting selected items!"} : QStringList());
    if (confirm == ui::vbYes) {
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Ledgerine 95 <Household>"));
        QVERIFY(!h.frame("SSFrame1")->isVisibleTo(h.window.get()));
        QCOMPARE(h.label("lblTransNumber")->text(), QString::number(left.count(QLatin1Char(',')) + 1) + " ");
    }
}

void RegisterOpsTest::deleteBackupKeepsBookPath() {
    Harness h;
    open(h);
    const QByteArray before = h.readFile("a.lgn");
    select(h, {2});
    h.action("popupDelete")->trigger();
    h.prompter
        .expectMsgBox(kApp, "Save backup Ledgerine file before deleteing selected item(s)?", kYesNoQ,
                      ui::vbYes)
        .expectSaveFile(chosen(h.path("backup.lgn")))
        .expectMsgBox(kApp, "Deleted items CANNOT be recovered\n         CONTINUE?", kYesNoQ, ui::vbYes);
    h.button("picChkmark")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.transcript().at(2).title, QStringLiteral("Backup"));
    QCOMPARE(h.readFile("backup.lgn"), before); // the three items, written before the delete
    QCOMPARE(h.readFile("a.lgn"), before);
    QCOMPARE(QString::fromStdString(h.book()->path), h.path("a.lgn"));
    QCOMPARE(h.lineCount(), 2);
}

void RegisterOpsTest::deleteCancel() {
    Harness h;
    open(h);
    h.prompter.expectMsgBox(kApp, "No Items selected to delete!", kOkExcl, ui::vbOK);
    select(h, {});
    h.action("mnuDeleteTransaction")->trigger();
    QVERIFY(!h.frame("SSFrame1")->isVisibleTo(h.window.get()));
    select(h, {0});
    h.button("cmdDelete")->click();
    select(h, {}); // the user may still change the selection
    h.prompter.expectMsgBox(kApp, "No Items selected to delete!", kOkExcl, ui::vbOK);
    h.button("picChkmark")->click();
    select(h, {1, 2});
    h.button("cmdDelCancel")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.list("lstChqList")->selectedLines(), (std::vector<int>{1, 2})); // nothing lost but the frame
    QVERIFY(!h.frame("SSFrame1")->isVisibleTo(h.window.get()));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Ledgerine 95 <Household>"));
    QCOMPARE(lines(h), kSampleLines);
    QCOMPARE(h.label("lblTransNumber")->text(), QStringLiteral("3 "));
    QCOMPARE(h.book()->changed, false);
}

void RegisterOpsTest::copyLinesByteForByte() {
    Harness h;
    open(h);
    h.clipboard.setText(QStringLiteral("old"));
    h.prompter.expectMsgBox(kApp, "No Items selected to Copy!", kOkExcl, ui::vbOK);
    select(h, {});
    h.action("mnuCopy")->trigger();
    QCOMPARE(h.clipboard.text(), QStringLiteral("old"));
    select(h, {2, 0});
    h.action("mnuPopupCopy")->trigger();
    VERIFY_DIALOGUE(h);
    const QByteArray expected =
        "d\t1\t10/01/26\t00000\tOpening Balance          \t500.00\t\tOPEN\t500.00\r"
        " \t3\t11/03/26\t00000\tPayroll                  \t1,200.25\t\tINC \t1,250.25\r";
    QCOMPARE(h.clipboard.text().toUtf8(), expected);
    QCOMPARE(h.book()->changed, false);
}

void RegisterOpsTest::search_data() {
    QTest::addColumn<QStringList>("steps"); // "S:text" Search, "N:text" Next
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("selected"); // the only selected line at the end; -1 unchanged
    QTest::newRow("first item") << QStringList{"S:Opening"} << QStringList() << 0;
    QTest::newRow("next after last match")
        << QStringList{"S:al", "N:al", "N:al"} << QStringList{"No further items!"} << 1;
    QTest::newRow("letter case differs") << QStringList{"S:payroll"} << QStringList{"Item not Found!"} << -1;
    QTest::newRow("all 25 characters")
        << QStringList{"S:Payroll" + QString(18, QLatin1Char(' '))} << QStringList() << 2;
    QTest::newRow("blanks of the full field") << QStringList{"S:Payroll   "} << QStringList() << 2;
}

void RegisterOpsTest::search() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(int, selected);
    Harness h;
    open(h);
    select(h, {1});
    h.prompter.expectModal("frmSearch", [steps](QDialog& d) {
        auto& s = static_cast<ledger::frmSearch&>(d);
        for (const QString& step : steps) {
            s.Text1->setText(step.mid(2));
            (step.startsWith(QLatin1Char('S')) ? s.Command3D1 : s.Command3D2)->click();
        }
        s.Command3D3->click();
        return 0;
    });
    for (const QString& m : messages)
        h.prompter.expectMsgBox("Search", m, ui::vbOKOnly + ui::vbInformation, ui::vbOK);
    h.action("mnuSearch")->trigger();
    VERIFY_DIALOGUE(h);
    const std::vector<int> now = h.list("lstChqList")->selectedLines();
    QCOMPARE(now, std::vector<int>{selected < 0 ? 1 : selected});
    QCOMPARE(h.book()->changed, false);
}

void RegisterOpsTest::firstAndLast() {
    Harness h;
    open(h);
    select(h, {0, 1});
    h.button("DownPointer")->click();
    QCOMPARE(h.list("lstChqList")->selectedLines(), std::vector<int>{2});
    QCOMPARE(h.list("lstChqList")->ListIndex(), 2);
    h.button("UpPointer")->click();
    QCOMPARE(h.list("lstChqList")->selectedLines(), std::vector<int>{0});
    QCOMPARE(h.list("lstChqList")->ListIndex(), 0);

    Harness one;
    ledger::ChequeBook single = sampleBook();
    single.items.resize(1);
    open(one, single);
    one.button("DownPointer")->click();
    QCOMPARE(one.list("lstChqList")->selectedLines(), std::vector<int>{0});
    VERIFY_DIALOGUE(h);
    VERIFY_DIALOGUE(one);
}

void RegisterOpsTest::negativeBalanceInParentheses() {
    Harness h;
    ledger::ChequeBook b = sampleBook();
    b.items = {ledger::makeItem(runtime::oleFromCivil(2026, 11, 2), 7, "Overdrawn", -*Currency::parse("12.5"),
                                "FEE")};
    open(h, b);
    QCOMPARE(h.line(0),
             QStringLiteral(" \t1\t11/02/26\t00007\tOverdrawn                \t\t12.50\tFEE \t(12.50)"));
    QCOMPARE(h.label("lblBalance")->text(), QStringLiteral("($12.50)"));
}

void RegisterOpsTest::lineAfterDelete_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("current"); // ListIndex afterwards
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("balance");
    QTest::newRow("the last line") << QList<int>{2} << 1 << "2 "
                                   << "$50.00";
    QTest::newRow("the middle line") << QList<int>{1} << 1 << "2 "
                                     << "$1,700.25";
    QTest::newRow("every line") << QList<int>{0, 1, 2} << -1 << "0 "
                                << "$0.00";
}

void RegisterOpsTest::lineAfterDelete() {
    QFETCH(QList<int>, selected);
    QFETCH(int, current);
    QFETCH(QString, count);
    QFETCH(QString, balance);
    Harness h;
    open(h);
    select(h, selected);
    h.button("cmdDelete")->click();
    h.prompter
        .expectMsgBox(kApp, "Save backup Ledgerine file before deleteing selected item(s)?", kYesNoQ,
                      ui::vbNo)
        .expectMsgBox(kApp, "Deleted items CANNOT be recovered\n         CONTINUE?", kYesNoQ, ui::vbYes);
    h.button("picChkmark")->click();
    VERIFY_DIALOGUE(h);
    // The list stays where the user was; nothing is selected that the user did not choose.
    QCOMPARE(h.list("lstChqList")->ListIndex(), current);
    QCOMPARE(h.list("lstChqList")->SelCount(), 0);
    QCOMPARE(h.label("lblTransNumber")->text(), count);
    QCOMPARE(h.label("lblBalance")->text(), balance);
    // The commands on one item refuse cleanly afterwards.
    h.prompter.expectMsgBox(current < 0 ? QStringLiteral("Update Item") : kApp,
                            current < 0 ? QStringLiteral("Please make a transaction selection!")
                                        : QStringLiteral("No Item Selected!"),
                            kOkExcl, ui::vbOK);
    h.button("cmdChange")->click();
    h.button("DownPointer")->click();
    QCOMPARE(h.list("lstChqList")->selectedLines(),
             current < 0 ? std::vector<int>{} : std::vector<int>{h.lineCount() - 1});
    VERIFY_DIALOGUE(h);
}

int runRegisterOpsTest(int argc, char** argv) {
    RegisterOpsTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "RegisterOpsTest.moc"
