// The main window: menus, hints, the two states, clock, settings read at start, the exit sequence.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/frmStartup.h"
#include "ui/SSCommand.h"
#include "ui/SSFrame.h"
#include "ui/SSPanel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

using namespace apptest;

namespace {

// Moving the mouse over a button shows its hint in the hint line.
QString hintOf(Harness& h, const char* button) {
    auto* b = h.window->findChild<ui::SSCommand*>(QString::fromLatin1(button));
    if (!b)
        return QStringLiteral("<no button>");
    emit b->mouseMoved(Qt::NoButton, Qt::NoModifier, QPoint(2, 2));
    return h.panel("lblTips")->caption();
}

void openSample(Harness& h) {
    writeBook(h.path("a.lgn"), sampleBook());
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());
}

// The settings file as key=value lines of section [Ledgrn], in file order.
QStringList iniLines(const Harness& h) {
    QStringList lines;
    for (const QByteArray& l : h.readFile("ledgrn95.ini").split('\n')) {
        const QByteArray t = l.trimmed();
        if (!t.isEmpty())
            lines << QString::fromLatin1(t);
    }
    return lines;
}

const QStringList kFileDependent = {
    "mnuFileClose",     "mnuFileSave",       "mnuSaveAs",      "mnuSaveText",
    "mnuPrint",         "mnuNewTransaction", "mnuChangeTrans", "mnuDeleteTransaction",
    "mnuDefined",       "mnuCleared",        "mnuCopy",        "mnuSearch",
    "mnuSort",          "mnuSelect",         "mnuReconcile",   "mnuChangeTitle",
    "mnuPassWord",      "mnuAddAutoDup",     "mnuViewProcess", "mnuFinancial",
    "mnuBudgetSummary", "mnuIncomeStmt"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menuItems_data();
    void menuItems();
    void menuBarOrder();
    void fileDependentItemsFollowTheBook();
    void hints_data();
    void hints();
    void hintsFollowMessagesToggle();
    void clockAndStatusPanel();
    void activationSetsCalendarCaption();
    void promptPanelClick_data();
    void promptPanelClick();
    void defaultsWithoutSettingsFile();
    void settingsReadAtStart();
    void exitNoWritesNothing();
    void exitWritesSettingsInOrder();
    void exitWithChangedBook_data();
    void exitWithChangedBook();
    void exitReportsFailedWrites();
    void splashAsksForMainWindow();
};

