// The budget/code windows through the main window: maintenance, the code picker, listing by
// code up to its date range, the budget period and the entry window's budget status.

#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/CodeCommands.h"
#include "register/app/CodeFileSession.h"
#include "register/app/frmChqUP.h"
#include "register/app/frmEditCodes.h"
#include "register/app/frmSelectCodes.h"
#include "register/app/frmSelectDates.h"

#include <QListWidget>
#include <QRadioButton>

using namespace apptest;
using ledger::frmEditCodes;

namespace {

const QByteArray kCodes = "\"Salary                   \",\"INC \",\"  1200.00\"\r\n"
                          "\"*******************      \",\"****\",\"*********\"\r\n"
                          "\"Rent                     \",\"RENT\",\"  -450.00\"\r\n";
constexpr int kCritical = ui::vbOKOnly + ui::vbCritical;

Harness::StartScript withCodes() {
    return [](Harness& h) {
        h.writeFile(QStringLiteral("lgncodes.csv"), kCodes);
    };
}

void openSample(Harness& h) {
    writeBook(h.path("a.lgn"), sampleBook());
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());
}

// Steps on a window: "sel N" ("sel -" clears), "click NAME", "type NAME TEXT" (replaces the text),
// "leave NAME" (the box loses the focus).
void run(QDialog& w, const QStringList& steps) {
    for (const QString& step : steps) {
        const QString verb = step.section(' ', 0, 0), name = step.section(' ', 1, 1);
        if (verb == "sel") {
            auto* list = w.findChild<QListWidget*>("lstTransCodes");
            name == "-" ? list->clearSelection() : list->setCurrentRow(name.toInt());
        } else if (verb == "click") {
            QAbstractButton* b = w.findChild<QAbstractButton*>(name);
            QVERIFY2(b, qPrintable(name));
            b->click();
        } else if (verb == "type") {
            auto* box = w.findChild<QLineEdit*>(name);
            box->selectAll();
            QTest::keyClicks(box, step.section(' ', 2));
        } else if (verb == "leave") {
            QMetaObject::invokeMethod(&w, qPrintable(name + "_LostFocus"));
        }
    }
}

QStringList codesOf(Harness& h) {
    QStringList list;
    for (const ledger::CodeRecord& r : h.window->codeFiles().table().records())
        list << QString::fromStdString(r.code + "|" + r.budget);
    return list;
}

const QStringList kStart{"INC |  1200.00", "****|*********", "RENT|  -450.00"};

} // namespace

class CodeWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void maintenance_data();
    void maintenance();
    void createFileAndExitSaves();
    void picker_data();
    void picker();
    void listByCode_data();
    void listByCode();
    void dateRangeChecks_data();
    void dateRangeChecks();
    void budgetPeriodRoundTrip();
    void budgetStatusPanel_data();
    void budgetStatusPanel();
};

