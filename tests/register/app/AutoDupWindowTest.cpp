// Auto-duplicate items through the main window: the check after opening, the offer with ALL,
// SINGLE and Cancel, and the processing frame.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/frmAutoDup.h"
#include "register/app/frmChqUP.h"

#include <QtEndian>

#include <limits>

using namespace apptest;
using runtime::Currency;

namespace {

ledger::Item standing(int day, const char* particulars, const char* code, int units, char st) {
    return ledger::makeItem(day, 0, particulars, Currency::fromUnits(units), code, st);
}

void openAt(Harness& h, const ledger::ChequeBook& book, int y, int m, int d) {
    h.clock.set(runtime::localTimePoint(y, m, d, 9, 0));
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
}

QString statuses(Harness& h) {
    QString s;
    for (const ledger::Item& i : h.book()->autoDupItems)
        s += QLatin1Char(i.status);
    return s;
}

QStringList dates(Harness& h) {
    QStringList out;
    for (int i = 0; i < h.lineCount(); ++i)
        out << h.list("lstChqList")->field(i, 2) + QLatin1Char(' ') +
                   h.list("lstChqList")->field(i, 4).trimmed();
    return out;
}

// The day of the last check, as the trailer record's cheque-number field holds it.
int trailerDay(const QByteArray& file) {
    return qFromLittleEndian<qint16>(file.constData() + file.size() - 50 + 10);
}

// Rent processed last month, insurance (28th) and salary (5th) still waiting; last opened on the 30th.
ledger::ChequeBook bookWithStanding() {
    ledger::ChequeBook b = sampleBook();
    b.lastAutoDupDay = 30;
    b.autoDupItems = {standing(1, "Rent", "RENT", -700, 'P'), standing(28, "Insurance", "INS", -80, 'A'),
                      standing(5, "Salary", "SAL", 2000, 'A')};
    return b;
}

} // namespace

class AutoDupWindowTest : public QObject {
    Q_OBJECT
private slots:
    void offerAfterOpening_data();
    void offerAfterOpening();
    void yearBoundaryThroughTheFile();
    void process_data();
    void process();
    void frameRefusals_data();
    void frameRefusals();
    void editRemoveAndClose();
    void dayOfTheCheck_data();
    void dayOfTheCheck();
    void processBeyondTheRegisterRange();
    void singleThenProcessLastMonths();
};

void AutoDupWindowTest::offerAfterOpening_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("entries"); // dates and particulars of the new lines
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("frame");
    QTest::newRow("ALL") << int(ledger::frmAutoDup::All)
                         << QStringList{"11/05/26 Salary", "11/28/26 Insurance", "12/01/26 Rent"} << "PAA"
                         << false;
    QTest::newRow("SINGLE") << int(ledger::frmAutoDup::Single) << QStringList() << "TTT" << true;
    QTest::newRow("Cancel") << int(ledger::frmAutoDup::Cancel) << QStringList() << "AAA" << false;
    QTest::newRow("window closed") << 0 << QStringList() << "AAA" << false;
}

void AutoDupWindowTest::offerAfterOpening() {
    QFETCH(int, choice);
    QFETCH(QStringList, entries);
    QFETCH(QString, after);
    QFETCH(bool, frame);
    Harness h;
    openAt(h, bookWithStanding(), 2026, 12, 2); // a new month: every waiting item and the rent are due
    QStringList texts;
    h.prompter.expectModal("frmAutoDup", [&](QDialog& d) {
        auto& offer = static_cast<ledger::frmAutoDup&>(d);
        for (QLabel* l : offer.Label1)
            texts << l->text();
        if (choice != 0)
            offer.Command3D1[static_cast<std::size_t>(choice - 1)]->click();
        return 0;
    });
    h.action("mnuFileSelect")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.beepCount(), 1);
    QCOMPARE(texts,
             (QStringList{"There are 3 Auto-Duplicate Items to be processed.", "PRESS",
                          "ALL to process all of them NOW!", "SINGLE - to view & process one at a time.",
                          "Cancel - to bypass processing."}));
    QCOMPARE(dates(h).mid(3), entries);
    QCOMPARE(statuses(h), after);
    QCOMPARE(h.book()->lastAutoDupDay, 1);
    QVERIFY(h.book()->changed);
    QCOMPARE(h.frame("SSFrame2")->isVisibleTo(h.window.get()), frame);
    if (frame) {
        QCOMPARE(h.list("lstDupList")->ListCount(), 3);
        QCOMPARE(h.list("lstDupList")->List(0),
                 QStringLiteral("T\t1\t1\t00000\tRent                     \t\t700.00\tRENT"));
    }
    if (choice == ledger::frmAutoDup::All)
        QCOMPARE(h.label("lblBalance")->text(), QStringLiteral("$2,470.25"));
}