void MainWindowTest::menuItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<int>("helpContext");
    QTest::addColumn<bool>("enabled");
    struct Row {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        int help;
        bool enabled;
    };
    const QKeySequence none;
    const Row rows[] = {
        {"mnuFileNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), 201, true},
        {"mnuFileSelect", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O), 202, true},
        {"mnuFileClose", "&Close", QKeySequence(Qt::CTRL | Qt::Key_E), 231, false},
        {"mnuFileSave", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), 203, false},
        {"mnuSaveAs", "Save &As", QKeySequence(Qt::CTRL | Qt::Key_A), 204, false},
        {"mnuSaveText", "Save &Text", none, 205, false},
        {"mnuSaveANSI", "&ANSI Text", none, 205, true},
        {"mnuComma", "&Comma Delimited", none, 205, true},
        {"mnuInfo", "Infor&mation", none, 227, true},
        {"mnuTransCodes", "Budget/Code File &Maintenance", none, 225, true},
        {"mnuCreateCodeFile", "&Create File", none, 225, true},
        {"mnuOpenCodes", "&Open File", none, 225, true},
        {"mnuSaveTransCodes", "&Save File", none, 225, true},
        {"mnuSaveCodeFile", "Save &As", none, 225, true},
        {"mnuEditCodes", "&Edit", none, 225, true},
        {"mnuDefault", "Set Current File to &Default", none, 225, false},
        {"NmuCalc", "Run &Abacon", QKeySequence(Qt::CTRL | Qt::Key_V), 206, true},
        {"mnuQuikMemos", "Run Calen&dar", QKeySequence(Qt::CTRL | Qt::Key_Q), 207, true},
        {"mnuPrint", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P), 208, false},
        {"ExitLedgrn", "&Exit", none, 209, true},
        {"mnuNewTransaction", "&New", QKeySequence(Qt::CTRL | Qt::Key_Insert), 211, false},
        {"mnuChangeTrans", "&Change ", QKeySequence(Qt::CTRL | Qt::Key_G), 210, false},
        {"mnuDeleteTransaction", "&Delete", QKeySequence(Qt::SHIFT | Qt::Key_Delete), 212, false},
        {"mnuDefined", "D&uplicate ", QKeySequence(Qt::CTRL | Qt::Key_D), 213, false},
        {"mnuCleared", "C&leared", QKeySequence(Qt::ALT | Qt::Key_Backspace), 310, false},
        {"mnuCopy", "C&opy", QKeySequence(Qt::CTRL | Qt::Key_C), 230, false},
        {"mnuSearch", "S&earch Particulars", none, 214, false},
        {"mnuSort", "&Sort ", none, 215, false},
        {"mnuCodeSort", "On &Codes", none, 215, true},
        {"mnuDateSort", "On &Dates", none, 215, true},
        {"mnuSelect", "Select and &List by Code", none, 216, false},
        {"mnuReconcile", "&Reconcile Bank Statement", none, 217, false},
        {"mnuChangeTitle", "Change Cheque Book &Title", none, 219, false},
        {"mnuPassWord", "Change &PassWord", none, 220, false},
        {"mnuBudgetPeriod", "Select &Budget Period", none, 226, true},
        {"mnuShowMsg", "Hide &Messages", none, 218, true},
        {"mnuCustom", "&Customize List Boxes", none, 312, true},
        {"mnuChgColor", "Change &Colors", none, 311, true},
        {"mnuTextColor", "&Text Color", none, 311, true},
        {"mnuBackColor", "&BackGround Color", none, 311, true},
        {"mnuCustFonts", "&Fonts", none, 313, true},
        {"mnuRestoreDefaults", "Restore Ledgerine's &Defaults", none, 221, true},
        {"mnuAutoDup", "&Auto Duplicate", none, 0, true},
        {"mnuAddAutoDup", "&Add Auto Dup Items", none, 222, false},
        {"mnuViewProcess", "&View/Process Auto Dup ", none, 223, false},
        {"mnuFinancial", "F&inance", none, 0, false},
        {"mnuBudgetSummary", "&Budget Summary", none, 224, false},
        {"mnuIncomeStmt", "&Income Statement", none, 228, false},
        {"mnuFeatures", "Ledgerine 95 &Features", none, 1100, true},
        {"mnuHelpContents", "&Contents", none, 100, true},
        {"mnuButtonbar", "&Buttonbar", none, 600, true},
        {"mnuAccessHelp", "&Keyboard", none, 400, true},
        {"mnuMenulist", "&Menus", none, 200, true},
        {"mnuHelpTopics", "&Topics", none, 300, true},
        {"mnuHelpSearch", "&Search for Help on...", none, 0, true},
        {"mnuHelponHelp", "&Using Help", none, 0, true},
        {"mnuAboutLedgrn", "&About", none, 0, true},
        {"popupNew", "New", none, 211, true},
        {"popupChange", "Change", none, 210, true},
        {"popupDelete", "Delete", none, 212, true},
        {"popupDup", "Duplicate", none, 213, true},
        {"popupCleared", "Cleared", none, 310, true},
        {"mnuPopupCopy", "Copy", none, 230, true},
        {"mnuRemoveAuto", "Remove", none, 301, true},
        {"mnuEditAuto", "Edit", none, 301, true},
        {"mnuProcessAuto", "Process", none, 301, true},
        {"mnuCloseAuto", "Close", none, 301, true},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << QString::fromLatin1(r.caption) << r.shortcut
                              << r.help << r.enabled;
}

void MainWindowTest::menuItems() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(int, helpContext);
    QFETCH(bool, enabled);
    Harness h;
    auto* action = h.window->findChild<QAction*>(name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->property("helpContext").toInt(), helpContext);
    QCOMPARE(action->isEnabled(), enabled);
}

void MainWindowTest::menuBarOrder() {
    Harness h;
    QStringList titles;
    for (QAction* a : h.window->menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"&File", "&Update", "&Options", "&Auto Duplicate", "F&inance", "&Help"}));
    // The pop-up menus are not on the bar; the recent-file items start hidden.
    QVERIFY(!titles.contains(h.control<QMenu>("mnuPopup")->title()));
    for (int i = 0; i < 4; ++i) {
        auto* recent = h.window->findChild<QAction*>(QStringLiteral("mnuSelectFile(%1)").arg(i));
        QVERIFY(recent && !recent->isVisible());
    }
    QVERIFY(!h.action("mnuSepX")->isVisible());
    QVERIFY(h.frame("SSFrame1")->isHidden());
    QVERIFY(h.frame("SSFrame2")->isHidden());
}