void CodeWindowsTest::maintenance_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("boxes"); // messages, in order, all "Ledgerine 95" critical
    QTest::addColumn<QStringList>("codes"); // the table afterwards; empty: unchanged
    QTest::addColumn<QString>("text3");     // Text3 after the steps; empty: not checked

    const QStringList none;
    const QStringList add{"click cmdAdd",   "type Text1 Groceries", "type Text2 FOOD",
                          "type Text3 300", "click Option1(1)",     "click cmdOK"};
    QTest::newRow("add with the first line selected goes on top")
        << (QStringList{"sel 0"} + add) << none
        << QStringList{"FOOD|  -300.00", "INC |  1200.00", "****|*********", "RENT|  -450.00"} << "     0.00";
    QTest::newRow("add before the last line")
        << (QStringList{"sel 2"} + add) << none
        << QStringList{"INC |  1200.00", "****|*********", "FOOD|  -300.00", "RENT|  -450.00"} << "";
    QTest::newRow("add needs an insertion point")
        << (QStringList{"sel -"} + add)
        << QStringList{"Please select an Item to act as insertion point of NEW Item!"} << none << "";
    QTest::newRow("spacer on top") << QStringList{"sel 0", "click cmdSpacer", "click cmdOK"} << none
                                   << (QStringList{"****|*********"} + kStart) << "";
    QTest::newRow("spacer beside a spacer")
        << QStringList{"sel 1", "click cmdSpacer", "click cmdOK"} << none
        << QStringList{"INC |  1200.00", "****|*********", "****|*********", "RENT|  -450.00"} << "";
    QTest::newRow("edit and delete need a line")
        << QStringList{"sel -", "click cmdEdit", "click cmdDelete", "click cmdSpacer"}
        << QStringList{"No Item Selected!", "No Item Selected!", "No Item Selected!"} << none << "";
    QTest::newRow("delete closes the gap") << QStringList{"sel 1", "click cmdDelete", "click cmdOK"} << none
                                           << QStringList{"INC |  1200.00", "RENT|  -450.00"} << "";
    QTest::newRow("999999.99 accepted")
        << QStringList{"sel 0", "click cmdEdit", "type Text3 999999.99", "leave Text3", "click cmdOK"} << none
        << QStringList{"INC |999999.99", "****|*********", "RENT|  -450.00"} << "";
    QTest::newRow("1000000 refused, old amount back")
        << QStringList{"sel 0", "click cmdEdit", "type Text3 1000000", "leave Text3"}
        << QStringList{"Budget amount exceeds the allowable maximum of $999,999.99\nPlease reenter!"} << none
        << "1200.00";
    QTest::newRow("letters never reach the budget")
        << QStringList{"sel 2", "click cmdEdit", "type Text3 12a.5x"} << none << none << "12.5";
    QTest::newRow("long description refused")
        << QStringList{"sel 0", "click cmdEdit", "type Text1 abcdefghijklmnopqrstuvwxyz", "leave Text1"}
        << QStringList{"A Check Code description of longer than 25 characters was encountered.\nPlease "
                       "reenter"}
        << none << "";
    QTest::newRow("five-letter code refused, two letters padded")
        << QStringList{"sel 0",       "click cmdEdit", "type Text2 SALAR",
                       "leave Text2", "type Text2 SA", "click cmdOK"}
        << QStringList{"Check code type of longer than four characters\nPlease reenter!"}
        << QStringList{"SA  |  1200.00", "****|*********", "RENT|  -450.00"} << "";
    QTest::newRow("income drops the minus of an expense")
        << QStringList{"sel 2", "click cmdEdit", "click Option1(0)", "click cmdOK"} << none
        << QStringList{"INC |  1200.00", "****|*********", "RENT|   450.00"} << "";
    QTest::newRow("expense of a negative amount changes nothing")
        << QStringList{"sel 2", "click cmdEdit", "click Option1(1)"} << none << none << "-450.00";
    QTest::newRow("edit without typing changes nothing")
        << QStringList{"sel 0", "click cmdEdit", "click cmdOK", "click cmdCancel"} << none << none
        << "     0.00";
}

void CodeWindowsTest::maintenance() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, codes);
    QFETCH(QString, text3);
    Harness h(QByteArray(), withCodes());
    QString seen3;
    QStringList lines;
    h.prompter.expectModal("frmEditCodes", [&](QDialog& d) {
        run(d, steps);
        auto& w = static_cast<frmEditCodes&>(d);
        seen3 = w.Text3->text();
        for (int i = 0; i < w.lstTransCodes->count(); ++i)
            lines << w.lstTransCodes->item(i)->text();
        return 0;
    });
    for (const QString& text : boxes)
        h.prompter.expectMsgBox(kApp, text, kCritical, ui::vbOK);
    h.action("mnuEditCodes")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.transcript().front().title, QStringLiteral("Edit Budget/Code File <lgncodes.csv>"));
    QCOMPARE(codesOf(h), codes.isEmpty() ? kStart : codes);
    QCOMPARE(h.window->codeFiles().codesChanged(), !codes.isEmpty());
    if (!text3.isEmpty())
        QCOMPARE(seen3, text3);
    // The list shows the table as it now stands.
    QCOMPARE(lines.size(), static_cast<int>(h.window->codeFiles().table().count()));
    QVERIFY(lines.contains("Rent" + QString(28, ' ') + "RENT" + QString(6, ' ') + "(450.00)") ||
            !codesOf(h).contains("RENT|  -450.00"));
}

