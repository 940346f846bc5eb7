// The calendar window and the calculator as the register runs them: the real calendar control
// created through a temporary registry, and a real abacon32 found and closed by its caption.
#include "AppHarness.h"
#include "AppTests.h"

#include "ole/OleControl.h"
#include "register/app/CalculatorLink.h"
#include "register/app/CalendarLink.h"
#include "register/app/frmCalendar.h"
#include "register/app/frmChqUP.h"
#include "winapi/Module.h"
#include "winapi/Process.h"
#include "winapi/Window.h"

#include <QLineEdit>
#include <QMenu>

using namespace apptest;

namespace {

const QString kCloseCalendar = QStringLiteral("Close Calendar?");

// Installs the calendar control into the harness's Windows directory, as setting up the suite does.
bool registerCalendar() {
    const QByteArray module = (binDir() + QStringLiteral("/libvxcalndr.so")).toLocal8Bit();
    winapi::HMODULE h = winapi::LoadLibraryA(module.constData());
    if (!h)
        return false;
    using Register = ole::HRESULT (*)();
    auto* fn = reinterpret_cast<Register>(winapi::GetProcAddress(h, "DllRegisterServer"));
    const bool ok = fn && fn() == ole::S_OK;
    winapi::FreeLibrary(h);
    return ok;
}

ledger::CalendarLink& calendarOf(Harness& h) {
    return *h.window->findChild<ledger::CalendarLink*>();
}

// Clicks day `day` of the month the calendar shows, where the control says that day is.
void clickDay(ledger::frmCalendar& w, int day) {
    ole::COleControl* c = w.Calendar1;
    c->grab(); // lays the days out, as the first paint does
    QCoreApplication::sendPostedEvents(c);
    const std::vector<ole::Variant> index{ole::Variant::fromShort(static_cast<short>(day))};
    const int x = c->dispatchGet(QStringLiteral("DayLeft"), index).toLong() / 15 +
                  c->dispatchGet(QStringLiteral("DayWidth"), index).toLong() / 30;
    const int y = c->dispatchGet(QStringLiteral("DayTop"), index).toLong() / 15 +
                  c->dispatchGet(QStringLiteral("DayHeight"), index).toLong() / 30;
    QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    QCoreApplication::sendPostedEvents(c);
}

void openSampleBook(Harness& h) {
    writeBook(h.path("a.lgn"), sampleBook());
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.session().openFromDialog();
    h.prompter.reset();
}

} // namespace

class OutsideLinksTest : public QObject {
    Q_OBJECT
private slots:
    void dayPickedFromTheMainWindowChangesOnlyTheLabel();
    void closingTheCalendar_data();
    void closingTheCalendar();
    void dayPickedFromTheEntryFormFillsItsDateBox();
    void unregisteredCalendarIsReportedPlainly();
    void runningCalculatorIsClosedAndNoneStarted();
    void calculatorThatCannotStartIsReported();
    void pasteWithoutGuidanceOrField_data();
    void pasteWithoutGuidanceOrField();
};

void OutsideLinksTest::dayPickedFromTheMainWindowChangesOnlyTheLabel() {
    Harness h;
    QVERIFY(registerCalendar());
    openSampleBook(h);
    const QStringList before = [&] {
        QStringList l;
        for (int i = 0; i < h.lineCount(); ++i)
            l << h.line(i);
        return l;
    }();
    h.button("Command3D4")->click();
    ledger::frmCalendar* w = calendarOf(h).window();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Click to select date"));
    QCOMPARE(w->Label1->text(), QStringLiteral("12/07/2026")); // today, as the window opens
    QVERIFY(h.window->calendarOpen());
    h.window->Form_Activate();
    QCOMPARE(h.action("mnuQuikMemos")->text(), QStringLiteral("Close Calen&dar"));
    clickDay(*w, 19);
    QCOMPARE(w->Label1->text(), QStringLiteral("12/19/2026"));
    for (int i = 0; i < h.lineCount(); ++i)
        QCOMPARE(h.line(i), before.at(i));
    QVERIFY(!h.book()->changed);
    w->cmdToDay->click();
    QCOMPARE(w->Label1->text(), QStringLiteral("12/07/2026"));
    VERIFY_DIALOGUE(h);
}