void AutoDupWindowTest::yearBoundaryThroughTheFile() {
    Harness h;
    ledger::ChequeBook b = sampleBook();
    b.lastAutoDupDay = 29;
    b.autoDupItems = {standing(30, "Thirtieth", "X", -30, 'A'), standing(31, "Last day", "Y", -31, 'A')};
    openAt(h, b, 2026, 12, 30);
    h.prompter.expectModal("frmAutoDup", [](QDialog& d) {
        static_cast<ledger::frmAutoDup&>(d).Command3D1[0]->click();
        return 0;
    });
    h.action("mnuFileSelect")->trigger();
    h.action("mnuFileSave")->trigger();
    VERIFY_DIALOGUE(h);
    QByteArray file = h.readFile("a.lgn");
    QCOMPARE(file.size(), 50 * (4 + 2 + 4));
    QCOMPARE(trailerDay(file), 30);
    QCOMPARE(file.at(50 * 4 + 49), 'P'); // the first auto-duplicate record's status
    QCOMPARE(file.at(50 * 5 + 49), 'A');

    // Opened again on January 2nd: the 31st never came in December, so it is entered there.
    h.clock.set(runtime::localTimePoint(2027, 1, 2, 9, 0));
    h.prompter.expectMsgBox("Open File", "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbNo)
        .expectMsgBox("Open File", "Close without saving?", kYesNoQ, ui::vbYes);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.prompter.expectModal("frmAutoDup", [](QDialog& d) {
        static_cast<ledger::frmAutoDup&>(d).Command3D1[0]->click();
        return 0;
    });
    h.action("mnuFileSelect")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(dates(h).mid(3), (QStringList{"12/30/26 Thirtieth", "12/31/26 Last day"}));
    QCOMPARE(statuses(h), QStringLiteral("AA"));
    h.action("mnuFileSave")->trigger();
    VERIFY_DIALOGUE(h);
    file = h.readFile("a.lgn");
    QCOMPARE(trailerDay(file), 1);

    // On the 30th the thirtieth is due; the 31st waits for its day.
    h.clock.set(runtime::localTimePoint(2027, 1, 30, 9, 0));
    h.prompter.expectMsgBox("Open File", "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbNo)
        .expectMsgBox("Open File", "Close without saving?", kYesNoQ, ui::vbYes);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.prompter.expectModal("frmAutoDup", [](QDialog& d) {
        static_cast<ledger::frmAutoDup&>(d).Command3D1[0]->click();
        return 0;
    });
    h.action("mnuFileSelect")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(dates(h).mid(5), (QStringList{"01/30/27 Thirtieth"}));
    QCOMPARE(statuses(h), QStringLiteral("PA"));
}

void AutoDupWindowTest::process_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("today");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<bool>("assumed"); // "Invalid Date - Current date assumed"
    QTest::newRow("plain") << 2026 << 12 << 7 << 20 << "12/20/26" << false;
    QTest::newRow("31 in a 30-day month") << 2026 << 11 << 9 << 31 << "11/09/26" << true;
    QTest::newRow("30 in February") << 2027 << 2 << 10 << 30 << "02/28/27" << false;
    QTest::newRow("29 in a leap February") << 2028 << 2 << 10 << 29 << "02/28/28" << false;
}

void AutoDupWindowTest::process() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, today);
    QFETCH(int, day);
    QFETCH(QString, entered);
    QFETCH(bool, assumed);
    Harness h;
    ledger::ChequeBook b = sampleBook();
    b.lastAutoDupDay = today; // checked today already; the item's day is still to come
    b.autoDupItems = {standing(day, "Standing", "STD", -25, 'A')};
    openAt(h, b, year, month, today);
    h.action("mnuFileSelect")->trigger();
    h.action("mnuViewProcess")->trigger();
    QVERIFY(h.frame("SSFrame2")->isVisibleTo(h.window.get()));
    h.list("lstDupList")->selectOnly(0);
    if (assumed)
        h.prompter.expectMsgBox(kApp, "Invalid Date - Current date assumed", kOkExcl, ui::vbOK);
    h.button("cmdAutoDupProcess")->click();
    h.prompter.expectMsgBox(kApp, "Selected item has already been processed for this time period!", kOkExcl,
                            ui::vbOK);
    h.action("mnuProcessAuto")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.lineCount(), 4);
    QCOMPARE(h.label("lblTransNumber")->text(), QStringLiteral("4 "));
    QCOMPARE(dates(h).last(), entered + QStringLiteral(" Standing"));
    QCOMPARE(h.line(3).left(1), QStringLiteral(" "));
    QCOMPARE(statuses(h), QStringLiteral("P"));
    QCOMPARE(h.list("lstDupList")->List(0).left(1), QStringLiteral("P"));
    QVERIFY(h.book()->changed);
}