void CodeWindowsTest::createFileAndExitSaves() {
    Harness h(QByteArray(), withCodes());
    QStringList lines;
    h.prompter.expectSaveFile(chosen(h.path("new.csv")));
    h.prompter.expectModal("frmEditCodes", [&](QDialog& d) {
        auto& w = static_cast<frmEditCodes&>(d);
        lines << w.lstTransCodes->item(0)->text();
        // A new, empty table takes its first code without a selected line.
        run(d, {"click cmdAdd", "type Text1 Gift", "type Text2 GIFT", "type Text3 5", "click cmdOK",
                "click cmdExit"});
        return 0;
    });
    h.prompter.expectMsgBox(kApp, "Changes made to the Budget/Code file new.csv\nSave Changes?",
                            ui::vbYesNo + ui::vbQuestion, ui::vbYes);
    h.action("mnuCreateCodeFile")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(lines, QStringList{QString(36, ' ') + "0.00"});
    QCOMPARE(h.readFile("new.csv"), QByteArray("\"Gift                     \",\"GIFT\",\"     5.00\"\r\n"));
    QVERIFY(!h.window->codeFiles().codesChanged());
}

void CodeWindowsTest::picker_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("result");
    QTest::newRow("a line gives its index") << "line 2" << 2;
    QTest::newRow("exit gives 999") << "exit" << 999;
    QTest::newRow("a spacer is no choice") << "line 1" << 999;
}

void CodeWindowsTest::picker() {
    QFETCH(QString, step);
    QFETCH(int, result);
    const ledger::CodeTable table = ledger::decodeCodeFile(kCodes.toStdString(), "lgncodes.csv").table;
    ledger::frmSelectCodes w(table, "lgncodes.csv");
    QCOMPARE(w.windowTitle(), QStringLiteral("Select Code <lgncodes.csv>"));
    QCOMPARE(w.lstTransCodes->item(2)->text(), "Rent" + QString(28, ' ') + "RENT");
    if (step == "exit")
        w.cmdNoCode->click();
    else
        w.lstTransCodes_Click(w.lstTransCodes->item(step.section(' ', 1).toInt()));
    QCOMPARE(w.result(), result);
}

void CodeWindowsTest::listByCode_data() {
    QTest::addColumn<int>("line"); // picked in the picker; -1: Exit
    QTest::addColumn<QList<std::optional<QString>>>("answers");
    QTest::addColumn<QString>("code"); // empty: the command was cancelled
    using A = QList<std::optional<QString>>;
    QTest::newRow("picked code") << 2 << A{} << "RENT";
    QTest::newRow("ALL after one too long") << -1 << A{QString("ABCDE"), QString("ALL")} << "ALL ";
    QTest::newRow("typed code padded") << -1 << A{QString("GA")} << "GA  ";
    QTest::newRow("default cancels") << -1 << A{QString("****")} << "";
    QTest::newRow("empty cancels") << -1 << A{QString()} << "";
    QTest::newRow("cancel button") << -1 << A{std::nullopt} << "";
}

void CodeWindowsTest::listByCode() {
    QFETCH(int, line);
    QFETCH(QList<std::optional<QString>>, answers);
    QFETCH(QString, code);
    Harness h(QByteArray(), withCodes());
    openSample(h);
    h.prompter.expectModal("frmSelectCodes", [line](QDialog& d) {
        auto& w = static_cast<ledger::frmSelectCodes&>(d);
        line < 0 ? w.cmdNoCode->click() : w.lstTransCodes_Click(w.lstTransCodes->item(line));
        return 0;
    });
    for (const std::optional<QString>& answer : answers)
        h.prompter.expectInput(
            "Select Code",
            "Enter Unlisted Transaction Code\n(4 characters maximum)\nEnter ALL for entire "
            "Ledgerine File",
            answer);
    QString shownStart;
    if (!code.isEmpty()) {
        h.prompter.expectModal("frmSelectDates", [&shownStart](QDialog& d) {
            shownStart = static_cast<ledger::frmSelectDates&>(d).txtStart->text();
            run(d, {"type txtStart 11/01/26", "click Command3D1"});
            return 0;
        });
        h.prompter.expectModal("frmCodeselect", [](QDialog&) { return 0; });
    }
    h.window->findChild<QAction*>(QStringLiteral("mnuSelect"))->trigger();
    VERIFY_DIALOGUE(h);
    auto* commands = h.window->findChild<ledger::CodeCommands*>();
    QCOMPARE(commands->listedCode(), code);
    QCOMPARE(commands->selectionRange().start,
             code.isEmpty() ? runtime::kRegisterMinDate : runtime::oleFromCivil(2026, 11, 1));
    QCOMPARE(commands->dateSelected(), !code.isEmpty());
    QCOMPARE(shownStart, code.isEmpty() ? QString() : QStringLiteral("mm/dd/yy"));
}

