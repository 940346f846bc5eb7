// Bank reconciliation through the main window: opening under the guard, Calculate with its exact
// dialogue, figures and colours, the statement box's keys, following the register while open, and
// the caption flashing stepped on hand-driven timers.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/frnReconcil.h"

#include <QFocusEvent>

using namespace apptest;
using ledger::frnReconcil;

namespace {

const QString kGuardTitle = QStringLiteral("Reconcile Bank Book");
const QString kTitle = QStringLiteral("Cheque Book Reconciliation");
const QString kCleared = QStringLiteral("Have you cleared all the transactions on the Bank Statement");
const QString kZero = QStringLiteral("Final Balance is Zero!\nContinue with reconciliation?");
const QString kNotZero =
    QStringLiteral("Net Difference is not zero - Check the status of all transactions and "
                   "rerun reconciliation (if neccessary).");
constexpr int kInfo = ui::vbOKOnly + ui::vbInformation;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);
const QColor kBlack(0, 0, 0);

QColor colourOf(QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// Timers that run only when the test moves time on.
class ManualTimers : public ledger::TimerSource {
public:
    struct Timer : ledger::WindowTimer {
        Timer(int ms, std::function<void()> t) : interval_(ms), tick(std::move(t)) {}
        void setEnabled(bool on) override {
            on_ = on;
            elapsed = 0;
        }
        bool isEnabled() const override { return on_; }
        int interval() const override { return interval_; }
        int interval_;
        std::function<void()> tick;
        bool on_ = false;
        int elapsed = 0;
    };

    std::unique_ptr<ledger::WindowTimer> create(int ms, std::function<void()> tick) override {
        auto t = std::make_unique<Timer>(ms, std::move(tick));
        timers.push_back(t.get());
        return t;
    }

    // Moves time on a millisecond at a time; a timer enabled by another's tick counts from then.
    void advance(int ms) {
        for (int i = 0; i < ms; ++i) {
            std::vector<Timer*> due;
            for (Timer* t : timers)
                if (t->on_ && ++t->elapsed >= t->interval_)
                    due.push_back(t);
            for (Timer* t : due)
                if (t->on_ && t->elapsed >= t->interval_) {
                    t->elapsed = 0;
                    t->tick();
                }
        }
    }

    std::vector<Timer*> timers;
};

void open(Harness& h, const ledger::ChequeBook& book = sampleBook()) {
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.session().openFromDialog();
}

frnReconcil* reconcil(Harness& h) {
    return h.window->findChild<frnReconcil*>();
}

// Opens the window through the menu, answering the cleared-items question when messages are on.
frnReconcil* startReconcile(Harness& h) {
    if (h.window->messagesShown())
        h.prompter.expectMsgBox(kGuardTitle, kCleared, kYesNoQ, ui::vbYes);
    h.action("mnuReconcile")->trigger();
    return reconcil(h);
}

void focusBox(frnReconcil* w) {
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(w->txtStatementBalance, &in);
}

} // namespace

class ReconcileWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opening_data();
    void opening();
    void calculate_data();
    void calculate();
    void statementKeys_data();
    void statementKeys();
    void followsTheRegister();
    void flashing_data();
    void flashing();
    void exitAndHelp();
};

void ReconcileWindowTest::opening_data() {
    QTest::addColumn<bool>("bookOpen");
    QTest::addColumn<bool>("messages");
    QTest::addColumn<QString>("invoker");
    QTest::addColumn<int>("answer"); // to the cleared-items question; 0: not asked
    QTest::addColumn<bool>("shown");
    QTest::newRow("no book: the guard refuses") << false << true << "cmdReconcile" << 0 << false;
    QTest::newRow("messages on, No stops") << true << true << "mnuReconcile" << ui::vbNo << false;
    QTest::newRow("messages on, Yes opens") << true << true << "cmdReconcile" << ui::vbYes << true;
    QTest::newRow("messages off, no question") << true << false << "mnuReconcile" << 0 << true;
}