void OutsideLinksTest::closingTheCalendar_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("toggle, No keeps it open") << "toggle" << int(ui::vbNo);
    QTest::newRow("toggle, Yes closes it") << "toggle" << int(ui::vbYes);
    QTest::newRow("Quit asks the same") << "quit" << int(ui::vbYes);
    QTest::newRow("close box, No keeps it") << "closebox" << int(ui::vbNo);
    QTest::newRow("Enter in the calendar asks too") << "enter" << int(ui::vbYes);
}

void OutsideLinksTest::closingTheCalendar() {
    QFETCH(QString, how);
    QFETCH(int, answer);
    Harness h;
    QVERIFY(registerCalendar());
    h.action("mnuQuikMemos")->trigger();
    ledger::frmCalendar* w = calendarOf(h).window();
    QVERIFY(w);
    h.prompter.expectMsgBox(kApp, kCloseCalendar, kYesNoQ, answer);
    if (how == QLatin1String("toggle"))
        h.button("Command3D4")->click();
    else if (how == QLatin1String("quit"))
        w->cmdQuit->click();
    else if (how == QLatin1String("closebox"))
        w->close();
    else
        QTest::keyClick(w->Calendar1, Qt::Key_Return);
    VERIFY_DIALOGUE(h);
    const bool closed = answer == ui::vbYes;
    QCOMPARE(calendarOf(h).isOpen(), !closed);
    QCOMPARE(h.window->calendarOpen(), !closed);
    QCOMPARE(h.action("mnuQuikMemos")->text(),
             closed ? QStringLiteral("Run Calen&dar") : QStringLiteral("Close Calen&dar"));
    // Closed, the toggle opens it again without a question.
    if (closed) {
        h.action("mnuQuikMemos")->trigger();
        QVERIFY(calendarOf(h).isOpen());
        VERIFY_DIALOGUE(h);
    }
}

void OutsideLinksTest::dayPickedFromTheEntryFormFillsItsDateBox() {
    Harness h;
    QVERIFY(registerCalendar());
    openSampleBook(h);
    // A calendar opened from the main window is offered for closing first.
    h.button("Command3D4")->click();
    QString dateBox;
    QString itemWhileOpen;
    QString itemAfter;
    bool focusOnDate = false;
    h.prompter.expectModal(QStringLiteral("frmChqUP"), [&](QDialog& d) {
        auto& entry = static_cast<ledger::frmChqUP&>(d);
        entry.show();
        h.prompter.expectMsgBox(kApp, QStringLiteral("Calendar already open!\nClose Calendar?"), kYesNoQ, ui::vbYes);
        control<ui::SSCommand>(&entry, "cmdCalendar")->click();
        if (calendarOf(h).isOpen())
            return int(QDialog::Rejected);
        control<QAction>(&entry, "nmuCalendar")->trigger(); // now opens it, owned by the entry form
        ledger::frmCalendar* w = calendarOf(h).window();
        if (!w)
            return int(QDialog::Rejected);
        itemWhileOpen = control<QAction>(&entry, "nmuCalendar")->text();
        clickDay(*w, 3);
        dateBox = control<QLineEdit>(&entry, "txtDate")->text();
        focusOnDate = entry.focusWidget() == control<QLineEdit>(&entry, "txtDate");
        h.prompter.expectMsgBox(kApp, kCloseCalendar, kYesNoQ, ui::vbYes);
        w->cmdQuit->click();
        itemAfter = control<QAction>(&entry, "nmuCalendar")->text();
        entry.hide();
        return int(QDialog::Rejected);
    });
    h.button("cmdNewItem")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(dateBox, QStringLiteral("12/03/2026"));
    QVERIFY(focusOnDate);
    QCOMPARE(itemWhileOpen, QStringLiteral("&Close Calendar"));
    QCOMPARE(itemAfter, QStringLiteral("&Run Calendar"));
    QVERIFY(!calendarOf(h).isOpen());
    QVERIFY(!h.window->calendarOpen());
}