void CodeWindowsTest::dateRangeChecks_data() {
    QTest::addColumn<bool>("guidance");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("told"); // "Incorrect Date"
    QTest::addColumn<QString>("shown");
    QTest::newRow("date taken, shown as mm/dd/yy") << true << "03/05/2027" << false << "03/05/27";
    QTest::newRow("placeholder leaves the end open") << true << "mm/dd/yy" << false << "mm/dd/yy";
    QTest::newRow("impossible date told") << true << "02/30/27" << true << "02/30/27";
    QTest::newRow("before 1980 told") << true << "12/31/1979" << true << "12/31/1979";
    QTest::newRow("without guidance only a beep") << false << "bad" << false << "bad";
}

void CodeWindowsTest::dateRangeChecks() {
    QFETCH(bool, guidance);
    QFETCH(QString, typed);
    QFETCH(bool, told);
    QFETCH(QString, shown);
    ScriptedPrompter prompter;
    if (told)
        prompter.expectMsgBox("Input Error", "Incorrect Date", kOkExcl, ui::vbOK);
    ledger::frmSelectDates w(prompter, guidance);
    QCOMPARE(w.Panel3D2->isHidden(), !guidance);
    w.setRange(runtime::oleFromCivil(2026, 1, 2), runtime::kRegisterMaxDate);
    run(w, {"type txtEnd " + typed});
    const bool ok = w.txtEnd_LostFocus();
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    QCOMPARE(w.txtStart->text(), QStringLiteral("01/02/26"));
    QCOMPARE(w.txtEnd->text(), shown);
    QCOMPARE(prompter.beepCount(), ok ? 0 : 1);
    QCOMPARE(w.endDate(),
             shown == "03/05/27" ? runtime::oleFromCivil(2027, 3, 5) : runtime::kRegisterMaxDate);
    QCOMPARE(w.dateSelected(), shown == "03/05/27");

    // Leaving a box without typing keeps its date, whatever century its two-digit year suggests.
    w.setRange(runtime::oleFromCivil(2035, 6, 1), runtime::kRegisterMaxDate);
    QVERIFY(w.txtStart_LostFocus());
    QCOMPARE(w.startDate(), runtime::oleFromCivil(2035, 6, 1));
}

void CodeWindowsTest::budgetPeriodRoundTrip() {
    Harness h(QByteArray(), withCodes());
    openSample(h);
    h.prompter.expectModal("frmSelectDates", [](QDialog& d) {
        run(d, {"type txtStart 11/01/26", "type txtEnd 11/30/26", "leave txtStart", "click Command3D1"});
        return 0;
    });
    h.action("mnuBudgetPeriod")->trigger();
    QVERIFY(h.book()->changed);
    h.prompter.expectMsgBox(kApp,
                            h.path("a.lgn") + " is using the Budget/Code file " + h.path("lgncodes.csv") +
                                "\nDo You wish to retain this relationship?",
                            kYesNoQ, ui::vbYes);
    h.action("mnuFileSave")->trigger();
    h.prompter.expectMsgBox("Close File", "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbNo)
        .expectMsgBox("Close File", "Close without saving?", kYesNoQ, ui::vbYes);
    h.action("mnuFileClose")->trigger();
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.prompter.expectMsgBox("Open Ledgerine", "Show only the current BUDGET PERIOD in main register?",
                            kYesNoQ, ui::vbNo);
    h.action("mnuFileSelect")->trigger();
    // The period comes back and shows again in the window; unchanged, it leaves the book unchanged.
    QString shown;
    h.prompter.expectModal("frmSelectDates", [&shown](QDialog& d) {
        auto& w = static_cast<ledger::frmSelectDates&>(d);
        shown = w.txtStart->text() + " " + w.txtEnd->text();
        w.Command3D1->click();
        return 0;
    });
    h.action("mnuBudgetPeriod")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.book()->period.start, runtime::oleFromCivil(2026, 11, 1));
    QCOMPARE(h.book()->period.end, runtime::oleFromCivil(2026, 11, 30));
    QVERIFY(!h.book()->changed);
    QCOMPARE(shown, QStringLiteral("11/01/26 11/30/26"));
}