void AutoDupWindowTest::frameRefusals_data() {
    QTest::addColumn<QString>("invoker");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("message");
    for (const char* n :
         {"cmdAutoDupEdit", "mnuEditAuto", "cmdAutoDupProcess", "cmdAutoDupRemove", "mnuRemoveAuto"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, none").arg(n)))
            << n << QList<int>() << "No Item Selected!";
        QTest::newRow(qPrintable(QStringLiteral("%1, two").arg(n)))
            << n << QList<int>{0, 1} << "Only one Item may be processed at a time!";
    }
}

void AutoDupWindowTest::frameRefusals() {
    QFETCH(QString, invoker);
    QFETCH(QList<int>, selected);
    QFETCH(QString, message);
    Harness h;
    ledger::ChequeBook b = bookWithStanding();
    b.lastAutoDupDay = 7;
    b.autoDupItems[1].status = 'P';
    b.autoDupItems[2].status = 'P';
    openAt(h, b, 2026, 12, 7);
    h.action("mnuFileSelect")->trigger();
    h.action("mnuViewProcess")->trigger();
    for (int line : selected)
        h.list("lstDupList")->setSelected(line, true);
    h.prompter.expectMsgBox(kApp, message, kOkExcl, ui::vbOK);
    if (auto* a = h.window->findChild<QAction*>(invoker))
        a->trigger();
    else
        h.window->findChild<ui::SSCommand*>(invoker)->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.book()->autoDupItems.size(), std::size_t(3));
    QCOMPARE(h.lineCount(), 3);
    QCOMPARE(h.book()->changed, false);
}

void AutoDupWindowTest::editRemoveAndClose() {
    Harness h;
    ledger::ChequeBook b = bookWithStanding();
    b.lastAutoDupDay = 7;
    for (ledger::Item& i : b.autoDupItems)
        i.status = 'P';
    openAt(h, b, 2026, 12, 7);
    h.action("mnuFileSelect")->trigger();
    h.action("mnuViewProcess")->trigger();
    h.list("lstDupList")->selectOnly(1);
    QString caption, day;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<ledger::frmChqUP&>(d);
        caption = w.windowTitle();
        day = control<QLineEdit>(&w, "txtDate")->text();
        control<QLineEdit>(&w, "txtDate")->setText(QStringLiteral("27"));
        control<ui::SSCommand>(&w, "cmdUpdateSave")->click();
        return 0;
    });
    h.button("cmdAutoDupEdit")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(caption, QStringLiteral("Ledgerine 95 - Edit Auto Duplicate"));
    QCOMPARE(day, QStringLiteral("28"));
    QCOMPARE(h.list("lstDupList")->List(1),
             QStringLiteral("P\t2\t27\t00000\tInsurance                \t\t80.00\tINS "));
    QCOMPARE(h.book()->autoDupItems[1].date, 27.0); // processed this month: it stays processed
    QCOMPARE(h.lineCount(), 3);

    h.list("lstDupList")->selectOnly(0);
    h.action("mnuRemoveAuto")->trigger();
    QCOMPARE(h.list("lstDupList")->ListCount(), 2);
    QCOMPARE(h.list("lstDupList")->field(0, 4).trimmed(), QStringLiteral("Insurance"));
    QCOMPARE(h.book()->autoDupItems.size(), std::size_t(2));
    QVERIFY(h.book()->changed);

    h.window->setWindowTitle(QStringLiteral("something else"));
    h.action("mnuCloseAuto")->trigger();
    QVERIFY(!h.frame("SSFrame2")->isVisibleTo(h.window.get()));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Ledgerine 95 <Household>"));
    VERIFY_DIALOGUE(h);
}