void ReconcileWindowTest::opening() {
    QFETCH(bool, bookOpen);
    QFETCH(bool, messages);
    QFETCH(QString, invoker);
    QFETCH(int, answer);
    QFETCH(bool, shown);
    Harness h;
    if (bookOpen)
        open(h);
    if (!messages)
        h.window->mnuShowMsg_Click();
    if (!bookOpen)
        h.prompter.expectMsgBox(kGuardTitle, QStringLiteral("Cheque Book File not Opened"), kOkExcl,
                                ui::vbOK);
    if (answer != 0)
        h.prompter.expectMsgBox(kGuardTitle, kCleared, kYesNoQ, answer);
    if (auto* a = h.window->findChild<QAction*>(invoker))
        a->trigger();
    else
        h.window->findChild<ui::SSCommand*>(invoker)->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.beepCount(), answer != 0 ? 1 : 0);
    frnReconcil* w = reconcil(h);
    QCOMPARE(w != nullptr && w->isVisible(), shown);
    if (!shown)
        return;
    QCOMPARE(w->windowTitle(), kTitle);
    QCOMPARE(w->txtStatementBalance->text(), QStringLiteral("0.00"));
    QCOMPARE(w->lblBalance->text(), QStringLiteral("$1,250.25 "));
    QCOMPARE(w->txtStatementBalance->palette().color(QPalette::Text), kBlue);
    QVERIFY(!w->Command3D1->isVisible());
}

void ReconcileWindowTest::calculate_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("messages");
    QTest::addColumn<int>("zeroAnswer"); // 0: the zero question is not asked
    QTest::addColumn<bool>("announced");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("net");
    QTest::addColumn<QColor>("netColour");
    QTest::addColumn<QString>("hint"); // what Hints shows; empty: nothing
    // The sample book: balance 1,250.25 of which a deposit of 1,200.25 is not cleared.
    const QString a =
        QStringLiteral("Deposit(s) after statement date not entered\n%1-OR-\n%2Withdrawal(s) not cleared")
            .arg(QString(28, ' '), QString(15, ' '));
    const QString b =
        QStringLiteral("Withdrawal(s) after statement date not entered\n%1-OR-\n%2Deposit(s) not cleared")
            .arg(QString(30, ' '), QString(18, ' '));
    QTest::newRow("reconciled") << "50" << true << 0 << false << "$50.00"
                                << "$0.00" << kBlue << "";
    QTest::newRow("one cent over, quiet") << "50.01" << true << 0 << false << "$50.01"
                                          << "$0.01" << kBlue << a;
    QTest::newRow("one cent under, quiet") << "49.99" << true << 0 << false << "$49.99"
                                           << "($0.01) " << kBlue << b;
    QTest::newRow("zero confirmed: -50 in magenta, hint B") << "0.00" << true << ui::vbYes << true << "$0.00"
                                                            << "($50.00) " << kMagenta << b;
    QTest::newRow("zero declined: nothing computed") << "0" << true << ui::vbNo << false << "0"
                                                     << "" << QColor() << "";
    QTest::newRow("letters count as zero") << "abc" << true << ui::vbNo << false << "abc"
                                           << "" << QColor() << "";
    QTest::newRow("positive difference in black, hint A") << "75.50" << true << 0 << true << "$75.50"
                                                          << "$25.50" << kBlack << a;
    QTest::newRow("pasted overdrawn balance") << "($10.00)" << true << 0 << true << "($10.00)"
                                              << "($60.00) " << kMagenta << b;
    QTest::newRow("messages off: no box, no Hints") << "1,000" << false << 0 << true << "$1,000.00"
                                                    << "$950.00" << kBlack << a;
}

void ReconcileWindowTest::calculate() {
    QFETCH(QString, entry);
    QFETCH(bool, messages);
    QFETCH(int, zeroAnswer);
    QFETCH(bool, announced);
    QFETCH(QString, box);
    QFETCH(QString, net);
    QFETCH(QColor, netColour);
    QFETCH(QString, hint);
    Harness h;
    open(h);
    if (!messages)
        h.window->mnuShowMsg_Click();
    frnReconcil* w = startReconcile(h);
    h.prompter.reset();
    w->txtStatementBalance->setText(entry);
    if (zeroAnswer != 0)
        h.prompter.expectMsgBox(kTitle, kZero, ui::vbYesNo + ui::vbCritical, zeroAnswer);
    if (announced && messages)
        h.prompter.expectMsgBox(kTitle, kNotZero, kInfo, ui::vbOK);
    w->pctTab->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.beepCount(), announced && messages ? 1 : 0);
    QCOMPARE(w->txtStatementBalance->text(), box);
    QCOMPARE(w->lblNet->text(), net);
    QCOMPARE(w->flashing(), announced);
    QCOMPARE(w->Command3D1->isVisible(), announced && messages);
    if (net.isEmpty())
        return;
    QCOMPARE(colourOf(w->lblNet), netColour);
    QCOMPARE(w->lblDeposits->text(), QStringLiteral("$1,200.25 "));
    QCOMPARE(colourOf(w->lblDeposits), kBlue);
    QCOMPARE(w->lblCheques->text(), QStringLiteral("$0.00 "));
    QCOMPARE(colourOf(w->lblCheques), kRed);
    QCOMPARE(colourOf(w->lblBalance), kBlue);
    const bool overdrawn = box.startsWith(QLatin1Char('('));
    QCOMPARE(w->txtStatementBalance->palette().color(QPalette::Text), overdrawn ? kRed : kBlue);
    if (!hint.isEmpty())
        h.prompter.expectMsgBox(kTitle, hint, kInfo, ui::vbOK);
    w->Command3D1_Click();
    VERIFY_DIALOGUE(h);

    // Calculating again reads back the amount the box now shows.
    if (!announced && messages) {
        w->pctTab->click();
        VERIFY_DIALOGUE(h);
        QCOMPARE(w->lblNet->text(), net);
    }
}