void MainWindowTest::fileDependentItemsFollowTheBook() {
    Harness h;
    openSample(h);
    for (const QString& name : kFileDependent)
        QVERIFY2(h.window->findChild<QAction*>(name)->isEnabled(), qPrintable(name));
    QVERIFY(!h.action("mnuDefault")->isEnabled()); // follows the budget/code file, not the book
    QCOMPARE(h.label("lblBalance")->text(), QStringLiteral("$1,250.25"));
    QCOMPARE(h.label("lblTransNumber")->text(), QStringLiteral("3 "));
    h.prompter.expectMsgBox("Close File", "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbNo)
        .expectMsgBox("Close File", "Close without saving?", kYesNoQ, ui::vbYes);
    h.action("mnuFileClose")->trigger();
    VERIFY_DIALOGUE(h);
    for (const QString& name : kFileDependent)
        QVERIFY2(!h.window->findChild<QAction*>(name)->isEnabled(), qPrintable(name));
}

void MainWindowTest::hints_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("withoutBook");
    QTest::addColumn<QString>("withBook");
    const QString off = QStringLiteral(" Inactive ");
    const char* always[][2] = {
        {"Command3D2", " Open a File "},         {"Command3D3", " Save open file "},
        {"Command3D5", " Exit Ledgerine "},      {"Command3D1", " Run Abacon "},
        {"UpPointer", " Move to First Item "},   {"DownPointer", " Move to Last Item "},
        {"ctlCleared", " Toggle Item Cleared "}, {"Command3D4", " Run Daily Calendar "}};
    for (const auto& r : always)
        QTest::newRow(r[0]) << r[0] << r[1] << r[1];
    const char* needsBook[][2] = {
        {"cmdDelete", " Delete Items "},          {"cmdSelect", " Code Selection "},
        {"cmdNewItem", " Add New Items "},        {"cmdSortDates", " Sort on Dates "},
        {"cmdSortCodes", " Sort on Codes "},      {"cmdPrint", " Print Ledgerine "},
        {"cmdDefined", " Duplicate an Item "},    {"cmdChange", " Change Item Contents "},
        {"cmdSearch", " Search on Particulars "}, {"cmdReconcile", " Reconcile Ledgerine "}};
    for (const auto& r : needsBook)
        QTest::newRow(r[0]) << r[0] << off << r[1];
}

void MainWindowTest::hints() {
    QFETCH(QString, button);
    QFETCH(QString, withoutBook);
    QFETCH(QString, withBook);
    Harness h;
    QCOMPARE(hintOf(h, button.toLatin1().constData()), withoutBook);
    openSample(h);
    QCOMPARE(hintOf(h, button.toLatin1().constData()), withBook);
}

void MainWindowTest::hintsFollowMessagesToggle() {
    Harness h;
    h.action("mnuShowMsg")->trigger();
    QCOMPARE(h.action("mnuShowMsg")->text(), QStringLiteral("Show &Messages"));
    QVERIFY(!h.window->messagesShown());
    QCOMPARE(hintOf(h, "Command3D2"), QString());
    h.action("mnuShowMsg")->trigger();
    QCOMPARE(h.action("mnuShowMsg")->text(), QStringLiteral("Hide &Messages"));
    QCOMPARE(hintOf(h, "Command3D2"), QStringLiteral(" Open a File "));
}

void MainWindowTest::clockAndStatusPanel() {
    Harness h;
    QCOMPARE(h.panel("SSPanel1")->caption(), QStringLiteral("1:05 PM "));
    QCOMPARE(h.control<QTimer>("Timer2")->interval(), 500);
    QVERIFY(h.control<QTimer>("Timer2")->isActive());
    QVERIFY(!h.control<QTimer>("Timer1")->isActive());
    h.clock.set(runtime::localTimePoint(2026, 12, 7, 0, 9));
    h.window->Timer2_Timer();
    QCOMPARE(h.panel("SSPanel1")->caption(), QStringLiteral("12:09 AM "));
    QCOMPARE(h.label("Label1")->text(), QStringLiteral(" Balance"));
    QCOMPARE(h.label("Label6")->text(), QStringLiteral("No. Items"));
    QCOMPARE(h.frame("SSFrame2")->caption(), QStringLiteral("Auto Duplicate Processing!"));
    QCOMPARE(h.frame("SSFrame1")->caption(), QStringLiteral("Delete Transactions"));
    QCOMPARE(h.list("lstChqList")->columnTitles().mid(2),
             (QStringList{"Date", "Chq #", "Particulars", "Deposit", "Withdraw", "Code", "Balance"}));
    QCOMPARE(h.list("lstDupList")->columnTitles().mid(2),
             (QStringList{"Day No.", "Chq #", "Particulars", "Deposit", "Withdraw", "Code"}));
}