void AutoDupWindowTest::dayOfTheCheck_data() {
    QTest::addColumn<bool>("standing"); // the book has an auto-duplicate item (day 20, processed)
    QTest::addColumn<int>("lastDay");
    QTest::addColumn<int>("today");
    QTest::addColumn<int>("dayAfter");
    QTest::addColumn<bool>("changed");
    QTest::newRow("same day again") << true << 7 << 7 << 7 << false;
    QTest::newRow("later day, nothing due") << true << 7 << 9 << 9 << true;
    QTest::newRow("new month, nothing due") << true << 25 << 3 << 1 << true;
    QTest::newRow("no standing items") << false << 7 << 9 << 9 << false;
    QTest::newRow("no standing items, new month") << false << 25 << 3 << 1 << false;
}

void AutoDupWindowTest::dayOfTheCheck() {
    // The day of the check decides when the next month begins, so a book with standing items
    // counts as changed when it moves; a book without any is not worth a question.
    QFETCH(bool, standing);
    QFETCH(int, lastDay);
    QFETCH(int, today);
    QFETCH(int, dayAfter);
    QFETCH(bool, changed);
    Harness h;
    ledger::ChequeBook b = sampleBook();
    b.lastAutoDupDay = lastDay;
    if (standing)
        b.autoDupItems = {::standing(20, "Gym", "GYM", -30, 'P')};
    openAt(h, b, 2026, 12, today);
    h.action("mnuFileSelect")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.book()->lastAutoDupDay, dayAfter);
    QCOMPARE(h.book()->changed, changed);
    QCOMPARE(h.lineCount(), 3);
    // Closing asks about abandoning changes only when there are some.
    h.prompter.expectMsgBox("Close File", "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbNo)
        .expectMsgBox("Close File", "Close without saving?", kYesNoQ, ui::vbYes);
    if (changed)
        h.prompter.expectMsgBox("Close File", "Changes Made to Ledgerine, Abandon Them?", kYesNoQ, ui::vbYes);
    h.action("mnuFileClose")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(!h.book());
}

void AutoDupWindowTest::processBeyondTheRegisterRange() {
    Harness h;
    ledger::ChequeBook b = sampleBook();
    b.items.push_back(
        ledger::makeItem(runtime::oleFromCivil(2026, 11, 5), 0, "Lottery",
                         Currency::fromTicks(std::numeric_limits<std::int64_t>::max() - 30000000), "WIN"));
    b.autoDupItems = {standing(20, "Gym", "GYM", -500, 'A')}; // fits once, not twice
    openAt(h, b, 2026, 12, 7);
    h.action("mnuFileSelect")->trigger();
    h.action("mnuViewProcess")->trigger();
    h.list("lstDupList")->selectOnly(0);
    h.prompter.expectMsgBox(kApp, "Amount too large for the register's balance!", kOkExcl, ui::vbOK);
    h.button("cmdAutoDupProcess")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.lineCount(), 4);
    QCOMPARE(statuses(h), QStringLiteral("A"));
    QCOMPARE(h.book()->changed, false);
}

void AutoDupWindowTest::singleThenProcessLastMonths() {
    // SINGLE in a new month, then Process on each line: the same entries ALL would have made.
    Harness h;
    openAt(h, bookWithStanding(), 2026, 12, 2);
    h.prompter.expectModal("frmAutoDup", [](QDialog& d) {
        static_cast<ledger::frmAutoDup&>(d).Command3D1[1]->click();
        return 0;
    });
    h.action("mnuFileSelect")->trigger();
    for (int line : {0, 1, 2}) {
        h.list("lstDupList")->selectOnly(line);
        h.button("cmdAutoDupProcess")->click();
    }
    VERIFY_DIALOGUE(h);
    QCOMPARE(dates(h).mid(3), (QStringList{"11/05/26 Salary", "11/28/26 Insurance", "12/01/26 Rent"}));
    QCOMPARE(statuses(h), QStringLiteral("PAA"));
    QCOMPARE(h.list("lstDupList")->List(1).left(1), QStringLiteral("A"));
}

int runAutoDupWindowTest(int argc, char** argv) {
    AutoDupWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "AutoDupWindowTest.moc"