void ReconcileWindowTest::statementKeys_data() {
    QTest::addColumn<QString>("before"); // typing starts at its beginning
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("digits and point") << ""
                                      << "12.5"
                                      << "12.5";
    QTest::newRow("letters, commas and dollar refused") << ""
                                                        << "a$1,2x"
                                                        << "12";
    QTest::newRow("minus after a digit refused") << ""
                                                 << "5-"
                                                 << "5";
    QTest::newRow("second minus refused") << "-5"
                                          << "-"
                                          << "-5";
    QTest::newRow("minus before existing digits") << "75"
                                                  << "-"
                                                  << "-75";
}

void ReconcileWindowTest::statementKeys() {
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    ui::ScriptedPrompter prompter;
    const ledger::ChequeBook book = sampleBook();
    frnReconcil w(
        prompter, [&book] { return &book; }, [] { return true; });
    w.txtStatementBalance->setText(before);
    w.txtStatementBalance->setCursorPosition(0);
    QTest::keyClicks(w.txtStatementBalance, typed);
    QCOMPARE(w.txtStatementBalance->text(), after);
}

void ReconcileWindowTest::followsTheRegister() {
    Harness h;
    open(h);
    h.window->mnuShowMsg_Click(); // the figures alone; no boxes
    frnReconcil* w = startReconcile(h);
    // Nothing calculated yet: changes in the register show nothing.
    h.list("lstChqList")->selectOnly(2);
    h.button("ctlCleared")->click();
    QCOMPARE(w->lblNet->text(), QString());

    w->txtStatementBalance->setText(QStringLiteral("1250.25"));
    w->pctTab->click();
    QCOMPARE(w->lblNet->text(), QStringLiteral("$0.00"));
    // Un-clearing the payroll deposit makes it outstanding again.
    h.button("ctlCleared")->click();
    QCOMPARE(w->lblDeposits->text(), QStringLiteral("$1,200.25 "));
    QCOMPARE(w->lblNet->text(), QStringLiteral("$1,200.25"));
    QCOMPARE(colourOf(w->lblNet), kBlack);
    QVERIFY(w->flashing());
    // Clearing it again brings the difference back to zero and stops the flashing.
    h.button("ctlCleared")->click();
    QCOMPARE(w->lblNet->text(), QStringLiteral("$0.00"));
    QCOMPARE(colourOf(w->lblNet), kBlue);
    QVERIFY(!w->flashing());
    QCOMPARE(w->txtStatementBalance->text(), QStringLiteral("$1,250.25"));

    // Deleting the rent cheque (cleared) changes the balance, and so the difference.
    h.list("lstChqList")->selectOnly(1);
    h.button("cmdDelete")->click();
    h.prompter.expectMsgBox(kApp,
                            QStringLiteral("Save backup Ledgerine file before deleteing selected item(s)?"),
                            kYesNoQ, ui::vbNo);
    h.prompter.expectMsgBox(kApp, QStringLiteral("Deleted items CANNOT be recovered\n         CONTINUE?"),
                            kYesNoQ, ui::vbYes);
    h.button("picChkmark")->click();
    QCOMPARE(w->lblBalance->text(), QStringLiteral("$1,700.25 "));
    QCOMPARE(w->lblNet->text(), QStringLiteral("($450.00) "));
    QCOMPARE(colourOf(w->lblNet), kMagenta);

    // Once hidden the window no longer follows; closing the book takes its figures away.
    w->cmdExit->click();
    h.list("lstChqList")->selectOnly(0);
    h.button("ctlCleared")->click();
    QCOMPARE(w->lblDeposits->text(), QStringLiteral("$0.00 "));
    startReconcile(h);
    const QString close = QStringLiteral("Close File");
    h.prompter.expectMsgBox(close, QStringLiteral("Check Book File Currently Open. Save It?"), kYesNoQ,
                            ui::vbNo);
    h.prompter.expectMsgBox(close, QStringLiteral("Close without saving?"), kYesNoQ, ui::vbYes);
    h.prompter.expectMsgBox(close, QStringLiteral("Changes Made to Ledgerine, Abandon Them?"), kYesNoQ,
                            ui::vbYes);
    h.session().close();
    QVERIFY(!w->isVisible());
    QCOMPARE(w->lblNet->text(), QString());
    VERIFY_DIALOGUE(h);
}