void MainWindowTest::activationSetsCalendarCaption() {
    Harness h;
    h.action("mnuQuikMemos")->setText(QStringLiteral("something else"));
    h.window->Form_Activate();
    QCOMPARE(h.action("mnuQuikMemos")->text(), QStringLiteral("Run Calen&dar"));
}

void MainWindowTest::promptPanelClick_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("opens");
    QTest::newRow("no recent file invites creating")
        << QByteArray() << "Click HERE to create a new Ledgerine!" << false;
    QTest::newRow("a recent file invites opening")
        << QByteArray("[Ledgrn]\n0=/somewhere/a.lgn\n") << "Click HERE to open a Ledgerine!" << true;
}

void MainWindowTest::promptPanelClick() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, text);
    QFETCH(bool, opens);
    Harness h(ini);
    QVERIFY(h.panel("Panel3D1")->isVisible());
    QCOMPARE(h.panel("panelCompletion")->caption(), text);
    if (opens)
        h.prompter.expectOpenFile(std::nullopt);
    else
        h.prompter.expectSaveFile(std::nullopt);
    QTest::mouseClick(h.panel("Panel3D1"), Qt::LeftButton, {}, QPoint(5, 5));
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.transcript().front().fileOptions.title,
             opens ? QStringLiteral("Open Cheque Book") : QStringLiteral("New Cheque Book"));
}

void MainWindowTest::defaultsWithoutSettingsFile() {
    Harness h;
    QCOMPARE(h.window->size(), QSize(900, 540));
    QCOMPARE(h.list("lstChqList")->fontName(), QStringLiteral("Courier New"));
    QCOMPARE(h.list("lstChqList")->fontSize(), 9.75);
    QVERIFY(h.list("lstChqList")->fontBold());
    QVERIFY(!h.list("lstChqList")->fontItalic());
    QCOMPARE(h.list("lstChqList")->foreColor(), QColor(0, 0, 0xC0));
    QCOMPARE(h.list("lstChqList")->backColor(), QColor(0xC0, 0xFF, 0xFF));
    QCOMPARE(h.action("mnuShowMsg")->text(), QStringLiteral("Hide &Messages"));
    QVERIFY(h.window->messagesShown());
    QCOMPARE(h.window->windowTitle(), kApp);
    QVERIFY(!h.exists("ledgrn95.ini")); // reading creates nothing
}

void MainWindowTest::settingsReadAtStart() {
    Harness h(
        QByteArray("[Ledgrn]\nFormHeight=9000\nFormWidth=14100\nMessages=0\nFontName=Arial\nFontSize=12\n"
                   "FontBold=0\nFontItalic=-1\nTextColor=255\nBackColor=65280\n"
                   "0=/a/b.lgn\n1=none\n2=/c&d.lgn\n3=none\n"));
    QCOMPARE(h.window->size(), QSize(940, 600));
    QCOMPARE(h.action("mnuShowMsg")->text(), QStringLiteral("Show &Messages"));
    QCOMPARE(h.list("lstDupList")->fontName(), QStringLiteral("Arial"));
    QCOMPARE(h.list("lstChqList")->fontSize(), 12.0);
    QVERIFY(!h.list("lstChqList")->fontBold());
    QVERIFY(h.list("lstChqList")->fontItalic());
    QCOMPARE(h.list("lstChqList")->foreColor(), QColor(255, 0, 0));
    QCOMPARE(h.list("lstChqList")->backColor(), QColor(0, 255, 0));
    QCOMPARE(h.action("mnuSelectFile(0)")->text(), QStringLiteral("/a/b.lgn"));
    QVERIFY(h.action("mnuSelectFile(0)")->isVisible());
    QVERIFY(!h.action("mnuSelectFile(1)")->isVisible());
    QCOMPARE(h.action("mnuSelectFile(2)")->text(), QStringLiteral("/c&&d.lgn"));
    QVERIFY(h.action("mnuSelectFile(2)")->isVisible());
    QVERIFY(!h.action("mnuSelectFile(3)")->isVisible());
    QVERIFY(h.action("mnuSepX")->isVisible());
}

void MainWindowTest::exitNoWritesNothing() {
    Harness h;
    h.prompter.expectMsgBox(kApp, "Exit Ledgerine?", kYesNoQ, ui::vbNo);
    QVERIFY(!h.window->close());
    VERIFY_DIALOGUE(h);
    QVERIFY(h.window->isVisible());
    QVERIFY(!h.exists("ledgrn95.ini"));
}