void OutsideLinksTest::unregisteredCalendarIsReportedPlainly() {
    Harness h; // a fresh Windows directory: nothing registered
    h.prompter.expectMsgBox(kApp,
                            QStringLiteral("The calendar is not available.\nIts control "
                                           "{0A9F72E0-91CE-101B-AFF8-00AA003E1700} could not be created (it is not "
                                           "registered).\nInstall the calendar control again, then retry."),
                            kOkExcl, ui::vbOK);
    h.button("Command3D4")->click();
    VERIFY_DIALOGUE(h);
    QVERIFY(!calendarOf(h).isOpen());
    QVERIFY(!h.window->calendarOpen());
}

void OutsideLinksTest::runningCalculatorIsClosedAndNoneStarted() {
    // A private socket folder: no other calculator answers, and this one is found by nobody else.
    QTemporaryDir sockets;
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", sockets.path().toLocal8Bit());
    {
        Harness h;
        auto* link = h.window->findChild<ledger::CalculatorLink*>();
        link->setProgram(binDir() + QStringLiteral("/abacon32"));
        h.action("NmuCalc")->trigger();
        VERIFY_DIALOGUE(h);
        QCOMPARE(link->startedProcesses().size(), std::size_t(1));
        const int pid = link->startedProcesses().front();
        QVERIFY2(QTest::qWaitFor([] { return static_cast<bool>(winapi::FindWindowA(nullptr, "Abacon")); }, 30000),
                 "the calculator never answered to its caption");
        h.prompter.expectMsgBox(kApp, QStringLiteral("Abacon already running!\nClose Abacon?"), kYesNoQ, ui::vbYes);
        h.button("Command3D1")->click();
        VERIFY_DIALOGUE(h);
        const std::optional<int> code = winapi::waitForProcess(pid, std::chrono::seconds(30));
        QVERIFY2(code.has_value(), "Alt+F4 did not close the calculator");
        QCOMPARE(*code, 0);
        QCOMPARE(link->startedProcesses().size(), std::size_t(1)); // none started by the Yes
        QVERIFY(!winapi::FindWindowA(nullptr, "Abacon"));
    }
    if (oldRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
}

void OutsideLinksTest::calculatorThatCannotStartIsReported() {
    QTemporaryDir sockets;
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", sockets.path().toLocal8Bit());
    {
        Harness h;
        auto* link = h.window->findChild<ledger::CalculatorLink*>();
        link->setProgram(h.path(QStringLiteral("abacon32"))); // not there
        h.prompter.expectMsgBox(QStringLiteral("Run Abacon"), QStringLiteral("Abacon not available"),
                                ui::vbOKOnly + ui::vbInformation, ui::vbOK);
        h.action("NmuCalc")->trigger();
        VERIFY_DIALOGUE(h);
        QCOMPARE(h.prompter.beepCount(), 1);
        QVERIFY(link->startedProcesses().empty());
    }
    if (oldRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
}

void OutsideLinksTest::pasteWithoutGuidanceOrField_data() {
    QTest::addColumn<bool>("guidance");
    QTest::addColumn<bool>("onField");
    QTest::addColumn<QString>("amount");
    QTest::newRow("guidance off: straight into the field") << false << true << "12.50";
    QTest::newRow("focus on a button: critical message") << false << false << "";
}

void OutsideLinksTest::pasteWithoutGuidanceOrField() {
    QFETCH(bool, guidance);
    QFETCH(bool, onField);
    QFETCH(QString, amount);
    ScriptedPrompter prompter;
    ui::MemoryClipboard board;
    board.setText(QStringLiteral("12.50"));
    ledger::frmChqUP w(ledger::EntryMode::NewEntry, prompter, board);
    w.setGuidanceShown(guidance);
    w.show();
    if (onField)
        control<QLineEdit>(&w, "txtAmount")->setFocus();
    else
        control<ui::SSCommand>(&w, "cmdAbacon")->setFocus();
    if (!onField)
        prompter.expectMsgBox(kApp, QStringLiteral("You must select a field before you can paste any data! Try Again!"),
                              ui::vbOKOnly + ui::vbCritical, ui::vbOK);
    control<QAction>(&w, "mnuPaste")->trigger();
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    QCOMPARE(control<QLineEdit>(&w, "txtAmount")->text(), amount);
}

int runOutsideLinksTest(int argc, char** argv) {
    OutsideLinksTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "OutsideLinksTest.moc"