// Each step of the flashing: what the caption and the timers are after it.
void ReconcileWindowTest::flashing_data() {
    // Steps: "calc" (a difference), "reconciled", "focus" (entering the box), "hide", or milliseconds.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("states"); // per step: caption (H/-), timers 1 2 3 (1/0), flag (F/-)
    QTest::newRow("start, each phase, alternating every 2 s")
        << QStringList{"calc", "1999", "1", "2000", "2000", "2000"} << "-001F -001F -100F H010F -100F H010F";
    QTest::newRow("entering the box restores and stops")
        << QStringList{"calc", "4000", "focus", "10000"} << "-001F H010F -000- -000-";
    QTest::newRow("a second difference does not restart the first delay")
        << QStringList{"calc", "2000", "calc", "2000"} << "-001F -100F -100F H010F";
    QTest::newRow("hiding restores and stops")
        << QStringList{"calc", "4000", "hide", "20000"} << "-001F H010F -000- -000-";
    QTest::newRow("reconciling restores and stops")
        << QStringList{"calc", "4000", "reconciled", "9000"} << "-001F H010F -000- -000-";
}

void ReconcileWindowTest::flashing() {
    QFETCH(QStringList, steps);
    QFETCH(QString, states);
    ManualTimers timers;
    ui::ScriptedPrompter prompter;
    const ledger::ChequeBook book = sampleBook();
    frnReconcil w(
        prompter, [&book] { return &book; }, [] { return false; }, nullptr, &timers);
    w.show();
    QStringList seen;
    for (const QString& step : steps) {
        if (step == QLatin1String("calc"))
            w.Recalculate(runtime::Currency::fromUnits(10));
        else if (step == QLatin1String("reconciled"))
            w.Recalculate(*runtime::Currency::parse("50")); // the sample book reconciles at 50
        else if (step == QLatin1String("focus"))
            focusBox(&w);
        else if (step == QLatin1String("hide"))
            w.hide();
        else
            timers.advance(step.toInt());
        seen << QStringLiteral("%1%2%3%4%5")
                    .arg(w.captionHighlighted() ? "H" : "-")
                    .arg(int(w.Timer1->isEnabled()))
                    .arg(int(w.Timer2->isEnabled()))
                    .arg(int(w.Timer3->isEnabled()))
                    .arg(w.flashing() ? "F" : "-");
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), states);
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    for (const auto* t : {w.Timer1.get(), w.Timer2.get(), w.Timer3.get()})
        QCOMPARE(t->interval(), 2000);
}

void ReconcileWindowTest::exitAndHelp() {
    Harness h;
    open(h);
    frnReconcil* w = startReconcile(h);
    QVERIFY(w->isVisible());
    QVERIFY(!w->isModal());
    QVERIFY(w->rechelp->isEnabled());
    QCOMPARE(w->rechelp->property("helpContext").toInt(), 217);
    QCOMPARE(w->rechelp->shortcut(), QKeySequence(Qt::Key_F1));
    // Tab from the statement box reaches Calculate.
    QWidget* next = w->txtStatementBalance->nextInFocusChain();
    while (next != w->txtStatementBalance && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    QCOMPARE(next, static_cast<QWidget*>(w->pctTab));
    w->cmdExit->click();
    QVERIFY(!w->isVisible());
    QCOMPARE(w->lblBalance->text(), QString());
    // Opening again resets the box and the balance.
    w->txtStatementBalance->setText(QStringLiteral("12"));
    startReconcile(h);
    QCOMPARE(w->txtStatementBalance->text(), QStringLiteral("0.00"));
    QCOMPARE(w->lblBalance->text(), QStringLiteral("$1,250.25 "));
    VERIFY_DIALOGUE(h);
}

int runReconcileWindowTest(int argc, char** argv) {
    ReconcileWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "ReconcileWindowTest.moc"
