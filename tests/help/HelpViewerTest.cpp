// The help call and its viewer, and the register's help items: opened at their topics, from a help
// file found along PATH, the message when there is none, and closed by the exit sequence.
#include "help/core/HelpFile.h"
#include "help/viewer/HelpWindow.h"
#include "help/viewer/WinHelp.h"
#include "register/app/RegisterHelp.h"
#include "register/app/CodeFileSession.h"
#include "register/app/LGNPASSWORD.h"
#include "register/app/frmChqUP.h"
#include "register/app/frmEditCodes.h"
#include "register/app/frnReconcil.h"
#include "register/app/AppHarness.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <set>

using namespace apptest;
using help::helpWindow;
using help::WinHelpA;

namespace {

const QByteArray kSample = R"(.help 1
.title Sample Help
.main 100
.topic 100 Contents
.keywords contents
Start with {Writing cheques|200}.
.topic 200 Writing cheques
.keywords cheque; cheque number
- Click New, then Save.
.topic 300 Deposits
.keywords deposit
Money paid in.
)";

QString shippedHelpFile() { return sourceDir() + QStringLiteral("/help/ledgrn32.hlp"); }

void quitHelp() { WinHelpA(nullptr, nullptr, help::HELP_QUIT, 0); }

QString paneText() { return helpWindow() ? helpWindow()->topicView->toPlainText() : QString(); }

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QByteArray path_;

    QByteArray write(const QString& name, const QByteArray& bytes) {
        QFile f(dir_.filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(bytes);
        return QFile::encodeName(dir_.filePath(name));
    }

private slots:
    void initTestCase() { path_ = write(QStringLiteral("sample.hlp"), kSample); }
    void cleanup() { quitHelp(); }

    void commands_data() {
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<QByteArray>("data"); // the context as text, or the key of a partial-key search
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("context");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("pane");
        QTest::newRow("context opens its topic") << help::HELP_CONTEXT << QByteArray("200") << true << 200 << 0
                                                 << "Writing cheques\nClick New, then Save.";
        QTest::newRow("context 0 opens the main topic") << help::HELP_CONTEXT << QByteArray("0") << true << 100 << 0
                                                        << "Contents\nStart with Writing cheques.";
        QTest::newRow("contents") << help::HELP_CONTENTS << QByteArray("0") << true << 100 << 0
                                  << "Contents\nStart with Writing cheques.";
        QTest::newRow("unknown context says so") << help::HELP_CONTEXT << QByteArray("999") << false << 0 << 0
                                                 << "Topic 999 is not in this help file.";
        QTest::newRow("context beyond the numbers") << help::HELP_CONTEXT << QByteArray("4294967296") << false << 0
                                                    << 0 << QString();
        QTest::newRow("partial key, empty: the whole index") << help::HELP_PARTIALKEY << QByteArray("") << true << 100
                                                             << 1 << "Contents\n";
        QTest::newRow("help on help") << help::HELP_HELPONHELP << QByteArray("0") << true << 1 << 0
                                      << QStringLiteral("Using Help\n");
    }
    void commands() {
        QFETCH(unsigned, command);
        QFETCH(QByteArray, data);
        QFETCH(bool, shown);
        const std::uintptr_t value = command == help::HELP_PARTIALKEY ? reinterpret_cast<std::uintptr_t>(data.constData())
                                                                      : static_cast<std::uintptr_t>(data.toULongLong());
        QCOMPARE(WinHelpA(nullptr, path_.constData(), command, value), shown);
        QVERIFY(helpWindow() && helpWindow()->isVisible());
        QTEST(static_cast<int>(helpWindow()->currentContext()), "context");
        QTEST(helpWindow()->tabs->currentIndex(), "tab");
        QFETCH(QString, pane);
        QVERIFY2(paneText().startsWith(pane), qPrintable(paneText()));
        QCOMPARE(helpWindow()->showingUsingHelp(), command == help::HELP_HELPONHELP);
        if (command == help::HELP_PARTIALKEY)
            QCOMPARE(helpWindow()->indexList->count(), 4); // "cheque number" is a keyword of its own
    }

    void oneViewerReusedUntilQuit() {
        QVERIFY(WinHelpA(nullptr, path_.constData(), help::HELP_CONTEXT, 200));
        help::HelpWindow* first = helpWindow();
        QVERIFY(WinHelpA(nullptr, path_.constData(), help::HELP_CONTEXT, 300));
        QCOMPARE(helpWindow(), first);
        QCOMPARE(first->currentContext(), 300);
        QVERIFY(WinHelpA(nullptr, nullptr, help::HELP_QUIT, 0));
        QVERIFY(!helpWindow());
        QVERIFY(WinHelpA(nullptr, nullptr, help::HELP_QUIT, 0)); // nothing open: nothing to do
        QVERIFY(!WinHelpA(nullptr, path_.constData(), 0x0999, 0)); // unknown command
    }

    void linksIndexSearchAndBack() {
        QVERIFY(WinHelpA(nullptr, path_.constData(), help::HELP_CONTENTS, 0));
        help::HelpWindow* w = helpWindow();
        QVERIFY(!w->backButton->isEnabled());
        emit w->topicView->anchorClicked(QUrl(QStringLiteral("topic:200")));
        QCOMPARE(w->currentContext(), 200);

        WinHelpA(nullptr, path_.constData(), help::HELP_PARTIALKEY, reinterpret_cast<std::uintptr_t>("x"));
        QCOMPARE(w->indexList->count(), 0);
        w->indexKey->clear();
        QTest::keyClicks(w->indexKey, QStringLiteral("DEP"));
        QCOMPARE(w->indexList->count(), 1);
        QTest::keyClick(w->indexKey, Qt::Key_Return);
        QCOMPARE(w->currentContext(), 300);

        w->searchWords->setText(QStringLiteral("click sav"));
        w->searchButton->click();
        QCOMPARE(w->searchResults->count(), 1);
        QCOMPARE(w->searchResults->item(0)->text(), QStringLiteral("Writing cheques"));
        w->helpButton->click();
        QVERIFY(w->showingUsingHelp());

        // Back through every step, across the switch to the viewer's own help.
        QVERIFY(w->backButton->isEnabled());
        QVERIFY(w->back());
        QCOMPARE(w->currentContext(), 300);
        QVERIFY(!w->showingUsingHelp());
        QVERIFY(w->back());
        QCOMPARE(w->currentContext(), 200);
        QVERIFY(w->back());
        QCOMPARE(w->currentContext(), 100);
        QVERIFY(!w->back());
        QVERIFY(!w->backButton->isEnabled());
    }

    void damagedFileNamesItsLine() {
        const QByteArray bad = write(QStringLiteral("bad.hlp"), ".help 1\n.topic 1 One\nsee {Two|2}\n");
        QVERIFY(!WinHelpA(nullptr, bad.constData(), help::HELP_CONTEXT, 1));
        QCOMPARE(paneText(), QStringLiteral("The help file %1 cannot be used: line 3: a link to topic 2, which the "
                                            "file does not hold.")
                                 .arg(QString::fromLocal8Bit(bad)));
        // The good file afterwards is read and shown in the same window, then another one with
        // its own contents in the same place.
        QVERIFY(WinHelpA(nullptr, path_.constData(), help::HELP_CONTEXT, 300));
        QCOMPARE(helpWindow()->contentsTree->topLevelItemCount(), 3); // no contents: the topics
        const QByteArray other = write(QStringLiteral("other.hlp"), ".help 1\n.topic 7 Seven\nx\n");
        QVERIFY(WinHelpA(nullptr, other.constData(), help::HELP_CONTEXT, 7));
        QCOMPARE(helpWindow()->contentsTree->topLevelItemCount(), 1);
        QVERIFY(!helpWindow()->back()); // nothing of the earlier file to go back to
        QVERIFY(WinHelpA(nullptr, "/nonexistent/ledgrn32.hlp", help::HELP_CONTEXT, 1) == false);
    }

    // A modal dialog blocks every window outside it: the viewer opened from one lives inside it
    // and stays open as its own window when the dialog closes.
    void viewerUsableOverModalDialog() {
        QDialog dialog;
        QWidget* parentWhileModal = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            WinHelpA(&dialog, path_.constData(), help::HELP_CONTEXT, 200);
            parentWhileModal = helpWindow()->parentWidget();
            dialog.accept();
        });
        dialog.exec();
        QCOMPARE(parentWhileModal, &dialog);
        QVERIFY(helpWindow());
        QVERIFY(!helpWindow()->parentWidget());
        QVERIFY(helpWindow()->isVisible());
        QCOMPARE(helpWindow()->currentContext(), 200);
    }
};

class RegisterHelpTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { quitHelp(); }

    // Every help context the register's windows carry is a topic of the shipped help file.
    void everyContextOfTheProgramIsATopic() {
        const help::HelpLoad load = help::readHelpFile(shippedHelpFile().toStdString());
        QVERIFY2(load.file, load.error.c_str());
        Harness h;
        ledger::frmChqUP entry(ledger::EntryMode::NewEntry, h.prompter, h.clipboard, h.window.get());
        ledger::frnReconcil reconcil(
            h.prompter, [] { return nullptr; }, [] { return true; }, h.window.get());
        ledger::frmEditCodes codes(h.window->codeFiles(), h.prompter, h.window.get());
        std::set<int> contexts{0, 100};
        for (const QWidget* w : std::initializer_list<const QWidget*>{h.window.get(), &entry, &reconcil, &codes})
            for (const QAction* a : w->findChildren<QAction*>())
                if (a->property("helpContext").isValid())
                    contexts.insert(a->property("helpContext").toInt());
        QVERIFY(contexts.size() > 40);
        QStringList missing;
        for (const int c : contexts)
            if (!load.file->topic(c))
                missing << QString::number(c);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
    }

    // The help file is in a PATH folder, not the program directory: every Help item opens it.
    void mainMenuFromPath_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("context"); // -1: the whole index; -2: the viewer's own help
        QTest::newRow("Features") << "mnuFeatures" << 1100;
        QTest::newRow("Contents: the main topic") << "mnuHelpContents" << 100;
        QTest::newRow("Buttonbar") << "mnuButtonbar" << 600;
        QTest::newRow("Keyboard") << "mnuAccessHelp" << 400;
        QTest::newRow("Menus") << "mnuMenulist" << 200;
        QTest::newRow("Topics") << "mnuHelpTopics" << 300;
        QTest::newRow("Search: the index, empty key") << "mnuHelpSearch" << -1;
        QTest::newRow("Using Help") << "mnuHelponHelp" << -2;
    }
    void mainMenuFromPath() {
        QFETCH(QString, item);
        QFETCH(int, context);
        QTemporaryDir pathDir;
        QVERIFY(QFile::copy(shippedHelpFile(), pathDir.filePath(QStringLiteral("ledgrn32.hlp"))));
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", "/nonexistent-folder:" + QFile::encodeName(pathDir.path()) + ":" + oldPath);
        Harness h;
        qputenv("PATH", oldPath);
        QVERIFY(!QFile::exists(h.path(QStringLiteral("ledgrn32.hlp"))));

        QAction* action = h.window->findChild<QAction*>(item);
        QVERIFY(action && action->isEnabled());
        action->trigger();
        VERIFY_DIALOGUE(h);
        help::HelpWindow* w = helpWindow();
        QVERIFY(w && w->isVisible());
        if (context == -2) { // the viewer's own help: the register's file is not needed for it
            QVERIFY(w->showingUsingHelp());
            return;
        }
        QCOMPARE(w->filePath(), pathDir.filePath(QStringLiteral("ledgrn32.hlp")));
        if (context == -1) {
            QCOMPARE(w->tabs->currentIndex(), 1);
            QCOMPARE(w->indexKey->text(), QString());
            QVERIFY(w->indexList->count() > 50);
        } else {
            QCOMPARE(static_cast<int>(w->currentContext()), context);
        }
    }

    // The help items of the entry, reconciliation and code maintenance windows.
    void dialogItems_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("context");
        QTest::newRow("entry window, F1") << "frmChqUP" << "mnuChqHelp" << 211;
        QTest::newRow("reconciliation") << "frnReconcil" << "rechelp" << 217;
        QTest::newRow("code maintenance") << "frmEditCodes" << "mnuMaint" << 225;
        QTest::newRow("code file structure") << "frmEditCodes" << "mnuStructure" << 302;
        QTest::newRow("password window, F1: what the password protects") << "LGNPASSWORD" << "pwHelp" << 220;
    }
    void dialogItems() {
        QFETCH(QString, window);
        QFETCH(QString, item);
        QFETCH(int, context);
        Harness h;
        h.window->findChild<ledger::RegisterHelp*>()->setHelpFile(shippedHelpFile());
        std::unique_ptr<QWidget> dialog;
        if (window == QLatin1String("frmChqUP"))
            dialog = std::make_unique<ledger::frmChqUP>(ledger::EntryMode::NewEntry, h.prompter, h.clipboard,
                                                        h.window.get());
        else if (window == QLatin1String("LGNPASSWORD"))
            dialog = std::make_unique<ledger::LGNPASSWORD>(h.prompter, h.window.get());
        else if (window == QLatin1String("frnReconcil"))
            dialog = std::make_unique<ledger::frnReconcil>(
                h.prompter, [] { return nullptr; }, [] { return true; }, h.window.get());
        else
            dialog = std::make_unique<ledger::frmEditCodes>(h.window->codeFiles(), h.prompter, h.window.get());
        QAction* action = dialog->findChild<QAction*>(item);
        QVERIFY(action && action->isEnabled());
        action->trigger();
        VERIFY_DIALOGUE(h);
        QVERIFY(helpWindow());
        QCOMPARE(static_cast<int>(helpWindow()->currentContext()), context);
    }

    // No help file at start: every help item gives the one message and opens nothing.
    void missingHelpFile_data() {
        QTest::addColumn<QString>("item");
        for (const char* name : {"mnuFeatures", "mnuHelpContents", "mnuButtonbar", "mnuAccessHelp", "mnuMenulist",
                                 "mnuHelpTopics", "mnuHelpSearch", "mnuHelponHelp", "mnuChqHelp"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void missingHelpFile() {
        QFETCH(QString, item);
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", "/nonexistent-folder");
        Harness h;
        qputenv("PATH", oldPath);
        ledger::frmChqUP entry(ledger::EntryMode::NewEntry, h.prompter, h.clipboard, h.window.get());
        h.prompter.expectMsgBox(QStringLiteral("HELP File Error!"),
                                QStringLiteral("Can't find help files. Must be in RUN Directory!"),
                                ui::vbOKOnly + ui::vbExclamation, ui::vbOK);
        QAction* action = h.window->findChild<QAction*>(item);
        if (!action)
            action = entry.findChild<QAction*>(item);
        QVERIFY(action);
        action->trigger();
        VERIFY_DIALOGUE(h);
        QVERIFY(!helpWindow());
    }

    void exitClosesTheViewer() {
        Harness h;
        h.window->findChild<ledger::RegisterHelp*>()->setHelpFile(shippedHelpFile());
        h.action("mnuFeatures")->trigger();
        QVERIFY(helpWindow());
        h.prompter.expectMsgBox(kApp, QStringLiteral("Exit Ledgerine?"), kYesNoQ, ui::vbNo);
        h.action("ExitLedgrn")->trigger();
        QVERIFY(helpWindow()); // "No": nothing changes
        h.prompter.expectMsgBox(kApp, QStringLiteral("Exit Ledgerine?"), kYesNoQ, ui::vbYes);
        h.action("ExitLedgrn")->trigger();
        VERIFY_DIALOGUE(h);
        QVERIFY(!helpWindow());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    HelpViewerTest viewer;
    RegisterHelpTest wiring;
    const int failures = QTest::qExec(&viewer, argc, argv) + QTest::qExec(&wiring, argc, argv);
    return failures == 0 ? 0 : 1;
}

#include "HelpViewerTest.moc"
