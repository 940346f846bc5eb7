// What a person can reach in the register's windows: no enabled command that does nothing, no
// access key that two controls share, and every mode finished or left from the keyboard.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/frmChqUP.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

#include <map>

using namespace apptest;

namespace {

// Everything a command could change that a person would see, as one text.
QString snapshot(Harness& h) {
    QStringList parts{h.window->windowTitle(), h.panel("lblTips")->caption(),
                      QString::number(h.frame("SSFrame1")->isVisible()),
                      QString::number(h.frame("SSFrame2")->isVisible()),
                      QString::number(h.prompter.transcript().size())};
    for (QAction* a : h.window->findChildren<QAction*>())
        parts << a->text();
    for (int line : h.list("lstChqList")->selectedLines())
        parts << QString::number(line);
    if (const ledger::ChequeBook* book = h.book())
        parts << QString::number(book->changed) << QString::number(book->items.size());
    return parts.join(QLatin1Char('|'));
}

// Access keys of the controls a person can use now: buttons' mnemonics and shortcuts, labels'
// mnemonics for their buddies, the menu bar's titles. Each key with the names that claim it.
std::map<QString, QStringList> accessKeys(QWidget& window, QMenuBar* bar) {
    std::map<QString, QStringList> keys;
    const auto claim = [&](const QKeySequence& key, const QString& name) {
        if (!key.isEmpty())
            keys[key.toString()] << name;
    };
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (b->isVisibleTo(&window) && b->isEnabled() && b->window() == &window)
            claim(b->shortcut(), b->objectName());
    for (QLabel* l : window.findChildren<QLabel*>())
        if (l->buddy() && l->isVisibleTo(&window) && l->window() == &window)
            claim(QKeySequence::mnemonic(l->text()), l->objectName());
    for (QAction* a : bar->actions())
        if (a->isVisible())
            claim(QKeySequence::mnemonic(a->text()), a->objectName());
    return keys;
}

QString sharedKeys(const std::map<QString, QStringList>& keys) {
    QStringList shared;
    for (const auto& [key, names] : keys)
        if (names.size() > 1)
            shared << key + QStringLiteral(": ") + names.join(QStringLiteral(", "));
    return shared.join(QStringLiteral("; "));
}

ledger::ChequeBook longBook() {
    ledger::ChequeBook book = sampleBook();
    for (int i = 0; i < 80; ++i)
        book.items.push_back(ledger::makeItem(runtime::oleFromCivil(2026, 11, 4) + i, 0, "Groceries",
                                              -runtime::Currency::fromUnits(10), "FOOD"));
    return book;
}

} // namespace

class CommandStateTest : public QObject {
    Q_OBJECT
private slots:
    void everyEnabledMainCommandActsOrAsks();
    void noSharedAccessKeys_data();
    void noSharedAccessKeys();
    void entryWindowKeys();
    void deleteModeByKeyboard();
    void fileMenuKeyAChoosesSaveAs();
    void deleteModeKeepsSelectedLineInView();
};

void CommandStateTest::everyEnabledMainCommandActsOrAsks() {
    Harness h;
    openBook(h, sampleBook());
    QStringList idle;
    const auto check = [&](const QString& name, const std::function<void()>& run) {
        h.session().update([](ledger::ChequeBook& b) { return b.changed = false; });
        h.list("lstChqList")->clearSelection();
        const QString before = snapshot(h);
        run();
        QCoreApplication::processEvents();
        if (snapshot(h) == before)
            idle << name;
    };
    for (QAction* a : h.window->findChildren<QAction*>()) {
        if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu() && !a->objectName().isEmpty())
            check(a->objectName(), [a] { a->trigger(); });
    }
    for (ui::SSCommand* b : h.window->findChildren<ui::SSCommand*>()) {
        if (b->isEnabled() && b->isVisibleTo(h.window.get()))
            check(b->objectName(), [b] { b->click(); });
    }
    QVERIFY2(idle.isEmpty(),
             qPrintable(QStringLiteral("enabled but idle: ") + idle.join(QStringLiteral(", "))));
    h.prompter.reset(); // every unexpected prompt above was answered with its safe choice
}

void CommandStateTest::noSharedAccessKeys_data() {
    QTest::addColumn<bool>("deleteMode");
    QTest::newRow("register") << false;
    QTest::newRow("delete mode") << true;
}