void MainWindowTest::exitWritesSettingsInOrder() {
    Harness h;
    openSample(h);
    h.action("mnuShowMsg")->trigger(); // hidden messages are remembered
    h.prompter.expectMsgBox(kApp, "Exit Ledgerine?", kYesNoQ, ui::vbYes)
        .expectMsgBox(kApp, "Ledgerine open, Save it?", kYesNoQ, ui::vbNo);
    QVERIFY(h.action("ExitLedgrn")->isEnabled());
    h.action("ExitLedgrn")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(!h.window->isVisible());

    const QString listHeight = QString::number(h.list("lstChqList")->height() * 15);
    const QString listWidth = QString::number(h.list("lstChqList")->width() * 15);
    QCOMPARE(iniLines(h),
             (QStringList{"[Ledgrn]", "Messages=0", "FormHeight=8100", "FormWidth=13500",
                          "ListHeight=" + listHeight, "ListWidth=" + listWidth, "TextColor=12582912",
                          "BackColor=16777152", "FontName=Courier New", "FontSize=10", "FontBold=-1",
                          "FontItalic=0", "0=" + h.path("a.lgn"), "1=none", "2=none", "3=none"}));
    // The list took part in the layout, so its size is real.
    QVERIFY(h.list("lstChqList")->height() > 100);

    // A second start reads back what the first one wrote.
    ledger::ProfileSettingsStore store;
    QCOMPARE(store.getString(" 0", "none", 255), h.path("a.lgn").toStdString());
    QCOMPARE(store.getInt("Messages", 1), 0);
}

void MainWindowTest::exitWithChangedBook_data() {
    QTest::addColumn<int>("saveIt");
    QTest::addColumn<int>("abandon"); // 0: not asked
    QTest::addColumn<bool>("exits");
    QTest::addColumn<bool>("saved");
    QTest::newRow("No, then keep the changes") << int(ui::vbNo) << int(ui::vbNo) << false << false;
    QTest::newRow("No, then abandon them") << int(ui::vbNo) << int(ui::vbYes) << true << false;
    QTest::newRow("Yes saves and exits") << int(ui::vbYes) << 0 << true << true;
}

void MainWindowTest::exitWithChangedBook() {
    QFETCH(int, saveIt);
    QFETCH(int, abandon);
    QFETCH(bool, exits);
    QFETCH(bool, saved);
    Harness h;
    openSample(h);
    h.session().markChanged();
    h.writeFile("a.lgn", "marker");
    h.prompter.expectMsgBox(kApp, "Exit Ledgerine?", kYesNoQ, ui::vbYes)
        .expectMsgBox(kApp, "Ledgerine open, Save it?", kYesNoQ, saveIt);
    if (abandon)
        h.prompter.expectMsgBox(kApp, "Changes Made to Ledgerine, Abandon Them?", kYesNoQ, abandon);
    QCOMPARE(h.window->close(), exits);
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.exists("ledgrn95.ini"), exits);
    QCOMPARE(h.readFile("a.lgn") != "marker", saved);
}

void MainWindowTest::exitReportsFailedWrites() {
    Harness h;
    // The Windows directory lies under a plain file, so no settings file can be written.
    h.writeFile("blocker", "x");
    qputenv("LEDGERINE_WINDIR", h.path("blocker/windows").toLocal8Bit());
    h.prompter.expectMsgBox(kApp, "Exit Ledgerine?", kYesNoQ, ui::vbYes);
    for (const char* message :
         {"Unable to write messages profile string!", "Unable to write form height profile string!",
          "Unable to write form width profile string!", "Unable to write list box height profile string!",
          "Unable to write list box width profile string!"})
        h.prompter.expectMsgBox(kApp, QString::fromLatin1(message), kOkExcl, ui::vbOK);
    QVERIFY(h.window->close());
    VERIFY_DIALOGUE(h);
}

void MainWindowTest::splashAsksForMainWindow() {
    ledger::frmStartup splash;
    QSignalSpy asked(&splash, &ledger::frmStartup::showMainWindow);
    QCOMPARE(splash.Timer1->interval(), 1000);
    QVERIFY(splash.Timer1->isActive());
    QCOMPARE(splash.Panel3D2->caption(), QStringLiteral("Version 5.0"));
    splash.show();
    splash.Timer1_Timer();
    QCOMPARE(asked.count(), 1);
    QVERIFY(!splash.isVisible());
}

#include "MainWindowTest.moc"

int runMainWindowTest(int argc, char** argv) {
    MainWindowTest t;
    return QTest::qExec(&t, argc, argv);
}
