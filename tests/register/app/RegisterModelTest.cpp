// The register list as a model of the open book: what a view reads per row and role, and how each
// register command reaches the view (a repaint of the touched rows, or a fresh read).
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/RegisterModel.h"
#include "register/core/ChequeBook.h"

#include <QSignalSpy>

using namespace apptest;

namespace {

void open(Harness& h, const ledger::ChequeBook& book = sampleBook()) {
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.session().openFromDialog();
}

QStringList modelLines(const ledger::RegisterModel& m) {
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.data(m.index(r, 0), ui::Vx3dList::LineRole).toString();
    return out;
}

} // namespace

class RegisterModelTest : public QObject {
    Q_OBJECT
private slots:
    void rowsAndRoles();
    void commandsReachTheView_data();
    void commandsReachTheView();
    void closedBookEmptiesTheList();
};

void RegisterModelTest::rowsAndRoles() {
    Harness h;
    open(h);
    const ledger::RegisterModel& m = h.window->registerModel();
    QCOMPARE(m.rowCount(), 3);
    QCOMPARE(m.columnCount(), 9);
    QCOMPARE(modelLines(m), kSampleLines);
    // Each column shows one field of the line, the balance running from the first item.
    QCOMPARE(m.data(m.index(1, 4)).toString(), QStringLiteral("Maple Court Rentals      "));
    QCOMPARE(m.data(m.index(1, 5)).toString(), QString());
    QCOMPARE(m.data(m.index(1, 8)).toString(), QStringLiteral("50.00"));
    QCOMPARE(m.data(m.index(2, 8)).toString(), QStringLiteral("1,250.25"));
    QCOMPARE(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Date"));
    QCOMPARE(m.headerData(8, Qt::Horizontal).toString(), QStringLiteral("Balance"));
    // Out of range and other roles give nothing rather than a neighbour's text.
    QCOMPARE(m.line(3), QString());
    QCOMPARE(m.line(-1), QString());
    QVERIFY(!m.data(m.index(0, 0), Qt::DecorationRole).isValid());
    // The list reads the same text through the model.
    QCOMPARE(h.lineCount(), 3);
    QCOMPARE(h.line(2), kSampleLines[2]);
    QCOMPARE(h.list("lstChqList")->field(0, 7), QStringLiteral("OPEN"));
}

void RegisterModelTest::commandsReachTheView_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("reset");       // the rows are read afresh
    QTest::addColumn<QStringList>("lines"); // the status letter, number and balance of each line
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::addColumn<int>("currentAfter");
    // Cleared marks change the status field only; the balances and the user's selection stay.
    QTest::newRow("cleared repaints rows, keeps selection")
        << "cleared" << QList<int>{0, 2} << false << QStringList{" |1|500.00", "c|2|50.00", "d|3|1,250.25"}
        << QList<int>{0, 2} << -1;
    // Deleting renumbers and recomputes the balances of the rows after; the place stays, with
    // nothing selected that the user did not choose.
    QTest::newRow("delete first renumbers and rebalances")
        << "delete" << QList<int>{0} << true << QStringList{"c|1|(450.00)", " |2|750.25"} << QList<int>{} << 0;
    QTest::newRow("delete last keeps the line before")
        << "delete" << QList<int>{2} << true << QStringList{"d|1|500.00", "c|2|50.00"} << QList<int>{} << 1;
    // A code sort puts INC before OPEN before RENT; nothing stays selected by accident.
    QTest::newRow("code sort reorders and clears the selection")
        << "codes" << QList<int>{1} << true << QStringList{" |1|1,200.25", "d|2|1,700.25", "c|3|1,250.25"}
        << QList<int>{} << -1;
}

void RegisterModelTest::commandsReachTheView() {
    QFETCH(QString, command);
    QFETCH(QList<int>, selected);
    QFETCH(bool, reset);
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, selectedAfter);
    QFETCH(int, currentAfter);
    Harness h;
    open(h);
    ui::Vx3dList* list = h.list("lstChqList");
    list->clearSelection();
    for (int line : selected)
        list->setSelected(line, true);
    const ledger::RegisterModel& m = h.window->registerModel();
    QSignalSpy resets(&m, &QAbstractItemModel::modelReset);
    QSignalSpy repaints(&m, &QAbstractItemModel::dataChanged);
    if (command == "cleared") {
        h.button("ctlCleared")->click();
    } else if (command == "delete") {
        h.prompter.expectMsgBox(kApp, "Save backup Ledgerine file before deleteing selected item(s)?", kYesNoQ,
                                ui::vbNo);
        h.prompter.expectMsgBox(kApp, "Deleted items CANNOT be recovered\n         CONTINUE?", kYesNoQ, ui::vbYes);
        h.button("cmdDelete")->click();
        h.button("picChkmark")->click();
    } else {
        h.button("cmdSortCodes")->click();
    }
    VERIFY_DIALOGUE(h);
    QCOMPARE(!resets.isEmpty(), reset);
    QCOMPARE(repaints.isEmpty(), reset);
    QStringList shown;
    for (const QString& line : modelLines(m)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        shown << f[0] + "|" + f[1] + "|" + f[8];
    }
    QCOMPARE(shown, lines);
    const std::vector<int> after = list->selectedLines();
    QCOMPARE(QList<int>(after.begin(), after.end()), selectedAfter);
    QCOMPARE(list->ListIndex(), currentAfter);
    QVERIFY(h.book()->changed);
    QCOMPARE(h.label("lblTransNumber")->text().trimmed(), QString::number(lines.size()));
}

void RegisterModelTest::closedBookEmptiesTheList() {
    Harness h;
    open(h);
    h.list("lstChqList")->selectOnly(1);
    h.prompter.expectMsgBox("Close File", "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbNo)
        .expectMsgBox("Close File", "Close without saving?", kYesNoQ, ui::vbYes);
    QVERIFY(h.session().close());
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.window->registerModel().rowCount(), 0);
    QCOMPARE(h.lineCount(), 0);
    QCOMPARE(h.list("lstChqList")->SelCount(), 0);
    QCOMPARE(h.list("lstChqList")->ListIndex(), -1);
    QCOMPARE(h.line(0), QString());
}

int runRegisterModelTest(int argc, char** argv) {
    RegisterModelTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "RegisterModelTest.moc"