void CommandStateTest::noSharedAccessKeys() {
    QFETCH(bool, deleteMode);
    Harness h;
    openBook(h, sampleBook());
    if (deleteMode) {
        h.list("lstChqList")->selectOnly(1);
        h.button("cmdDelete")->click();
        QVERIFY(h.frame("SSFrame1")->isVisible());
    }
    const QString shared = sharedKeys(accessKeys(*h.window, h.window->menuBar()));
    QVERIFY2(shared.isEmpty(), qPrintable(shared));
    // The frames' buttons are reached with Tab.
    for (const char* name : {"picChkmark", "cmdDelCancel", "cmdAutoDupEdit", "cmdAutoDupProcess",
                             "cmdAutoDupRemove", "cmdAutoDupClose"})
        QVERIFY2(h.button(name)->focusPolicy() & Qt::TabFocus, name);
}

void CommandStateTest::entryWindowKeys() {
    ScriptedPrompter prompter;
    ui::MemoryClipboard clipboard;
    ledger::frmChqUP w(ledger::EntryMode::NewEntry, prompter, clipboard);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    control<QLineEdit>(&w, "txtDate")->setText(QStringLiteral("12/07/26"));
    control<QLineEdit>(&w, "txtParticulars")->setFocus();
    const QString shared = sharedKeys(accessKeys(w, control<QMenuBar>(&w, "menuBar")));
    QVERIFY2(shared.isEmpty(), qPrintable(shared));
    // One press of Alt+E opens the Edit menu; the window stays.
    QTest::keyClick(control<QLineEdit>(&w, "txtParticulars"), Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(control<QMenu>(&w, "mnuEdit")->isVisible());
    QVERIFY(w.isVisible());
    control<QMenu>(&w, "mnuEdit")->hide();
    // Exit keeps a key of its own.
    QTest::keyClick(control<QLineEdit>(&w, "txtParticulars"), Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(!w.isVisible());
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
}

void CommandStateTest::deleteModeByKeyboard() {
    Harness h;
    openBook(h, sampleBook());
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    h.list("lstChqList")->selectOnly(1);
    h.button("cmdDelete")->click();
    QVERIFY(h.frame("SSFrame1")->isVisible());
    // Escape leaves delete mode with nothing deleted.
    QTest::keyClick(h.list("lstChqList")->view(), Qt::Key_Escape);
    QTRY_VERIFY(!h.frame("SSFrame1")->isVisible()); // a button's key clicks it after a moment
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Ledgerine 95 <Household>"));
    QCOMPARE(h.book()->items.size(), std::size_t{3});
    // Alt+L finishes it: the picture is clicked.
    h.button("cmdDelete")->click();
    h.prompter
        .expectMsgBox(kApp, "Save backup Ledgerine file before deleteing selected item(s)?", kYesNoQ,
                      ui::vbNo)
        .expectMsgBox(kApp, "Deleted items CANNOT be recovered\n         CONTINUE?", kYesNoQ, ui::vbYes);
    QTest::keyClick(h.list("lstChqList")->view(), Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(h.book()->items.size(), std::size_t{2});
    VERIFY_DIALOGUE(h);
    // Outside delete mode Alt+L is "C&leared" again.
    QVERIFY(!h.frame("SSFrame1")->isVisible());
    QCOMPARE(h.button("ctlCleared")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_L));
}

void CommandStateTest::fileMenuKeyAChoosesSaveAs() {
    Harness h;
    openBook(h, sampleBook());
    h.prompter.expectSaveFile(std::nullopt);
    h.control<QMenu>("FileList")->popup(QPoint(0, 0));
    QTest::keyClick(h.control<QMenu>("FileList"), Qt::Key_A);
    QTRY_VERIFY(!h.prompter.transcript().empty());
    QCOMPARE(h.prompter.transcript().back().fileOptions.title, QStringLiteral("Save As"));
    VERIFY_DIALOGUE(h);
    h.control<QMenu>("FileList")->hide();
}

void CommandStateTest::deleteModeKeepsSelectedLineInView() {
    Harness h;
    openBook(h, longBook());
    QTableView* view = h.list("lstChqList")->view();
    h.button("DownPointer")->click();
    QCoreApplication::processEvents();
    const QModelIndex last = view->model()->index(h.lineCount() - 1, 0);
    QVERIFY(view->viewport()->rect().contains(view->visualRect(last).center()));
    h.button("cmdDelete")->click(); // the delete frame takes room from the list
    QVERIFY(h.frame("SSFrame1")->isVisible());
    QTRY_VERIFY(view->viewport()->rect().contains(view->visualRect(last).center()));
    VERIFY_DIALOGUE(h);
}

int runCommandStateTest(int argc, char** argv) {
    CommandStateTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CommandStateTest.moc"