void CodeWindowsTest::budgetStatusPanel_data() {
    QTest::addColumn<QString>("code"); // typed, or "ESC n" to pick line n
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("budgeted");
    QTest::addColumn<QString>("used");
    QTest::addColumn<QColor>("usedColor");
    const QColor red(255, 0, 0), blue(0, 0, 255);
    // The period is November 2026: the October items stay out.
    QTest::newRow("income code") << "INC"
                                 << "INC"
                                 << "$1,200.00"
                                 << "$1,200.25" << blue;
    QTest::newRow("expense code picked with Escape") << "ESC 2"
                                                     << "RENT"
                                                     << "($450.00)"
                                                     << "($100.00)" << red;
    QTest::newRow("code the table lacks") << "OPEN"
                                          << "____"
                                          << "$0.00"
                                          << "$0.00" << blue;
    QTest::newRow("no code") << ""
                             << "____"
                             << "$0.00"
                             << "$0.00" << blue;
}

void CodeWindowsTest::budgetStatusPanel() {
    QFETCH(QString, code);
    QFETCH(QString, label);
    QFETCH(QString, budgeted);
    QFETCH(QString, used);
    QFETCH(QColor, usedColor);
    Harness h(QByteArray(), withCodes());
    ledger::ChequeBook b = sampleBook();
    b.period = {runtime::oleFromCivil(2026, 11, 1), runtime::oleFromCivil(2026, 11, 30)};
    using runtime::Currency;
    b.items.push_back(
        ledger::makeItem(runtime::oleFromCivil(2026, 10, 31), 0, "Bonus", Currency::fromUnits(50), "INC"));
    b.items.push_back(
        ledger::makeItem(runtime::oleFromCivil(2026, 11, 30), 0, "Rent", -Currency::fromUnits(100), "RENT"));
    writeBook(h.path("a.lgn"), b);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.prompter.expectMsgBox("Open Ledgerine", "Show only the current BUDGET PERIOD in main register?",
                            kYesNoQ, ui::vbNo);
    h.action("mnuFileSelect")->trigger();
    QStringList seen;
    QList<QColor> colors;
    int shownHeight = 0, hiddenHeight = 0;
    h.prompter.expectModal("frmChqUP", [&](QDialog& d) {
        auto& w = static_cast<ledger::frmChqUP&>(d);
        auto* codeBox = control<QLineEdit>(&w, "txtTransCode");
        auto* budgetPanel = control<ui::SSPanel>(&w, "Panel3D3");
        auto* toDatePanel = control<ui::SSPanel>(&w, "Panel3D4");
        control<ui::SSCommand>(&w, "cmdBudget")->click();
        if (code.startsWith("ESC"))
            QTest::keyClick(codeBox, Qt::Key_Escape);
        else
            codeBox->setText(code);
        seen << control<QLabel>(&w, "lblStatusCode")->text() << budgetPanel->caption()
             << toDatePanel->caption();
        colors << budgetPanel->foreColor() << toDatePanel->foreColor();
        shownHeight = w.height();
        control<QAction>(&w, "mnuBudgetStatus")->trigger();
        hiddenHeight = w.height();
        seen << budgetPanel->caption() + toDatePanel->caption();
        return 0;
    });
    if (code.startsWith("ESC"))
        h.prompter.expectModal("frmSelectCodes", [&](QDialog& d) {
            auto& w = static_cast<ledger::frmSelectCodes&>(d);
            w.lstTransCodes_Click(w.lstTransCodes->item(code.section(' ', 1).toInt()));
            return 0;
        });
    h.button("cmdNewItem")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(seen, (QStringList{label, budgeted, used, QString()}));
    QCOMPARE(colors,
             (QList<QColor>{budgeted.startsWith('(') ? QColor(255, 0, 0) : QColor(0, 0, 255), usedColor}));
    QVERIFY2(shownHeight > hiddenHeight, qPrintable(QString("%1 %2").arg(shownHeight).arg(hiddenHeight)));
}

int runCodeWindowsTest(int argc, char** argv) {
    CodeWindowsTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "CodeWindowsTest.moc"
